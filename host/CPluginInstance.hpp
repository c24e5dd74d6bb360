// One effect created by the development host, driven through its descriptor
// exactly as a DAW drives it: dispatcher opcodes, parameter calls, MIDI and audio.
#pragma once

#include "SMidiMessage.hpp"
#include "VstInterface.hpp"

#include <string>
#include <vector>

namespace DevHost {

class CDevHost;
class CMidiEventBatch;

class CPluginInstance {
public:
    ~CPluginInstance();  // closes the effect when it is still alive

    AEffect* effect() const { return m_effect; }
    CDevHost& host() const { return m_host; }
    bool isAlive() const { return m_effect != nullptr; }

    // Raw dispatcher call; 0 once the effect is closed.
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f);

    // The usual session order: open, sample rate, block size, resume ... suspend, close.
    void open();
    void setSampleRate(float rate);
    void setBlockSize(VstInt32 size);
    void resume();
    void suspend();
    // effClose: the plug-in deletes the effect; answers the dispatcher's result.
    VstIntPtr close();

    // Identity and capabilities.
    std::string effectName();
    std::string vendorString();
    std::string productString();
    VstInt32 vendorVersion();
    VstInt32 vstVersion();
    VstInt32 canDo(const char* text);
    VstInt32 latency() const;

    // Parameters.
    VstInt32 numParams() const;
    float getParameter(VstInt32 index);
    void setParameter(VstInt32 index, float value);
    std::string parameterName(VstInt32 index);
    std::string parameterLabel(VstInt32 index);
    std::string parameterDisplay(VstInt32 index);

    // Programs.
    VstInt32 numPrograms() const;
    VstInt32 program();
    void setProgram(VstIntPtr index);
    std::string programName();
    void setProgramName(const std::string& name);
    // False when the plug-in has no program at index; name is left empty then.
    bool programNameIndexed(VstInt32 index, std::string& name, VstInt32 category = -1);

    // Pins; false when the plug-in has no such pin.
    bool inputProperties(VstInt32 index, VstPinProperties& properties);
    bool outputProperties(VstInt32 index, VstPinProperties& properties);

    // Sends the messages as one effProcessEvents call; answers the plug-in's result.
    VstIntPtr sendMidi(const std::vector<SMidiMessage>& messages);
    // Sends a list built beforehand; allocates nothing.
    VstIntPtr sendMidi(CMidiEventBatch& list);

    // processReplacing on host-owned channel buffers.
    void process(float* const* inputs, float* const* outputs, VstInt32 frames);
    // Convenience: numInputs input channels in, numOutputs channels out, each of the same length.
    void process(const std::vector<std::vector<float>>& inputs, std::vector<std::vector<float>>& outputs);

    // Editor. On X11 the parent window is the host window's id; CHostEditorWindow drives these.
    bool hasEditor() const;
    bool editorRect(ERect& rect);
    bool openEditor(void* parentWindow);
    void idleEditor();
    void closeEditor();
    // effEditKeyDown / effEditKeyUp; true when the editor used the key.
    bool editorKeyDown(const VstKeyCode& key);
    bool editorKeyUp(const VstKeyCode& key);

    CPluginInstance(const CPluginInstance&) = delete;
    CPluginInstance& operator=(const CPluginInstance&) = delete;

private:
    friend class CDevHost;
    CPluginInstance(CDevHost& host, AEffect* effect);
    std::string textOf(VstInt32 opcode, VstInt32 index);

    CDevHost& m_host;
    AEffect* m_effect;
};

}  // namespace DevHost
