#include "AudioEffectX.hpp"

#include "AEffEditor.hpp"

#include <cstring>

namespace {

// The host sends the modifier keys as a float; anything but a small whole number (NaN, infinity, 1e30)
// carries no modifier, where a plain conversion would be undefined.
unsigned char modifierBits(float opt)
{
    return opt >= 0.0f && opt <= 255.0f ? static_cast<unsigned char>(opt) : 0;
}

}  // namespace

AudioEffectX::AudioEffectX(audioMasterCallback callback, VstInt32 programs, VstInt32 params)
    : AudioEffect(callback, programs, params)
{}

AudioEffectX::~AudioEffectX() = default;

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    char* text = static_cast<char*>(ptr);
    switch (opcode) {
    case effProcessEvents:
        return processEvents(static_cast<VstEvents*>(ptr));
    case effCanBeAutomated:
        return canParameterBeAutomated(index) ? 1 : 0;
    case effString2Parameter:
        return (text && string2parameter(index, text)) ? 1 : 0;
    case effGetProgramNameIndexed:
        return (text && getProgramNameIndexed(static_cast<VstInt32>(value), index, text)) ? 1 : 0;
    case effGetInputProperties:
        return (ptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr))) ? 1 : 0;
    case effGetOutputProperties:
        return (ptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr))) ? 1 : 0;
    case effGetPlugCategory:
        return getPlugCategory();
    case effOfflineNotify:
        return offlineNotify(static_cast<VstAudioFile*>(ptr), static_cast<VstInt32>(value), index != 0) ? 1 : 0;
    case effOfflinePrepare:
        return offlinePrepare(static_cast<VstOfflineTask*>(ptr), static_cast<VstInt32>(value)) ? 1 : 0;
    case effOfflineRun:
        return offlineRun(static_cast<VstOfflineTask*>(ptr), static_cast<VstInt32>(value)) ? 1 : 0;
    case effProcessVarIo:
        return processVariableIo(static_cast<VstVariableIo*>(ptr)) ? 1 : 0;
    case effSetSpeakerArrangement:
        return setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                     static_cast<VstSpeakerArrangement*>(ptr))
                   ? 1
                   : 0;
    case effGetSpeakerArrangement:
        return getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                     static_cast<VstSpeakerArrangement**>(ptr))
                   ? 1
                   : 0;
    case effSetBypass:
        return setBypass(value != 0) ? 1 : 0;
    case effGetEffectName:
        return getEffectName(text) ? 1 : 0;
    case effGetVendorString:
        return getVendorString(text) ? 1 : 0;
    case effGetProductString:
        return getProductString(text) ? 1 : 0;
    case effGetVendorVersion:
        return getVendorVersion();
    case effVendorSpecific:
        return vendorSpecific(index, value, ptr, opt);
    case effCanDo:
        return canDo(text);
    case effGetTailSize:
        return getGetTailSize();
    case effGetParameterProperties:
        return (ptr && getParameterProperties(index, static_cast<VstParameterProperties*>(ptr))) ? 1 : 0;
    case effGetVstVersion:
        return getVstVersion();
    case effEditKeyDown:
    case effEditKeyUp: {
        if (!editor) {
            return 0;
        }
        VstKeyCode keyCode{};
        keyCode.character = index;
        keyCode.virt = static_cast<unsigned char>(value);
        keyCode.modifier = modifierBits(opt);
        const bool used = opcode == effEditKeyDown ? editor->onKeyDown(keyCode) : editor->onKeyUp(keyCode);
        return used ? 1 : 0;
    }
    case effSetEditKnobMode:
        return (editor && editor->setKnobMode(static_cast<VstInt32>(value))) ? 1 : 0;
    case effGetMidiProgramName:
        return ptr ? getMidiProgramName(index, static_cast<MidiProgramName*>(ptr)) : 0;
    case effGetCurrentMidiProgram:
        return getCurrentMidiProgram(index, static_cast<MidiProgramName*>(ptr));
    case effGetMidiProgramCategory:
        return ptr ? getMidiProgramCategory(index, static_cast<MidiProgramCategory*>(ptr)) : 0;
    case effHasMidiProgramsChanged:
        return hasMidiProgramsChanged(index) ? 1 : 0;
    case effGetMidiKeyName:
        return (ptr && getMidiKeyName(index, static_cast<MidiKeyName*>(ptr))) ? 1 : 0;
    case effBeginSetProgram:
        return beginSetProgram() ? 1 : 0;
    case effEndSetProgram:
        return endSetProgram() ? 1 : 0;
    case effShellGetNextPlugin:
        return text ? getNextShellPlugin(text) : 0;
    case effStartProcess:
        return startProcess();
    case effStopProcess:
        return stopProcess();
    case effSetTotalSampleToProcess:
        return setTotalSampleToProcess(static_cast<VstInt32>(value));
    case effSetPanLaw:
        return setPanLaw(static_cast<VstInt32>(value), opt) ? 1 : 0;
    case effBeginLoadBank:
        return ptr ? beginLoadBank(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case effBeginLoadProgram:
        return ptr ? beginLoadProgram(static_cast<VstPatchChunkInfo*>(ptr)) : 0;
    case effSetProcessPrecision:
        return setProcessPrecision(static_cast<VstInt32>(value)) ? 1 : 0;
    case effGetNumMidiInputChannels:
        return getNumMidiInputChannels();
    case effGetNumMidiOutputChannels:
        return getNumMidiOutputChannels();
    default:
        return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

void AudioEffectX::resume()
{
    char receiveMidi[] = "receiveVstMidiEvent";
    if ((cEffect.flags & effFlagsIsSynth) || canDo(receiveMidi) == 1) {
        __wantEventsDeprecated(1);
    }
}

VstInt32 AudioEffectX::processEvents(VstEvents*)
{
    return 0;
}

bool AudioEffectX::canParameterBeAutomated(VstInt32)
{
    return true;
}

bool AudioEffectX::string2parameter(VstInt32, char*)
{
    return false;
}

bool AudioEffectX::getParameterProperties(VstInt32, VstParameterProperties*)
{
    return false;
}

bool AudioEffectX::getProgramNameIndexed(VstInt32, VstInt32, char*)
{
    return false;
}

bool AudioEffectX::beginSetProgram()
{
    return false;
}

bool AudioEffectX::endSetProgram()
{
    return false;
}

VstInt32 AudioEffectX::beginLoadBank(VstPatchChunkInfo*)
{
    return 0;
}

VstInt32 AudioEffectX::beginLoadProgram(VstPatchChunkInfo*)
{
    return 0;
}

bool AudioEffectX::getInputProperties(VstInt32, VstPinProperties*)
{
    return false;
}

bool AudioEffectX::getOutputProperties(VstInt32, VstPinProperties*)
{
    return false;
}

bool AudioEffectX::setSpeakerArrangement(VstSpeakerArrangement*, VstSpeakerArrangement*)
{
    return false;
}

bool AudioEffectX::getSpeakerArrangement(VstSpeakerArrangement** pluginInput, VstSpeakerArrangement** pluginOutput)
{
    if (pluginInput) {
        *pluginInput = nullptr;
    }
    if (pluginOutput) {
        *pluginOutput = nullptr;
    }
    return false;
}

bool AudioEffectX::setBypass(bool)
{
    return false;
}

bool AudioEffectX::setProcessPrecision(VstInt32)
{
    return false;
}

VstInt32 AudioEffectX::getNumMidiInputChannels()
{
    return 0;
}

VstInt32 AudioEffectX::getNumMidiOutputChannels()
{
    return 0;
}

bool AudioEffectX::setPanLaw(VstInt32, float)
{
    return false;
}

bool AudioEffectX::offlineNotify(VstAudioFile*, VstInt32, bool)
{
    return false;
}

bool AudioEffectX::offlinePrepare(VstOfflineTask*, VstInt32)
{
    return false;
}

bool AudioEffectX::offlineRun(VstOfflineTask*, VstInt32)
{
    return false;
}

bool AudioEffectX::processVariableIo(VstVariableIo*)
{
    return false;
}

VstInt32 AudioEffectX::getGetTailSize()
{
    return 0;
}

bool AudioEffectX::getEffectName(char*)
{
    return false;
}

bool AudioEffectX::getVendorString(char*)
{
    return false;
}

bool AudioEffectX::getProductString(char*)
{
    return false;
}

VstInt32 AudioEffectX::getVendorVersion()
{
    return 0;
}

VstIntPtr AudioEffectX::vendorSpecific(VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

VstInt32 AudioEffectX::canDo(char*)
{
    return 0;
}

VstInt32 AudioEffectX::getVstVersion()
{
    return kVstVersion;
}

VstPlugCategory AudioEffectX::getPlugCategory()
{
    return (cEffect.flags & effFlagsIsSynth) ? kPlugCategSynth : kPlugCategUnknown;
}

VstInt32 AudioEffectX::getMidiProgramName(VstInt32, MidiProgramName*)
{
    return 0;
}

VstInt32 AudioEffectX::getCurrentMidiProgram(VstInt32, MidiProgramName*)
{
    return -1;
}

VstInt32 AudioEffectX::getMidiProgramCategory(VstInt32, MidiProgramCategory*)
{
    return 0;
}

bool AudioEffectX::hasMidiProgramsChanged(VstInt32)
{
    return false;
}

bool AudioEffectX::getMidiKeyName(VstInt32, MidiKeyName*)
{
    return false;
}

VstInt32 AudioEffectX::getNextShellPlugin(char*)
{
    return 0;
}

VstInt32 AudioEffectX::startProcess()
{
    return 0;
}

VstInt32 AudioEffectX::stopProcess()
{
    return 0;
}

VstInt32 AudioEffectX::setTotalSampleToProcess(VstInt32 value)
{
    return value;
}

VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter)
{
    return reinterpret_cast<VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter));
}

