// The Tenvira effect: stereo side-chain compressor with a valve stage and a
// look-ahead limiter; four inputs (main pair, key pair), two outputs, twenty
// parameters and ten programs.
#pragma once

#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"
#include "CValveModel.hpp"
#include "CVstParam.hpp"
#include "PluginProgram.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "vst/CVstEffect.hpp"

#include <atomic>
#include <memory>

namespace Corvane { namespace CorGain {

class CCorGain : public Vst::CVstEffect {
public:
    static constexpr int CCORGAIN_NUMBER_OF_PARAMETERS = 20;
    static constexpr int CCORGAIN_NUMBER_OF_PROGRAMS = 10;
    static constexpr int CCORGAIN_NUMBER_OF_INPUTS = 4;
    static constexpr int CCORGAIN_NUMBER_OF_OUTPUTS = 2;
    static constexpr VstInt32 CCORGAIN_UNIQUE_ID = VST_FOURCC('T', 'o', 'a', '3');
    // Texts handed to the host hold at most this many characters and a terminator.
    static constexpr size_t CCORGAIN_MAX_TEXT_LENGTH = 23;
    // Host samples larger than this in magnitude (+120 dBFS) are read as silence.
    static constexpr float CCORGAIN_LOUDEST_PLAUSIBLE_SAMPLE = 1e6f;
    // Frames per pass when the host leaves a channel out.
    static constexpr VstInt32 CCORGAIN_SPARE_FRAMES = 256;

    // Parameter indices shared by the host, the programs, MIDI and the editor.
    enum EParameter {
        CCORGAIN_MASTER = 0,
        CCORGAIN_THRESHOLD,
        CCORGAIN_RATIO,
        CCORGAIN_ATTACK,
        CCORGAIN_RELEASE,
        CCORGAIN_MIX,
        CCORGAIN_EQ_LOW,
        CCORGAIN_EQ_MID,
        CCORGAIN_EQ_HIGH,
        CCORGAIN_SIDECHAIN,
        CCORGAIN_MONITOR,
        CCORGAIN_MAKEUP_GAIN,
        CCORGAIN_KEY_INPUT,
        CCORGAIN_SOFT_KNEE,
        CCORGAIN_VALVE,
        CCORGAIN_MID_SIDE,
        CCORGAIN_LIMIT_ON_OFF,
        CCORGAIN_LIMIT_RELEASE,
        CCORGAIN_LIMIT_THRESHOLD,
        CCORGAIN_LIMIT_CEILING
    };

    explicit CCorGain(audioMasterCallback audioMaster);
    ~CCorGain() override;

    void suspend() override;
    void resume() override;
    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void setProgram(VstInt32 program) override;
    VstInt32 getProgram() override;
    void setProgramName(char* name) override;
    void getProgramName(char* name) override;
    void getParameterLabel(VstInt32 index, char* label) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void getParameterName(VstInt32 index, char* text) override;
    bool getProgramNameIndexed(VstInt32 category, VstInt32 index, char* text) override;
    bool getInputProperties(VstInt32 index, VstPinProperties* properties) override;
    bool getOutputProperties(VstInt32 index, VstPinProperties* properties) override;
    VstInt32 processEvents(VstEvents* events) override;
    VstInt32 canDo(char* text) override;
    void process(float** inputs, float** outputs, VstInt32 sampleFrames) override;

    // Copies the current program's values and name into destination; false for a destination outside 0..9.
    bool copyProgram(VstInt32 destination);

    // The parameter object at index, or null.
    const CVstParam* getParameterObject(VstInt32 index) const;

    // Values derived from the parameters, as the audio path reads them.
    double getOutputGain() const { return m_outputGain.load(std::memory_order_relaxed); }
    double getMakeUpGain() const { return m_makeUpGain.load(std::memory_order_relaxed); }
    double getLimiterGain() const { return m_limiterGain.load(std::memory_order_relaxed); }
    double getOutputCeiling() const { return m_outputCeiling.load(std::memory_order_relaxed); }
    float getMidGain() const { return m_midGain.load(std::memory_order_relaxed); }
    float getSideGain() const { return m_sideGain.load(std::memory_order_relaxed); }
    float getMix() const { return m_mix.load(std::memory_order_relaxed); }
    int getSideChainMode() const { return m_sideChainMode.load(std::memory_order_relaxed); }
    const CCompressorSC& getCompressor() const { return *m_compressor; }
    const CLimiter& getLimiter() const { return m_limiter; }
    const CEQ& getLeftEQ() const { return m_leftEQ; }

    CVN_DECLARE_CLASS

private:
    // The chain's settings as one block reads them.
    struct SBlockSettings {
        int keyInput;
        bool externalKey;
        int valve;
        bool equaliseKey;
        float midGain;
        float sideGain;
        bool compress;
        float mix;
        bool makeUp;
        double makeUpGain;
        bool limit;
        double ceiling;
        double limiterGain;
        bool monitorKey;
        double outputGain;
    };
    SBlockSettings readBlockSettings() const;
    // The block's output levels for the meter.
    struct SBlockLevels {
        float peak = 0.0f;
        float last = 0.0f;
    };
    void processFrames(const SBlockSettings& s, const float* const* inputs, float* const* outputs, VstInt32 frames,
                       SBlockLevels& levels);

    void createParameters();
    void fillProgramBank();
    // Applies the look-ahead of the limiter as the delay the host compensates.
    void reportLatency();
    static bool isParameterIndex(VstInt32 index);
    static bool isProgramIndex(VstInt32 index);

    std::unique_ptr<PluginProgram[]> m_programs;
    // Switched by the host and by MIDI on the audio thread; stands in for the base's plain curProgram.
    std::atomic<VstInt32> m_currentProgram;

    // Chain state.
    std::atomic<int> m_sideChainMode;
    std::atomic<double> m_outputGain;
    std::atomic<double> m_makeUpGain;
    std::atomic<double> m_limiterGain;
    std::atomic<double> m_outputCeiling;
    std::atomic<float> m_midGain;
    std::atomic<float> m_sideGain;
    float m_sampleRate;
    float m_blockPeak;
    float m_lastOutputLevel;
    std::atomic<float> m_mix;

    Collections::TAutomaticPointer<CVstParam> m_parameters[CCORGAIN_NUMBER_OF_PARAMETERS];
    CEQ m_leftEQ;
    CEQ m_rightEQ;
    CValveModel m_valve;
    std::unique_ptr<CCompressorSC> m_compressor;
    CLimiter m_limiter;
    // Where the output of a channel the host left out goes.
    float m_discardedOutput[CCORGAIN_SPARE_FRAMES];
};

}}  // namespace Corvane::CorGain
