#include "CCorGain.hpp"

#include "VstStrings.hpp"

#include <cstring>
#include <initializer_list>

namespace Corvane { namespace CorGain {

namespace {

struct SPin {
    const char* label;
    const char* shortLabel;
};

const SPin kInputPins[CCorGain::CCORGAIN_NUMBER_OF_INPUTS] = {
    {"Left input", "L in"}, {"Right input", "R in"}, {"Sidechain", "xL in"}, {"Sidechain", "xR in"}};
const SPin kOutputPins[CCorGain::CCORGAIN_NUMBER_OF_OUTPUTS] = {{"Left output", "L out"}, {"Right output", "R out"}};

const char* const kCapabilities[] = {"plugAsChannelInsert", "plugAsSend", "2in2out", "receiveVstMidiEvent"};

void describePin(const SPin& pin, VstPinProperties* properties)
{
    vst_strncpy(properties->label, pin.label, kVstMaxLabelLen - 1);
    vst_strncpy(properties->shortLabel, pin.shortLabel, kVstMaxShortLabelLen - 1);
    properties->flags = kVstPinIsActive | kVstPinIsStereo;
}

}  // namespace

CVN_IMPLEMENT_CLASS(CCorGain, "CVstEffect")

CCorGain::CCorGain(audioMasterCallback audioMaster)
    : Vst::CVstEffect(audioMaster, CCORGAIN_NUMBER_OF_PARAMETERS, CCORGAIN_NUMBER_OF_PROGRAMS),
      m_programs(),
      m_currentProgram(0),
      m_sideChainMode(0),
      m_outputGain(1.0),
      m_makeUpGain(1.0),
      m_limiterGain(0.0),
      m_outputCeiling(0.0),
      m_midGain(1.0f),
      m_sideGain(1.0f),
      m_sampleRate(44100.0f),
      m_blockPeak(0.0f),
      m_lastOutputLevel(0.0f),
      m_mix(1.0f),
      m_parameters(),
      m_leftEQ(),
      m_rightEQ(),
      m_valve(),
      m_compressor(),
      m_limiter(),
      m_discardedOutput()
{
    CVN_CONSTRUCT_CLASS;
    setNumInputs(CCORGAIN_NUMBER_OF_INPUTS);
    setNumOutputs(CCORGAIN_NUMBER_OF_OUTPUTS);
    canProcessReplacing(true);
    setUniqueID(CCORGAIN_UNIQUE_ID);
    setInitialDelay(1024);

    createParameters();

    m_compressor.reset(new CCompressorSC());
    m_compressor->setSamplerate(m_sampleRate);
    m_compressor->reset();

    for (CEQ* eq : {&m_leftEQ, &m_rightEQ}) {
        *eq = CEQ();
        eq->initEQ(800, 5000, m_sampleRate);
        eq->setGain(1.0, 1.0, 1.0);
    }

    m_limiter = CLimiter();
    m_limiter.setSamplerate(44100.0);
    m_limiter.setThresh(0.0);
    m_limiter.setAttack(1.0);
    m_limiter.setRelease(100.0);
    m_limiter.reset();
    reportLatency();

    m_limiterGain = 1.0;
    m_outputCeiling = 1.0;
    m_blockPeak = 0.0f;
    m_lastOutputLevel = 0.0f;
    m_mix = m_parameters[CCORGAIN_MIX]->GetData();

    fillProgramBank();
}

CCorGain::~CCorGain()
{
    CVN_DESTRUCT_CLASS;
    m_programs.reset();
    m_compressor.reset();
    for (int i = CCORGAIN_NUMBER_OF_PARAMETERS - 1; i >= 0; --i) {
        m_parameters[i].freePointer();
    }
}

void CCorGain::reportLatency()
{
    // Hosts line tracks up by this delay, so it must be the chain's real one.
    const VstInt32 latency = m_limiter.getLatency();
    if (cEffect.initialDelay != latency) {
        setInitialDelay(latency);
    }
}

void CCorGain::suspend() {}

VstInt32 CCorGain::canDo(char* text)
{
    if (text == nullptr) {
        return -1;
    }
    for (const char* capability : kCapabilities) {
        if (std::strcmp(text, capability) == 0) {
            return 1;
        }
    }
    return -1;
}

bool CCorGain::getInputProperties(VstInt32 index, VstPinProperties* properties)
{
    if (properties == nullptr || index < 0 || index >= CCORGAIN_NUMBER_OF_INPUTS) {
        return false;
    }
    describePin(kInputPins[index], properties);
    return true;
}

bool CCorGain::getOutputProperties(VstInt32 index, VstPinProperties* properties)
{
    if (properties == nullptr || index < 0 || index >= CCORGAIN_NUMBER_OF_OUTPUTS) {
        return false;
    }
    describePin(kOutputPins[index], properties);
    return true;
}

}}  // namespace Corvane::CorGain
