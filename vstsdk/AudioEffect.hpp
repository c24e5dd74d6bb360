// Base of a VST 2.4 effect: owns the descriptor the host sees, turns the
// host's C entry points into virtual calls and wraps the host callback.
#pragma once

#include "VstInterface.hpp"

class AEffEditor;

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect();

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    virtual void open();
    virtual void close();
    virtual void suspend();
    virtual void resume();

    virtual void setParameter(VstInt32 index, float value);
    virtual float getParameter(VstInt32 index);
    // Sets the parameter and then tells the host, as a user edit does.
    virtual void setParameterAutomated(VstInt32 index, float value);

    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames);

    virtual void setProgram(VstInt32 program);
    virtual void setProgramName(char* name);
    virtual void getProgramName(char* name);
    virtual VstInt32 getProgram();

    virtual void getParameterLabel(VstInt32 index, char* label);
    virtual void getParameterDisplay(VstInt32 index, char* text);
    virtual void getParameterName(VstInt32 index, char* text);

    virtual VstInt32 getChunk(void** data, bool isPreset = false);
    virtual VstInt32 setChunk(void* data, VstInt32 byteSize, bool isPreset = false);

    virtual void setUniqueID(VstInt32 iD);
    virtual void setNumInputs(VstInt32 inputs);
    virtual void setNumOutputs(VstInt32 outputs);
    virtual void setInitialDelay(VstInt32 delay);
    virtual void canProcessReplacing(bool state = true);
    virtual void canDoubleReplacing(bool state = true);
    virtual void programsAreChunks(bool state = true);

    // Takes ownership of the editor (null removes it) and announces it to the host.
    virtual void setEditor(AEffEditor* newEditor);
    virtual AEffEditor* getEditor();

    virtual void setSampleRate(float rate);
    virtual void setBlockSize(VstInt32 size);
    virtual float getSampleRate();
    virtual VstInt32 getBlockSize();

    virtual AEffect* getAeffect();

    // Host callback wrappers.
    virtual VstInt32 getMasterVersion();
    virtual VstInt32 getCurrentUniqueId();
    virtual void masterIdle();

    // Deprecated calls kept for their slots.
    virtual void __processDeprecated(float** inputs, float** outputs, VstInt32 sampleFrames);
    virtual float __getVuDeprecated();
    virtual void __setRealtimeQualitiesDeprecated(VstInt32 qualities);
    virtual void __setOfflineQualitiesDeprecated(VstInt32 qualities);
    virtual bool __isInputConnectedDeprecated(VstInt32 input);
    virtual bool __isOutputConnectedDeprecated(VstInt32 output);

    // Host entry points stored in the descriptor.
    static VstIntPtr dispatchEffectClass(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                         float opt);
    static float getParameterClass(AEffect* e, VstInt32 index);
    static void setParameterClass(AEffect* e, VstInt32 index, float value);
    static void processClass(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames);
    static void processClassReplacing(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames);
    static void processClassDoubleReplacing(AEffect* e, double** inputs, double** outputs, VstInt32 sampleFrames);

    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    // Writes value as integer digits, a point and fraction digits, cut (not rounded)
    // to maxLen characters: 2.3256 with maxLen 4 gives "2.32". "Huge!" beyond 8 digits.
    static void float2string(float value, char* text, VstInt32 maxLen);

protected:
    // Sends one request to the host; 0 when there is no host callback.
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr, float opt = 0.0f);

    audioMasterCallback audioMaster;
    AEffEditor* editor;
    float sampleRate;
    VstInt32 blockSize;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 curProgram;
    AEffect cEffect;
};