VstInt32 AudioEffectX::getCurrentProcessLevel()
{
    return static_cast<VstInt32>(callHost(audioMasterGetCurrentProcessLevel));
}

VstInt32 AudioEffectX::getAutomationState()
{
    return static_cast<VstInt32>(callHost(audioMasterGetAutomationState));
}

bool AudioEffectX::sendVstEventsToHost(VstEvents* events)
{
    return callHost(audioMasterProcessEvents, 0, 0, events) == 1;
}

VstInt32 AudioEffectX::getInputLatency()
{
    return static_cast<VstInt32>(callHost(audioMasterGetInputLatency));
}

VstInt32 AudioEffectX::getOutputLatency()
{
    return static_cast<VstInt32>(callHost(audioMasterGetOutputLatency));
}

bool AudioEffectX::ioChanged()
{
    return callHost(audioMasterIOChanged) != 0;
}

bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height)
{
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

double AudioEffectX::updateSampleRate()
{
    const VstIntPtr rate = callHost(audioMasterGetSampleRate);
    if (rate > 0) {
        sampleRate = static_cast<float>(rate);
    }
    return sampleRate;
}

VstInt32 AudioEffectX::updateBlockSize()
{
    const VstIntPtr size = callHost(audioMasterGetBlockSize);
    if (size > 0) {
        blockSize = static_cast<VstInt32>(size);
    }
    return blockSize;
}

bool AudioEffectX::updateDisplay()
{
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::beginEdit(VstInt32 index)
{
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index)
{
    return callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::getHostVendorString(char* text)
{
    if (text) {
        *text = '\0';
    }
    return callHost(audioMasterGetVendorString, 0, 0, text) != 0;
}

bool AudioEffectX::getHostProductString(char* text)
{
    if (text) {
        *text = '\0';
    }
    return callHost(audioMasterGetProductString, 0, 0, text) != 0;
}

VstInt32 AudioEffectX::getHostVendorVersion()
{
    return static_cast<VstInt32>(callHost(audioMasterGetVendorVersion));
}

VstIntPtr AudioEffectX::hostVendorSpecific(VstInt32 lArg1, VstIntPtr lArg2, void* ptrArg, float floatArg)
{
    return callHost(audioMasterVendorSpecific, lArg1, lArg2, ptrArg, floatArg);
}

VstInt32 AudioEffectX::canHostDo(char* text)
{
    return callHost(audioMasterCanDo, 0, 0, text) != 0 ? 1 : 0;
}

VstInt32 AudioEffectX::getHostLanguage()
{
    return static_cast<VstInt32>(callHost(audioMasterGetLanguage));
}

bool AudioEffectX::getHostDirectory(char** directory)
{
    char* folder = reinterpret_cast<char*>(callHost(audioMasterGetDirectory));
    if (directory) {
        *directory = folder;
    }
    return folder != nullptr;
}

void AudioEffectX::__wantEventsDeprecated(VstInt32 filter)
{
    callHost(audioMasterWantMidi, 0, filter);
}

bool AudioEffectX::__setSpeakerArrangementDeprecated()
{
    return false;
}

bool AudioEffectX::__getErrorTextDeprecated(char* text)
{
    if (text) {
        *text = '\0';
    }
    return false;
}

void AudioEffectX::isSynth(bool state)
{
    if (state) {
        cEffect.flags |= effFlagsIsSynth;
    } else {
        cEffect.flags &= ~effFlagsIsSynth;
    }
}

void AudioEffectX::noTail(bool state)
{
    if (state) {
        cEffect.flags |= effFlagsNoSoundInStop;
    } else {
        cEffect.flags &= ~effFlagsNoSoundInStop;
    }
}
