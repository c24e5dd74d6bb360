// A minimal stand-in effect for the renderer's tests: four inputs, two outputs,
// twenty named parameters and ten programs, and an exact delay of LATENCY
// samples that it only reports once resumed. Output = delayed main input
// times (2 x "Master"); with "Monitor" at 1 the key pair comes out undelayed.
// It logs the host's calls, so the tests can check the order a DAW uses.
// Built with TENVIRA_FAKE_EDITOR it also has an editor (see the editor host's tests).

#include "VstInterface.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef TENVIRA_FAKE_EDITOR
VstIntPtr fakeEditorDispatch(void*& editor, AEffect* effect, audioMasterCallback host, VstInt32 opcode, void* ptr);
#endif

namespace {

constexpr int LATENCY = 37;
constexpr int LATENCY_BEFORE_RESUME = 1000;
constexpr int RING = 4096;
constexpr int PARAMETERS = 20;
constexpr int PROGRAMS = 10;

const char* const PARAMETER_NAMES[PARAMETERS] = {"Master",   "Threshold",  "Ratio",     "Attack",    "Release",
                                                 "Mix",      "EQ Low",     "EQ Mid",    "EQ High",   "SideChain",
                                                 "Monitor",  "MakeUpGain", "Key Input", "Soft-Knee", "Valve Modelling",
                                                 "Mid/Side", "LimitOnOff", "LimitRel",  "Threshold", "LimitCeil"};
const char* const PROGRAM_NAMES[PROGRAMS] = {"Default", "Soft master",  "Warm master", "Dirty",   "Guitar",
                                             "Bass",    "------------", "Tolvek",      "Orvasse", "Audio"};

struct SFake {
    AEffect effect;
    audioMasterCallback host = nullptr;
    void* editor = nullptr;
    float parameters[PARAMETERS];
    float ring[2][RING];
    int write = 0;
    std::FILE* log = nullptr;
};

SFake* fakeOf(AEffect* effect)
{
    return static_cast<SFake*>(effect->object);
}

template <typename... TValues>
void note(SFake* fake, const char* format, TValues... values)
{
    if (fake->log != nullptr) {
        std::fprintf(fake->log, format, values...);
        std::fflush(fake->log);
    }
}

void copyText(void* destination, const char* text)
{
    std::strncpy(static_cast<char*>(destination), text, 23);
    static_cast<char*>(destination)[23] = '\0';
}

VstIntPtr dispatcher(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt)
{
    SFake* fake = fakeOf(effect);
    switch (opcode) {
    case effOpen:
        note(fake, "open 0\n");
        return 0;
    case effClose:
#ifdef TENVIRA_FAKE_EDITOR
        fakeEditorDispatch(fake->editor, effect, fake->host, effEditClose, nullptr);
#endif
        note(fake, "close 0\n");
        if (fake->log != nullptr)
            std::fclose(fake->log);
        delete fake;
        return 1;
    case effSetSampleRate:
        note(fake, "rate %ld\n", static_cast<long>(opt));
        return 0;
    case effSetBlockSize:
        note(fake, "block %ld\n", static_cast<long>(value));
        return 0;
    case effSetProgram:
        if (value >= 0 && value < PROGRAMS)
            note(fake, "program %ld\n", static_cast<long>(value));
        return 0;
    case effGetParamName:
        if (index >= 0 && index < PARAMETERS)
            copyText(ptr, PARAMETER_NAMES[index]);
        return 0;
    case effGetProgramNameIndexed:
        if (index < 0 || index >= PROGRAMS)
            return 0;
        copyText(ptr, PROGRAM_NAMES[index]);
        return 1;
    case effMainsChanged:
        if (value != 0) {
            std::memset(fake->ring, 0, sizeof(fake->ring));
            fake->write = 0;
            effect->initialDelay = LATENCY;
        }
        note(fake, value != 0 ? "resume 0\n" : "suspend 0\n");
        return 0;
#ifdef TENVIRA_FAKE_EDITOR
    case effEditOpen:
    case effEditClose:
        note(fake, opcode == effEditOpen ? "editopen 0\n" : "editclose 0\n");
        return fakeEditorDispatch(fake->editor, effect, fake->host, opcode, ptr);
    case effEditGetRect:
    case effEditIdle:
        return fakeEditorDispatch(fake->editor, effect, fake->host, opcode, ptr);
    case effEditKeyDown:
        note(fake, "key %d %ld %d\n", index, static_cast<long>(value), static_cast<int>(opt));
        return 1;
#endif
    default:
        return 0;
    }
}

void setParameter(AEffect* effect, VstInt32 index, float value)
{
    SFake* fake = fakeOf(effect);
    if (index >= 0 && index < PARAMETERS) {
        fake->parameters[index] = value;
        note(fake, "set %d %.6f\n", index, static_cast<double>(value));
    }
}

float getParameter(AEffect* effect, VstInt32 index)
{
    return index >= 0 && index < PARAMETERS ? fakeOf(effect)->parameters[index] : 0.0f;
}

void processReplacing(AEffect* effect, float** inputs, float** outputs, VstInt32 frames)
{
    SFake* fake = fakeOf(effect);
    note(fake, "process %d\n", frames);
    const float gain = 2.0f * fake->parameters[0];
    const bool monitor = fake->parameters[10] >= 0.5f;
    for (VstInt32 i = 0; i < frames; ++i) {
        for (int c = 0; c < 2; ++c) {
            fake->ring[c][fake->write] = inputs[c][i];
            const float delayed = fake->ring[c][(fake->write - LATENCY + RING) % RING];
            outputs[c][i] = monitor ? inputs[2 + c][i] : delayed * gain;
        }
        fake->write = (fake->write + 1) % RING;
    }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) AEffect* VSTPluginMain(audioMasterCallback host)
{
    SFake* fake = new SFake();  // value-initialised: all zero
    fake->host = host;
    for (float& parameter : fake->parameters)
        parameter = 0.5f;
    fake->parameters[10] = 0.0f;
    if (const char* path = std::getenv("TENVIRA_FAKE_PLUGIN_LOG"))
        fake->log = std::fopen(path, "a");

    AEffect& effect = fake->effect;
    effect.magic = kEffectMagic;
    effect.dispatcher = dispatcher;
    effect.setParameter = setParameter;
    effect.getParameter = getParameter;
    effect.processReplacing = processReplacing;
    effect.numPrograms = PROGRAMS;
    effect.numParams = PARAMETERS;
    effect.numInputs = 4;
    effect.numOutputs = 2;
    effect.flags = effFlagsCanReplacing;
#ifdef TENVIRA_FAKE_EDITOR
    effect.flags |= effFlagsHasEditor;
#endif
    effect.initialDelay = LATENCY_BEFORE_RESUME;
    effect.object = fake;
    effect.uniqueID = VST_FOURCC('F', 'a', 'k', 'e');
    effect.version = 1;
    return &effect;
}
