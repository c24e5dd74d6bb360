#include "CPluginInstance.hpp"

#include "CDevHost.hpp"
#include "CMidiEventBatch.hpp"

#include <cstring>

namespace DevHost {

namespace {
// Hosts hand the plug-in generous text buffers; 256 covers every opcode.
constexpr size_t kTextBuffer = 256;
}  // namespace

CPluginInstance::CPluginInstance(CDevHost& host, AEffect* effect) : m_host(host), m_effect(effect) {}

CPluginInstance::~CPluginInstance()
{
    if (m_effect) {
        close();
    }
}

VstIntPtr CPluginInstance::dispatch(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    if (!m_effect) {
        return 0;
    }
    if (opcode == effClose) {
        return close();
    }
    return m_effect->dispatcher(m_effect, opcode, index, value, ptr, opt);
}

void CPluginInstance::open()
{
    dispatch(effOpen);
}

void CPluginInstance::setSampleRate(float rate)
{
    dispatch(effSetSampleRate, 0, 0, nullptr, rate);
}

void CPluginInstance::setBlockSize(VstInt32 size)
{
    dispatch(effSetBlockSize, 0, size);
}

void CPluginInstance::resume()
{
    dispatch(effMainsChanged, 0, 1);
}

void CPluginInstance::suspend()
{
    dispatch(effMainsChanged, 0, 0);
}

VstIntPtr CPluginInstance::close()
{
    if (!m_effect) {
        return 0;
    }
    AEffect* effect = m_effect;
    m_effect = nullptr;
    const VstIntPtr result = effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
    m_host.forgetEffect(effect);
    return result;
}

std::string CPluginInstance::textOf(VstInt32 opcode, VstInt32 index)
{
    char text[kTextBuffer];
    std::memset(text, 0, sizeof(text));
    dispatch(opcode, index, 0, text);
    text[kTextBuffer - 1] = '\0';
    return text;
}

std::string CPluginInstance::effectName()
{
    return textOf(effGetEffectName, 0);
}

std::string CPluginInstance::vendorString()
{
    return textOf(effGetVendorString, 0);
}

std::string CPluginInstance::productString()
{
    return textOf(effGetProductString, 0);
}

VstInt32 CPluginInstance::vendorVersion()
{
    return static_cast<VstInt32>(dispatch(effGetVendorVersion));
}

VstInt32 CPluginInstance::vstVersion()
{
    return static_cast<VstInt32>(dispatch(effGetVstVersion));
}

VstInt32 CPluginInstance::canDo(const char* text)
{
    return static_cast<VstInt32>(dispatch(effCanDo, 0, 0, const_cast<char*>(text)));
}

VstInt32 CPluginInstance::latency() const
{
    return m_effect ? m_effect->initialDelay : 0;
}

VstInt32 CPluginInstance::numParams() const
{
    return m_effect ? m_effect->numParams : 0;
}

float CPluginInstance::getParameter(VstInt32 index)
{
    return m_effect ? m_effect->getParameter(m_effect, index) : 0.0f;
}

void CPluginInstance::setParameter(VstInt32 index, float value)
{
    if (m_effect) {
        m_effect->setParameter(m_effect, index, value);
    }
}

std::string CPluginInstance::parameterName(VstInt32 index)
{
    return textOf(effGetParamName, index);
}

std::string CPluginInstance::parameterLabel(VstInt32 index)
{
    return textOf(effGetParamLabel, index);
}

std::string CPluginInstance::parameterDisplay(VstInt32 index)
{
    return textOf(effGetParamDisplay, index);
}

VstInt32 CPluginInstance::numPrograms() const
{
    return m_effect ? m_effect->numPrograms : 0;
}

VstInt32 CPluginInstance::program()
{
    return static_cast<VstInt32>(dispatch(effGetProgram));
}

void CPluginInstance::setProgram(VstIntPtr index)
{
    dispatch(effSetProgram, 0, index);
}

std::string CPluginInstance::programName()
{
    return textOf(effGetProgramName, 0);
}

void CPluginInstance::setProgramName(const std::string& name)
{
    std::vector<char> text(name.begin(), name.end());
    text.push_back('\0');
    dispatch(effSetProgramName, 0, 0, text.data());
}

bool CPluginInstance::programNameIndexed(VstInt32 index, std::string& name, VstInt32 category)
{
    char text[kTextBuffer];
    std::memset(text, 0, sizeof(text));
    const bool found = dispatch(effGetProgramNameIndexed, index, category, text) != 0;
    text[kTextBuffer - 1] = '\0';
    name = found ? text : "";
    return found;
}

bool CPluginInstance::inputProperties(VstInt32 index, VstPinProperties& properties)
{
    return dispatch(effGetInputProperties, index, 0, &properties) != 0;
}

bool CPluginInstance::outputProperties(VstInt32 index, VstPinProperties& properties)
{
    return dispatch(effGetOutputProperties, index, 0, &properties) != 0;
}

VstIntPtr CPluginInstance::sendMidi(const std::vector<SMidiMessage>& messages)
{
    CMidiEventBatch list(messages);
    return sendMidi(list);
}

VstIntPtr CPluginInstance::sendMidi(CMidiEventBatch& list)
{
    return dispatch(effProcessEvents, 0, 0, list.events());
}

void CPluginInstance::process(float* const* inputs, float* const* outputs, VstInt32 frames)
{
    if (m_effect && m_effect->processReplacing) {
        m_effect->processReplacing(m_effect, const_cast<float**>(inputs), const_cast<float**>(outputs), frames);
    }
}

void CPluginInstance::process(const std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs)
{
    if (!m_effect) {
        return;
    }
    const size_t frames = inputs.empty() ? (outputs.empty() ? 0 : outputs[0].size()) : inputs[0].size();
    std::vector<std::vector<float>> in(static_cast<size_t>(m_effect->numInputs), std::vector<float>(frames, 0.0f));
    for (size_t c = 0; c < in.size() && c < inputs.size(); ++c) {
        for (size_t i = 0; i < frames && i < inputs[c].size(); ++i) {
            in[c][i] = inputs[c][i];
        }
    }
    outputs.assign(static_cast<size_t>(m_effect->numOutputs), std::vector<float>(frames, 0.0f));
    std::vector<float*> inPointers;
    std::vector<float*> outPointers;
    for (auto& channel : in) {
        inPointers.push_back(channel.data());
    }
    for (auto& channel : outputs) {
        outPointers.push_back(channel.data());
    }
    process(inPointers.data(), outPointers.data(), static_cast<VstInt32>(frames));
}

bool CPluginInstance::hasEditor() const
{
    return m_effect && (m_effect->flags & effFlagsHasEditor) != 0;
}

bool CPluginInstance::editorRect(ERect& rect)
{
    ERect* answer = nullptr;
    if (dispatch(effEditGetRect, 0, 0, &answer) == 0 || !answer) {
        return false;
    }
    rect = *answer;
    return true;
}

bool CPluginInstance::openEditor(void* parentWindow)
{
    return dispatch(effEditOpen, 0, 0, parentWindow) != 0;
}

void CPluginInstance::idleEditor()
{
    dispatch(effEditIdle);
}

void CPluginInstance::closeEditor()
{
    dispatch(effEditClose);
}

bool CPluginInstance::editorKeyDown(const VstKeyCode& key)
{
    return dispatch(effEditKeyDown, key.character, key.virt, nullptr, key.modifier) != 0;
}

bool CPluginInstance::editorKeyUp(const VstKeyCode& key)
{
    return dispatch(effEditKeyUp, key.character, key.virt, nullptr, key.modifier) != 0;
}

}  // namespace DevHost
