#pragma once

#include "midi/CMidiEventList.hpp"

#include "VstInterface.hpp"

namespace Corvane { namespace Vst {

/**
 * The MIDI list of an effect, filled from the host's events: note on and off,
 * controllers (123 and 126 become "all notes off") and pitch bend on the
 * list's channel; everything else, and any message with a data byte above
 * 127, is skipped.
 */
class CVstMidiEventList : public Midi::CMidiEventList {
public:
    /** Pitch-bend position per step of the 14-bit value (1 / 8192). */
    static constexpr double CVSTMIDIEVENTLIST_PITCH_BEND_STEP = 0.0001220703125;

    CVstMidiEventList();
    ~CVstMidiEventList() override;

    /** Appends the host's events until they are all read or the list is full. */
    void addFromVSTEvent(const VstEvents* events);

    CVN_DECLARE_CLASS
};

}}  // namespace Corvane::Vst
