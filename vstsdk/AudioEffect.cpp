#include "AudioEffect.hpp"

#include "AEffEditor.hpp"

#include "VstStrings.hpp"

#include <cmath>
#include <cstdio>
#include <cstring>

AudioEffect::AudioEffect(audioMasterCallback callback, VstInt32 programs, VstInt32 params)
    : audioMaster(callback),
      editor(nullptr),
      sampleRate(44100.0f),
      blockSize(1024),
      numPrograms(programs),
      numParams(params),
      curProgram(0),
      cEffect()
{
    std::memset(&cEffect, 0, sizeof(cEffect));
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = dispatchEffectClass;
    cEffect.process = processClass;
    cEffect.setParameter = setParameterClass;
    cEffect.getParameter = getParameterClass;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = VST_FOURCC('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = processClassReplacing;
    cEffect.processDoubleReplacing = processClassDoubleReplacing;
}

AudioEffect::~AudioEffect()
{
    delete editor;
    editor = nullptr;
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effOpen:
        open();
        return 0;
    case effClose:
        close();
        return 0;
    case effSetProgram:
        // Indices outside the bank (negative ones included) are ignored.
        if (value >= 0 && value < numPrograms) {
            setProgram(static_cast<VstInt32>(value));
        }
        return 0;
    case effGetProgram:
        return getProgram();
    case effSetProgramName:
        if (text) {
            setProgramName(text);
        }
        return 0;
    case effGetProgramName:
        if (text) {
            getProgramName(text);
        }
        return 0;
    case effGetParamLabel:
        if (text) {
            getParameterLabel(index, text);
        }
        return 0;
    case effGetParamDisplay:
        if (text) {
            getParameterDisplay(index, text);
        }
        return 0;
    case effGetParamName:
        if (text) {
            getParameterName(index, text);
        }
        return 0;
    case effSetSampleRate:
        setSampleRate(opt);
        return 0;
    case effSetBlockSize:
        setBlockSize(static_cast<VstInt32>(value));
        return 0;
    case effMainsChanged:
        if (value == 0) {
            suspend();
        } else {
            resume();
        }
        return 0;
    case effEditGetRect:
        return (editor && ptr && editor->getRect(static_cast<ERect**>(ptr))) ? 1 : 0;
    case effEditOpen:
        return (editor && ptr && editor->open(ptr)) ? 1 : 0;
    case effEditClose:
        if (editor) {
            editor->close();
        }
        return 0;
    case effEditIdle:
        if (editor) {
            editor->idle();
        }
        return 0;
    case effIdentify:
        return VST_FOURCC('N', 'v', 'E', 'f');
    case effGetChunk:
        return ptr ? getChunk(static_cast<void**>(ptr), index != 0) : 0;
    case effSetChunk:
        return (ptr && value > 0) ? setChunk(ptr, static_cast<VstInt32>(value), index != 0) : 0;
    default:
        return 0;
    }
}

void AudioEffect::open() {}

void AudioEffect::close() {}

void AudioEffect::suspend() {}

void AudioEffect::resume() {}

void AudioEffect::setParameter(VstInt32, float) {}

