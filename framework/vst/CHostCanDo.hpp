#pragma once

#include "basics/CString.hpp"

class AudioEffectX;

namespace Corvane { namespace Vst {

/**
 * What the host said about itself when the effect was built: its answers to
 * sixteen capability questions, its product and vendor strings and its
 * version. Printed by the crash report.
 */
class CHostCanDo {
public:
    enum ECapability {
        CHOSTCANDO_SEND_VST_EVENTS = 0,
        CHOSTCANDO_SEND_VST_MIDI_EVENT,
        CHOSTCANDO_SEND_VST_TIME_INFO,
        CHOSTCANDO_RECEIVE_VST_EVENTS,
        CHOSTCANDO_RECEIVE_VST_MIDI_EVENT,
        CHOSTCANDO_RECEIVE_VST_TIME_INFO,
        CHOSTCANDO_REPORT_CONNECTION_CHANGES,
        CHOSTCANDO_ACCEPT_IO_CHANGES,
        CHOSTCANDO_SIZE_WINDOW,
        CHOSTCANDO_ASYNC_PROCESSING,
        CHOSTCANDO_OFFLINE,
        CHOSTCANDO_SUPPLY_IDLE,
        CHOSTCANDO_SUPPORT_SHELL,
        CHOSTCANDO_EDIT_FILE,
        CHOSTCANDO_CLOSE_FILE_SELECTOR,
        CHOSTCANDO_START_STOP_PROCESS,
        CHOSTCANDO_NUMBER_OF_CAPABILITIES
    };

    /** The capability strings asked of the host, in ECapability order. */
    static const char* const CHOSTCANDO_CAPABILITY_STRINGS[CHOSTCANDO_NUMBER_OF_CAPABILITIES];

    CHostCanDo();
    virtual ~CHostCanDo();

    /** All flags false, both strings " ", version 0. */
    void initialise();

    /**
     * Asks the host behind effect for each capability, its product and vendor
     * strings and its version. Throws CException when effect is null.
     */
    void setFromAudioEffectX(AudioEffectX* effect);

    bool canDo(ECapability capability) const;
    const Basics::CString& getHostProduct() const { return m_hostProduct; }
    const Basics::CString& getHostVendor() const { return m_hostVendor; }
    long getHostVendorVersion() const { return m_hostVendorVersion; }

private:
    bool m_canDo[CHOSTCANDO_NUMBER_OF_CAPABILITIES];
    Basics::CString m_hostProduct;
    Basics::CString m_hostVendor;
    long m_hostVendorVersion;
};

}}  // namespace Corvane::Vst
