// The effect's parameter table, parameter application and program bank.
#include "CCorGain.hpp"

#include "CVstParamFloat.hpp"
#include "CVstParamFloatExp.hpp"
#include "CVstParamSelect.hpp"
#include "DspMath.hpp"

#include "VstStrings.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

const char* const kSideChainStops[] = {"Internal", "External"};
const char* const kMonitorStops[] = {"Output", "Input"};
const char* const kOffOnStops[] = {"Off", "On"};
const char* const kKeyInputStops[] = {"Left", "Stereo", "Right"};
const char* const kValveStops[] = {"Bypass", "Soft", "Dirty"};

const char* const kProgramNames[CCorGain::CCORGAIN_NUMBER_OF_PROGRAMS] = {
    "Default", "Soft master", "Warm master", "Dirty", "Guitar", "Bass", "------------", "Tolvek", "Orvasse", "Audio"};

// Host values of the factory programs 0 to 5; programs 6 to 9 repeat program 0.
const float kFactoryValues[6][CCorGain::CCORGAIN_NUMBER_OF_PARAMETERS] = {
    {0.5f, 1.0f, 0.0f, 0.25f, 0.5f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f, 0.0f,  0.0f, 0.5f, 0.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 1.0f, 0.6f, 0.3f,  0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f, 0.25f, 0.0f,  0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f,  0.2f, 0.4f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
    {0.5f, 1.0f, 0.72f, 0.0f, 0.65f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 0.0f, 0.4f,  0.2f, 1.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
    {0.5f, 0.82f, 0.6f, 0.65f, 0.6f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 1.0f,  0.4f, 0.2f,  0.4f, 0.5f, 1.0f, 0.5f, 0.99f, 1.0f},
    {0.5f, 0.65f, 0.75f, 0.0f, 0.95f, 1.0f, 0.5f, 0.5f, 0.5f,  0.0f,
     0.0f, 1.0f,  0.4f,  0.5f, 0.0f,  0.5f, 1.0f, 0.5f, 0.98f, 0.99f},
};

// The order in which a program's values are applied while the bank is filled.
const int kFillOrder[CCorGain::CCORGAIN_NUMBER_OF_PARAMETERS] = {19, 18, 17, 16, 6, 7, 8, 9, 10, 11,
                                                                 12, 13, 14, 15, 1, 2, 3, 4, 5,  0};

const float* factoryValues(int program)
{
    return kFactoryValues[program < 6 ? program : 0];
}

void copyToHost(char* text, const char* value)
{
    vst_strncpy(text, value, CCorGain::CCORGAIN_MAX_TEXT_LENGTH);
}

}  // namespace

void CCorGain::createParameters()
{
    m_parameters[CCORGAIN_MASTER] = new CVstParamFloat("Master", "dB", -20.0f, 20.0f, 0.0f, false);
    m_parameters[CCORGAIN_THRESHOLD] = new CVstParamFloat("Threshold", "dB", -50.0f, 0.0f, 0.0f, false);
    m_parameters[CCORGAIN_RATIO] = new CVstParamFloat("Ratio", " :1", 0.05f, 1.0f, 1.0f, false);
    m_parameters[CCORGAIN_ATTACK] = new CVstParamFloatExp("Attack", "ms", 1.0f, 1000.0f, 1.0f);
    m_parameters[CCORGAIN_RELEASE] = new CVstParamFloatExp("Release", "ms", 1.0f, 1000.0f, 1.0f);
    m_parameters[CCORGAIN_MIX] = new CVstParamFloat("Mix", "mix", 0.0f, 1.0f, 1.0f, false);
    m_parameters[CCORGAIN_EQ_LOW] = new CVstParamFloat("EQ Low", "dB", -20.0f, 20.0f, 0.5f, false);
    m_parameters[CCORGAIN_EQ_MID] = new CVstParamFloat("EQ Mid", "dB", -20.0f, 20.0f, 0.5f, false);
    m_parameters[CCORGAIN_EQ_HIGH] = new CVstParamFloat("EQ High", "dB", -20.0f, 20.0f, 0.5f, false);
    m_parameters[CCORGAIN_SIDECHAIN] = new CVstParamSelect("SideChain", "", 2, kSideChainStops, 0);
    m_parameters[CCORGAIN_MONITOR] = new CVstParamSelect("Monitor", "", 2, kMonitorStops, 0);
    m_parameters[CCORGAIN_MAKEUP_GAIN] = new CVstParamSelect("MakeUpGain", "", 2, kOffOnStops, 0);
    m_parameters[CCORGAIN_KEY_INPUT] = new CVstParamSelect("Key Input", "", 3, kKeyInputStops, 0);
    m_parameters[CCORGAIN_SOFT_KNEE] = new CVstParamFloat("Soft-Knee", "%", 0.0f, 100.0f, 0.0f, false);
    m_parameters[CCORGAIN_VALVE] = new CVstParamSelect("Valve Modelling", "", 3, kValveStops, 0);
    m_parameters[CCORGAIN_MID_SIDE] = new CVstParamFloat("Mid/Side", " ", -1.0f, 1.0f, 0.5f, false);
    m_parameters[CCORGAIN_LIMIT_ON_OFF] = new CVstParamSelect("LimitOnOff", "", 2, kOffOnStops, 0);
    m_parameters[CCORGAIN_LIMIT_RELEASE] = new CVstParamFloatExp("LimitRel", "ms", 1.0f, 1000.0f, 1.0f);
    m_parameters[CCORGAIN_LIMIT_THRESHOLD] = new CVstParamFloat("Threshold", "dB", -50.0f, 0.0f, 0.5f, false);
    m_parameters[CCORGAIN_LIMIT_CEILING] = new CVstParamFloat("LimitCeil", "dB", -50.0f, 0.0f, 0.5f, false);
}

void CCorGain::fillProgramBank()
{
    m_programs.reset(new PluginProgram[CCORGAIN_NUMBER_OF_PROGRAMS]);
    for (int p = CCORGAIN_NUMBER_OF_PROGRAMS - 1; p >= 0; --p) {
        setProgram(p);
        const float* values = factoryValues(p);
        for (int index : kFillOrder) {
            setParameter(index, values[index]);
        }
        m_programs[p].setName(kProgramNames[p]);
    }
}

bool CCorGain::isParameterIndex(VstInt32 index)
{
    return index >= 0 && index < CCORGAIN_NUMBER_OF_PARAMETERS;
}

bool CCorGain::isProgramIndex(VstInt32 index)
{
    return index >= 0 && index < CCORGAIN_NUMBER_OF_PROGRAMS;
}

const CVstParam* CCorGain::getParameterObject(VstInt32 index) const
{
    return isParameterIndex(index) ? m_parameters[index].getPointer() : nullptr;
}

void CCorGain::setParameter(VstInt32 index, float value)
{
    // Hosts may send anything: a NaN is ignored, other values are held inside 0..1.
    if (!isParameterIndex(index) || std::isnan(value)) {
        return;
    }
    value = std::min(1.0f, std::max(0.0f, value));
    CVstParam& parameter = *m_parameters[index];
    parameter.Set(value);
    m_programs[m_currentProgram.load(std::memory_order_relaxed)].setValue(index, parameter.Get());

    const auto makeUp = [this]() {
        const double threshold = std::fabs(m_compressor->getThresh());
        m_makeUpGain = dB2lin(threshold - threshold * m_compressor->getRatio()) * 0.75;
    };
    const auto eqGains = [this]() {
        const double low = dB2lin(static_cast<double>(m_parameters[CCORGAIN_EQ_LOW]->GetData()));
        const double mid = dB2lin(static_cast<double>(m_parameters[CCORGAIN_EQ_MID]->GetData()));
        const double high = dB2lin(static_cast<double>(m_parameters[CCORGAIN_EQ_HIGH]->GetData()));
        m_leftEQ.setGain(low, mid, high);
        m_rightEQ.setGain(low, mid, high);
    };
    const auto limiterGain = [this]() {
        m_limiterGain = dB2lin(std::fabs(static_cast<double>(m_parameters[CCORGAIN_LIMIT_THRESHOLD]->GetData())));
    };

    switch (index) {
    case CCORGAIN_MASTER:
        m_outputGain = dB2lin(static_cast<double>(parameter.GetData()));
        break;
    case CCORGAIN_THRESHOLD:
        m_compressor->setThresh(parameter.GetData());
        makeUp();
        break;
    case CCORGAIN_RATIO:
        // The host's 0 is a ratio of 1:1, its 1 a ratio of 20:1.
        parameter.Set(1.0f - value);
        m_compressor->setRatio(parameter.GetData());
        makeUp();
        break;
    case CCORGAIN_ATTACK:
        m_compressor->setAttack(parameter.GetData());
        break;
    case CCORGAIN_RELEASE:
        m_compressor->setRelease(parameter.GetData());
        break;
    case CCORGAIN_MIX:
        m_mix = parameter.GetData();
        break;
    case CCORGAIN_EQ_LOW:
    case CCORGAIN_EQ_MID:
    case CCORGAIN_EQ_HIGH:
        eqGains();
        break;
    case CCORGAIN_SIDECHAIN:
        m_sideChainMode = parameter.GetIntData();
        break;
    case CCORGAIN_MAKEUP_GAIN:
        makeUp();
        break;
    case CCORGAIN_SOFT_KNEE:
        m_compressor->setKnee(parameter.Get());
        break;
    case CCORGAIN_MID_SIDE:
        m_midGain = 1.0f - 2.0f * std::max(value - 0.5f, 0.0f);
        m_sideGain = 1.0f - 2.0f * std::max(0.5f - value, 0.0f);
        break;
    case CCORGAIN_LIMIT_RELEASE:
        m_limiter.setRelease(parameter.GetData());
        break;
    case CCORGAIN_LIMIT_THRESHOLD:
        m_limiter.setThresh(parameter.GetData());
        limiterGain();
        break;
    case CCORGAIN_LIMIT_CEILING:
        m_outputCeiling = dB2lin(static_cast<double>(parameter.GetData())) - 0.000001;
        limiterGain();
        break;
    default:
        // Monitor, Key Input, Valve Modelling and LimitOnOff are read by the chain on every sample.
        break;
    }
}

float CCorGain::getParameter(VstInt32 index)
{
    if (!isParameterIndex(index)) {
        return 0.0f;
    }
    const float value = m_parameters[index]->Get();
    return index == CCORGAIN_RATIO ? 1.0f - value : value;
}

void CCorGain::getParameterName(VstInt32 index, char* text)
{
    char name[CVstParam::CVSTPARAM_TEXT_SIZE] = "";
    if (isParameterIndex(index)) {
        m_parameters[index]->GetName(name);
    }
    copyToHost(text, name);
}

void CCorGain::getParameterLabel(VstInt32 index, char* label)
{
    char text[CVstParam::CVSTPARAM_TEXT_SIZE] = "";
    if (isParameterIndex(index)) {
        m_parameters[index]->GetLabel(text);
    }
    copyToHost(label, text);
}

void CCorGain::getParameterDisplay(VstInt32 index, char* text)
{
    char display[64] = "";
    if (index == CCORGAIN_RATIO) {
        // The object holds the slope; the host is shown the ratio in four characters.
        float2string(1.0f / m_parameters[index]->GetData(), display, 4);
    } else if (isParameterIndex(index)) {
        m_parameters[index]->GetValue(display);
    }
    copyToHost(text, display);
}

void CCorGain::setProgram(VstInt32 program)
{
    if (!isProgramIndex(program)) {
        return;
    }
    m_currentProgram.store(program, std::memory_order_relaxed);
    for (int i = 0; i < CCORGAIN_NUMBER_OF_PARAMETERS; ++i) {
        setParameter(i, m_programs[program].getValue(i));
    }
}

VstInt32 CCorGain::getProgram()
{
    return m_currentProgram.load(std::memory_order_relaxed);
}

void CCorGain::setProgramName(char* name)
{
    if (name != nullptr) {
        m_programs[m_currentProgram.load(std::memory_order_relaxed)].setName(name);
    }
}

void CCorGain::getProgramName(char* name)
{
    if (name != nullptr) {
        m_programs[m_currentProgram.load(std::memory_order_relaxed)].copyName(name);
    }
}

bool CCorGain::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (!isProgramIndex(index) || text == nullptr) {
        return false;
    }
    m_programs[index].copyName(text);
    return true;
}

bool CCorGain::copyProgram(VstInt32 destination)
{
    if (!isProgramIndex(destination)) {
        return false;
    }
    const VstInt32 current = m_currentProgram.load(std::memory_order_relaxed);
    if (destination != current) {
        m_programs[destination].copyFrom(m_programs[current]);
    }
    return true;
}

}}  // namespace Corvane::CorGain
