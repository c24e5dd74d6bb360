// The effect's parameter table, parameter application and program bank.
#include "CCorGain.hpp"

#include "CCorGainParameterFactory.hpp"
#include "DspMath.hpp"

#include "VstStrings.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

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
    for (int index = 0; index < CCORGAIN_NUMBER_OF_PARAMETERS; ++index) {
        m_parameters[index] = CCorGainParameterFactory::createParameter(index);
    }
}

void CCorGain::fillProgramBank()
{
    for (int p = 0; p < CCORGAIN_NUMBER_OF_PROGRAMS; ++p) {
        PluginProgram& program = m_bank.getProgram(p);
        const float* values = factoryValues(p);
        for (int index = 0; index < CCORGAIN_NUMBER_OF_PARAMETERS; ++index) {
            program.setValue(index, values[index]);
        }
        program.setName(kProgramNames[p]);
    }
}

bool CCorGain::isParameterIndex(VstInt32 index)
{
    return index >= 0 && index < CCORGAIN_NUMBER_OF_PARAMETERS;
}

SChainSettings CCorGain::settingsFor(const float values[CCORGAIN_NUMBER_OF_PARAMETERS]) const
{
    const auto data = [&](int index) { return static_cast<double>(m_parameters[index]->GetDataFor(values[index])); };
    const auto stop = [&](int index) { return m_parameters[index]->GetIntDataFor(values[index]); };
    SChainSettings s;
    s.externalKey = stop(CCORGAIN_SIDECHAIN) == 1;
    s.keyInput = stop(CCORGAIN_KEY_INPUT);
    // At the centre position the equalisers stay out of the key path.
    s.equaliseKey =
        !(values[CCORGAIN_EQ_LOW] == 0.5f && values[CCORGAIN_EQ_MID] == 0.5f && values[CCORGAIN_EQ_HIGH] == 0.5f);
    s.eqLowGain = dB2lin(data(CCORGAIN_EQ_LOW));
    s.eqMidGain = dB2lin(data(CCORGAIN_EQ_MID));
    s.eqHighGain = dB2lin(data(CCORGAIN_EQ_HIGH));
    const float midSide = values[CCORGAIN_MID_SIDE];
    s.midGain = 1.0f - 2.0f * std::max(midSide - 0.5f, 0.0f);
    s.sideGain = 1.0f - 2.0f * std::max(0.5f - midSide, 0.0f);
    s.valve = stop(CCORGAIN_VALVE);

    // At 0 dB the compressor is skipped and its detector rests.
    s.compress = values[CCORGAIN_THRESHOLD] != 1.0f;
    s.threshold = data(CCORGAIN_THRESHOLD);
    // The host's 0 is a ratio of 1:1, its 1 a ratio of 20:1.
    s.ratio = m_parameters[CCORGAIN_RATIO]->GetDataFor(1.0f - values[CCORGAIN_RATIO]);
    s.attack = data(CCORGAIN_ATTACK);
    s.release = data(CCORGAIN_RELEASE);
    s.knee = values[CCORGAIN_SOFT_KNEE];
    s.makeUp = stop(CCORGAIN_MAKEUP_GAIN) == 1;
    const double threshold = std::fabs(s.threshold);
    s.makeUpGain = dB2lin(threshold - threshold * s.ratio) * CCORGAIN_MAKE_UP_SCALE;

    s.mix = m_parameters[CCORGAIN_MIX]->GetDataFor(values[CCORGAIN_MIX]);

    s.limit = stop(CCORGAIN_LIMIT_ON_OFF) != 0;
    s.limiterThreshold = data(CCORGAIN_LIMIT_THRESHOLD);
    s.limiterRelease = data(CCORGAIN_LIMIT_RELEASE);
    s.limiterGain = dB2lin(std::fabs(s.limiterThreshold));
    s.ceiling = dB2lin(data(CCORGAIN_LIMIT_CEILING)) - CCORGAIN_CEILING_MARGIN;

    s.monitorKey = stop(CCORGAIN_MONITOR) != 0;
    s.outputGain = dB2lin(data(CCORGAIN_MASTER));
    return s;
}

void CCorGain::setParameter(VstInt32 index, float value)
{
    // Hosts may send anything: a NaN is ignored, other values are held inside 0..1.
    if (!isParameterIndex(index) || std::isnan(value)) {
        return;
    }
    const float held = std::min(1.0f, std::max(0.0f, value));
    m_bank.setValue(index, held);
    tellEditor(index, held);
}

float CCorGain::getParameter(VstInt32 index)
{
    return isParameterIndex(index) ? m_bank.getValue(index) : 0.0f;
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
        // The parameter's units are the slope; the host is shown the ratio in four characters.
        const float slope = m_parameters[index]->GetDataFor(1.0f - m_bank.getValue(index));
        float2string(1.0f / slope, display, 4);
    } else if (isParameterIndex(index)) {
        m_parameters[index]->GetValueFor(m_bank.getValue(index), display);
    }
    copyToHost(text, display);
}

void CCorGain::setProgram(VstInt32 program)
{
    m_bank.select(program);
    tellEditorAllValues();
}

VstInt32 CCorGain::getProgram()
{
    return m_bank.getCurrent();
}

void CCorGain::setProgramName(char* name)
{
    if (name != nullptr) {
        m_bank.getProgram(m_bank.getCurrent()).setName(name);
    }
}

void CCorGain::getProgramName(char* name)
{
    if (name != nullptr) {
        m_bank.getProgram(m_bank.getCurrent()).copyName(name);
    }
}

bool CCorGain::getProgramNameIndexed(VstInt32, VstInt32 index, char* text)
{
    if (!CProgramBank::isProgramIndex(index) || text == nullptr) {
        return false;
    }
    m_bank.getProgram(index).copyName(text);
    return true;
}

bool CCorGain::copyProgram(VstInt32 destination)
{
    return m_bank.copyCurrentTo(destination);
}

}}  // namespace Corvane::CorGain
