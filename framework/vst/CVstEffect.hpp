#pragma once

#include "basics/CCountedObject.hpp"
#include "vst/CHostCanDo.hpp"
#include "vst/CVstMidiEventList.hpp"
#include "vst/CVstTempo.hpp"

#include "AudioEffectX.hpp"

namespace Corvane { namespace Vst {

/**
 * The framework's effect base. Answers the identity strings from the
 * application record, keeps its own copies of sample rate and block size,
 * asks the host about its capabilities once when built and collects incoming
 * MIDI into a fixed list that is emptied after every processed block.
 */
class CVstEffect : public AudioEffectX, public Basics::CCountedObject {
public:
    /** Identity texts reach the host cut to this many characters. */
    static constexpr long CVSTEFFECT_MAX_TEXT_LENGTH = 23;

    CVstEffect(audioMasterCallback audioMaster, long numberOfParameters, long numberOfPrograms);
    ~CVstEffect() override;

    bool getEffectName(char* name) override;
    bool getVendorString(char* text) override;
    bool getProductString(char* text) override;

    void setSampleRate(float rate) override;
    void setBlockSize(VstInt32 size) override;
    void resume() override;

    VstInt32 processEvents(VstEvents* events) override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;

    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getProgramName(char* name) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    float getParameter(VstInt32 index) override;
    void setParameter(VstInt32 index, float value) override;
    bool string2parameter(VstInt32 index, char* text) override;
    bool setBypass(bool onOff) override;
    VstInt32 getNumMidiInputChannels() override;
    /**
     * The host's scale factor for the editor: index 'PreS', value 'AeCs', the
     * factor in floatArg (CVstWindow::setHostScaleFactor). 1 when the editor
     * took it; 0 for anything else.
     */
    VstIntPtr vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptrArg, float floatArg) override;

    /** The host's scale-factor message: index and value. */
    static constexpr VstInt32 CVSTEFFECT_SCALE_INDEX = 0x50726553;
    static constexpr VstIntPtr CVSTEFFECT_SCALE_VALUE = 0x41654373;

    CVN_DECLARE_CLASS

    /** The deprecated accumulating process call; clears the block's MIDI. */
    virtual void process(float** inputs, float** outputs, VstInt32 sampleFrames);
    /** The channel (0-15) whose MIDI the effect accepts. */
    virtual void setMidiChannel(long channel);
    virtual long getComponentVersion();

    const CHostCanDo& getHostCanDo() const { return m_hostCanDo; }
    const CVstMidiEventList& getMidiEventList() const { return m_midiEvents; }
    double getSampleRateCopy() const { return m_sampleRate; }
    long getBlockSizeCopy() const { return m_blockSize; }
    bool blockSizeHasChanged() const { return m_blockSizeChanged; }
    bool sampleRateHasChanged() const { return m_sampleRateChanged; }

    CVstEffect(const CVstEffect&) = delete;
    CVstEffect& operator=(const CVstEffect&) = delete;

protected:
    CHostCanDo m_hostCanDo;
    CVstTempo m_tempo;
    double m_sampleRate;
    long m_blockSize;
    bool m_blockSizeChanged;
    bool m_sampleRateChanged;
    CVstMidiEventList m_midiEvents;
};

}}  // namespace Corvane::Vst