float AudioEffect::getParameter(VstInt32)
{
    return 0.0f;
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value)
{
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

void AudioEffect::processDoubleReplacing(double**, double**, VstInt32) {}

void AudioEffect::setProgram(VstInt32 program)
{
    curProgram = program;
}

void AudioEffect::setProgramName(char*) {}

void AudioEffect::getProgramName(char* name)
{
    if (name) {
        *name = '\0';
    }
}

VstInt32 AudioEffect::getProgram()
{
    return curProgram;
}

void AudioEffect::getParameterLabel(VstInt32, char* label)
{
    if (label) {
        *label = '\0';
    }
}

void AudioEffect::getParameterDisplay(VstInt32, char* text)
{
    if (text) {
        *text = '\0';
    }
}

void AudioEffect::getParameterName(VstInt32, char* text)
{
    if (text) {
        *text = '\0';
    }
}

VstInt32 AudioEffect::getChunk(void**, bool)
{
    return 0;
}

VstInt32 AudioEffect::setChunk(void*, VstInt32, bool)
{
    return 0;
}

void AudioEffect::setUniqueID(VstInt32 iD)
{
    cEffect.uniqueID = iD;
}

void AudioEffect::setNumInputs(VstInt32 inputs)
{
    cEffect.numInputs = inputs;
}

void AudioEffect::setNumOutputs(VstInt32 outputs)
{
    cEffect.numOutputs = outputs;
}

void AudioEffect::setInitialDelay(VstInt32 delay)
{
    cEffect.initialDelay = delay;
}

void AudioEffect::canProcessReplacing(bool state)
{
    if (state) {
        cEffect.flags |= effFlagsCanReplacing;
    } else {
        cEffect.flags &= ~effFlagsCanReplacing;
    }
}

void AudioEffect::canDoubleReplacing(bool state)
{
    if (state) {
        cEffect.flags |= effFlagsCanDoubleReplacing;
    } else {
        cEffect.flags &= ~effFlagsCanDoubleReplacing;
    }
}

void AudioEffect::programsAreChunks(bool state)
{
    if (state) {
        cEffect.flags |= effFlagsProgramChunks;
    } else {
        cEffect.flags &= ~effFlagsProgramChunks;
    }
}

void AudioEffect::setEditor(AEffEditor* newEditor)
{
    if (editor != newEditor) {
        delete editor;
    }
    editor = newEditor;
    if (editor) {
        cEffect.flags |= effFlagsHasEditor;
    } else {
        cEffect.flags &= ~effFlagsHasEditor;
    }
}

AEffEditor* AudioEffect::getEditor()
{
    return editor;
}

void AudioEffect::setSampleRate(float rate)
{
    sampleRate = rate;
}

void AudioEffect::setBlockSize(VstInt32 size)
{
    blockSize = size;
}

float AudioEffect::getSampleRate()
{
    return sampleRate;
}

VstInt32 AudioEffect::getBlockSize()
{
    return blockSize;
}

AEffect* AudioEffect::getAeffect()
{
    return &cEffect;
}

VstInt32 AudioEffect::getMasterVersion()
{
    const VstIntPtr version = callHost(audioMasterVersion);
    return version == 0 ? 1 : static_cast<VstInt32>(version);
}

VstInt32 AudioEffect::getCurrentUniqueId()
{
    return static_cast<VstInt32>(callHost(audioMasterCurrentId));
}

void AudioEffect::masterIdle()
{
    callHost(audioMasterIdle);
}

void AudioEffect::__processDeprecated(float**, float**, VstInt32) {}

float AudioEffect::__getVuDeprecated()
{
    return 0.0f;
}

void AudioEffect::__setRealtimeQualitiesDeprecated(VstInt32 qualities)
{
    cEffect.realQualities = qualities;
}

void AudioEffect::__setOfflineQualitiesDeprecated(VstInt32 qualities)
{
    cEffect.offQualities = qualities;
}

bool AudioEffect::__isInputConnectedDeprecated(VstInt32 input)
{
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::__isOutputConnectedDeprecated(VstInt32 output)
{
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    return audioMaster ? audioMaster(&cEffect, opcode, index, value, ptr, opt) : 0;
}

static AudioEffect* effectOf(AEffect* e)
{
    return e ? static_cast<AudioEffect*>(e->object) : nullptr;
}

VstIntPtr AudioEffect::dispatchEffectClass(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                           float opt)
{
    AudioEffect* effect = effectOf(e);
    if (!effect) {
        return 0;
    }
    if (opcode == effClose) {
        effect->dispatcher(opcode, index, value, ptr, opt);
        delete effect;
        return 1;
    }
    return effect->dispatcher(opcode, index, value, ptr, opt);
}

float AudioEffect::getParameterClass(AEffect* e, VstInt32 index)
{
    AudioEffect* effect = effectOf(e);
    return effect ? effect->getParameter(index) : 0.0f;
}

void AudioEffect::setParameterClass(AEffect* e, VstInt32 index, float value)
{
    if (AudioEffect* effect = effectOf(e)) {
        effect->setParameter(index, value);
    }
}

void AudioEffect::processClass(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    if (AudioEffect* effect = effectOf(e)) {
        effect->__processDeprecated(inputs, outputs, sampleFrames);
    }
}

void AudioEffect::processClassReplacing(AEffect* e, float** inputs, float** outputs, VstInt32 sampleFrames)
{
    if (AudioEffect* effect = effectOf(e)) {
        effect->processReplacing(inputs, outputs, sampleFrames);
    }
}

void AudioEffect::processClassDoubleReplacing(AEffect* e, double** inputs, double** outputs, VstInt32 sampleFrames)
{
    if (AudioEffect* effect = effectOf(e)) {
        effect->processDoubleReplacing(inputs, outputs, sampleFrames);
    }
}

void AudioEffect::float2string(float value, char* text, VstInt32 maxLen)
{
    if (!text || maxLen < 1) {
        return;
    }
    const double v = static_cast<double>(value);
    if (!std::isfinite(v) || std::fabs(v) > 99999999.0) {
        vst_strncpy(text, "Huge!", static_cast<size_t>(maxLen));
        return;
    }
    // Enough fraction digits that cutting the text truncates instead of rounding.
    char rendered[64];
    std::snprintf(rendered, sizeof(rendered), "%.9f", v);
    vst_strncpy(text, rendered, static_cast<size_t>(maxLen));
}
