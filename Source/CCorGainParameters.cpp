// The effect's parameters as the host sees them, and its program bank.
#include "CCorGain.hpp"

#include "CCorGainFactoryPrograms.hpp"

#include "VstStrings.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

void copyToHost(char* text, const char* value)
{
    vst_strncpy(text, value, CCorGain::CCORGAIN_MAX_TEXT_LENGTH);
}

}  // namespace

void CCorGain::fillProgramBank()
{
    for (int p = 0; p < CCORGAIN_NUMBER_OF_PROGRAMS; ++p) {
        PluginProgram& program = m_bank.getProgram(p);
        const float* values = CCorGainFactoryPrograms::getValues(p);
        for (int index = 0; index < CCORGAIN_NUMBER_OF_PARAMETERS; ++index) {
            program.setValue(index, values[index]);
        }
        program.setName(CCorGainFactoryPrograms::getName(p));
    }
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
        m_table.getParameter(index).GetName(name);
    }
    copyToHost(text, name);
}

void CCorGain::getParameterLabel(VstInt32 index, char* label)
{
    char text[CVstParam::CVSTPARAM_TEXT_SIZE] = "";
    if (isParameterIndex(index)) {
        m_table.getParameter(index).GetLabel(text);
    }
    copyToHost(label, text);
}

void CCorGain::getParameterDisplay(VstInt32 index, char* text)
{
    char display[64] = "";
    if (index == CCORGAIN_RATIO) {
        // The parameter's units are the slope; the host is shown the ratio in four characters.
        const float slope = m_table.slopeFor(m_bank.getValue(index));
        float2string(1.0f / slope, display, 4);
    } else if (isParameterIndex(index)) {
        m_table.getParameter(index).GetValueFor(m_bank.getValue(index), display);
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
