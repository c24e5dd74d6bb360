#include "CCorGain.hpp"

#include "CCorGainEditor.hpp"

#include "host/CApplication.hpp"

#include "VstStrings.hpp"

#include <cstring>

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
      m_bank(),
      m_editor(nullptr),
      m_table(),
      m_chain(),
      m_appliedSequence(0)
{
    CVN_CONSTRUCT_CLASS;
    setNumInputs(CCORGAIN_NUMBER_OF_INPUTS);
    setNumOutputs(CCORGAIN_NUMBER_OF_OUTPUTS);
    canProcessReplacing(true);
    setUniqueID(CCORGAIN_UNIQUE_ID);
    reportLatency();
    // The editor registers itself with the effect; its window waits for the host's effEditOpen. Its artwork
    // lies in the bundle the module was loaded from.
    Basics::CSystemString resources(Host::CApplication::getApplicationInstallPath());
    resources.appendPath(CCORGAIN_RESOURCE_FOLDER);
    m_editor = CCorGainEditor::create(this, resources);
    fillProgramBank();
    float values[CCORGAIN_NUMBER_OF_PARAMETERS];
    m_appliedSequence = m_bank.readValues(values);
    m_chain.apply(m_table.settingsFor(values));
    tellEditorAllValues();
}

CCorGain::~CCorGain()
{
    CVN_DESTRUCT_CLASS;
}

void CCorGain::reportLatency()
{
    // Hosts line tracks up by this delay, so it must be the chain's real one.
    const VstInt32 latency = m_chain.getLatency();
    if (cEffect.initialDelay != latency) {
        setInitialDelay(latency);
    }
}

void CCorGain::tellEditor(VstInt32 index, float value)
{
    // A change the editor is making itself is not echoed back to it.
    if (m_editor != nullptr && !m_editor->parameterSetFromEditor()) {
        m_editor->setParameter(index, value);
    }
}

void CCorGain::tellEditorAllValues()
{
    for (VstInt32 index = 0; index < CCORGAIN_NUMBER_OF_PARAMETERS; ++index) {
        tellEditor(index, m_bank.getValue(index));
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
