// The glue classes: trampolines, dispatcher defaults, editor routing, text helpers.
#include "AEffEditor.hpp"
#include "AudioEffectX.hpp"
#include "VstStrings.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

int liveEffects = 0;

class CMinimalEffect : public AudioEffectX {
public:
    explicit CMinimalEffect(audioMasterCallback master) : AudioEffectX(master, 3, 2) { ++liveEffects; }
    ~CMinimalEffect() override { --liveEffects; }
    void processReplacing(float**, float**, VstInt32 frames) override { processed += frames; }
    void close() override { closed = true; }
    void setParameter(VstInt32 index, float value) override { lastSet = index * 100.0f + value; }
    float getParameter(VstInt32 index) override { return static_cast<float>(index) * 2.0f; }
    void setProgram(VstInt32 program) override
    {
        ++programCalls;
        AudioEffectX::setProgram(program);
    }
    using AudioEffectX::setParameterAutomated;
    VstInt32 processed = 0;
    bool closed = false;
    float lastSet = -1.0f;
    int programCalls = 0;
};

class CKeyEditor : public AEffEditor {
public:
    using AEffEditor::AEffEditor;
    bool getRect(ERect** rect) override
    {
        *rect = &area;
        return true;
    }
    bool open(void* window) override
    {
        AEffEditor::open(window);
        return true;
    }
    bool onKeyDown(VstKeyCode& key) override
    {
        lastKey = key;
        return true;
    }
    bool setKnobMode(VstInt32 mode) override { return mode == 2; }
    ERect area{0, 0, 465, 463};
    VstKeyCode lastKey{};
};

struct SCall {
    VstInt32 opcode;
    VstInt32 index;
    VstIntPtr value;
    float opt;
};
std::vector<SCall> hostCalls;
VstIntPtr hostAnswer = 0;

VstIntPtr recordingHost(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr value, void*, float opt)
{
    hostCalls.push_back({opcode, index, value, opt});
    return hostAnswer;
}

}  // namespace

TEST(Glue, DescriptorAndTrampolines)
{
    CMinimalEffect* effect = new CMinimalEffect(recordingHost);
    AEffect* e = effect->getAeffect();
    EXPECT_EQ(e->magic, kEffectMagic);
    EXPECT_EQ(e->numPrograms, 3);
    EXPECT_EQ(e->numParams, 2);
    EXPECT_EQ(e->numInputs, 1);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->flags, effFlagsCanReplacing);
    EXPECT_EQ(e->uniqueID, VST_FOURCC('N', 'o', 'E', 'f'));
    EXPECT_EQ(e->object, effect);
    EXPECT_EQ(e->initialDelay, 0);

    e->setParameter(e, 1, 0.5f);
    EXPECT_FLOAT_EQ(effect->lastSet, 100.5f);
    EXPECT_FLOAT_EQ(e->getParameter(e, 3), 6.0f);
    e->processReplacing(e, nullptr, nullptr, 17);
    EXPECT_EQ(effect->processed, 17);
    e->process(e, nullptr, nullptr, 5);  // the deprecated accumulating call does nothing
    EXPECT_EQ(effect->processed, 17);

    // effSetProgram only for indices inside the bank.
    e->dispatcher(e, effSetProgram, 0, 2, nullptr, 0.0f);
    e->dispatcher(e, effSetProgram, 0, 3, nullptr, 0.0f);
    e->dispatcher(e, effSetProgram, 0, -1, nullptr, 0.0f);
    EXPECT_EQ(effect->programCalls, 1);
    EXPECT_EQ(e->dispatcher(e, effGetProgram, 0, 0, nullptr, 0.0f), 2);

    ASSERT_EQ(liveEffects, 1);
    EXPECT_EQ(e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(liveEffects, 0);  // effClose deleted the effect
}

TEST(Glue, DefaultAnswers)
{
    CMinimalEffect effect(nullptr);
    char text[32] = "keep";
    EXPECT_EQ(effect.dispatcher(effIdentify, 0, 0, nullptr, 0), VST_FOURCC('N', 'v', 'E', 'f'));
    EXPECT_EQ(effect.dispatcher(effGetVstVersion, 0, 0, nullptr, 0), 2400);
    EXPECT_EQ(effect.dispatcher(effGetPlugCategory, 0, 0, nullptr, 0), kPlugCategUnknown);
    effect.isSynth();
    EXPECT_EQ(effect.dispatcher(effGetPlugCategory, 0, 0, nullptr, 0), kPlugCategSynth);
    EXPECT_EQ(effect.dispatcher(effGetChunk, 0, 0, text, 0), 0);
    EXPECT_EQ(effect.dispatcher(effGetCurrentMidiProgram, 0, 0, nullptr, 0), -1);
    EXPECT_EQ(effect.dispatcher(effCanBeAutomated, 0, 0, nullptr, 0), 1);
    EXPECT_EQ(effect.dispatcher(effSetTotalSampleToProcess, 0, 99, nullptr, 0), 99);
    EXPECT_EQ(effect.dispatcher(effGetEffectName, 0, 0, text, 0), 0);
    EXPECT_EQ(effect.dispatcher(effEditGetRect, 0, 0, text, 0), 0);  // no editor
    EXPECT_EQ(effect.dispatcher(effEditKeyDown, 65, 0, nullptr, 0), 0);
    EXPECT_EQ(effect.dispatcher(effSetEditKnobMode, 0, 2, nullptr, 0), 0);
    EXPECT_EQ(effect.dispatcher(9999, 0, 0, nullptr, 0), 0);
    effect.dispatcher(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    effect.dispatcher(effSetBlockSize, 0, 256, nullptr, 0);
    EXPECT_FLOAT_EQ(effect.getSampleRate(), 48000.0f);
    EXPECT_EQ(effect.getBlockSize(), 256);
    // Without a host every wrapper answers its neutral value.
    EXPECT_EQ(effect.getMasterVersion(), 1);
    EXPECT_EQ(effect.canHostDo(text), 0);
    EXPECT_EQ(effect.getTimeInfo(0), nullptr);
    EXPECT_FALSE(effect.getHostProductString(text));
    EXPECT_STREQ(text, "");
}

TEST(Glue, HostWrappersSendTheirOpcodes)
{
    hostCalls.clear();
    hostAnswer = 0;
    CMinimalEffect effect(recordingHost);
    EXPECT_EQ(effect.getMasterVersion(), 1);  // a host answering 0 counts as version 1
    hostAnswer = 2400;
    EXPECT_EQ(effect.getMasterVersion(), 2400);
    hostAnswer = 1;
    effect.setParameterAutomated(1, 0.25f);
    EXPECT_FLOAT_EQ(effect.lastSet, 100.25f);
    ASSERT_FALSE(hostCalls.empty());
    EXPECT_EQ(hostCalls.back().opcode, audioMasterAutomate);
    EXPECT_EQ(hostCalls.back().index, 1);
    EXPECT_FLOAT_EQ(hostCalls.back().opt, 0.25f);
    effect.__wantEventsDeprecated(1);
    EXPECT_EQ(hostCalls.back().opcode, audioMasterWantMidi);
    EXPECT_EQ(hostCalls.back().value, 1);
    // resume asks for MIDI only when the effect can receive it.
    const size_t before = hostCalls.size();
    effect.resume();
    EXPECT_EQ(hostCalls.size(), before);
}

TEST(Glue, EditorRouting)
{
    CMinimalEffect effect(nullptr);
    CKeyEditor* editor = new CKeyEditor(&effect);
    effect.setEditor(editor);
    EXPECT_TRUE(effect.getAeffect()->flags & effFlagsHasEditor);
    ERect* rect = nullptr;
    EXPECT_EQ(effect.dispatcher(effEditGetRect, 0, 0, &rect, 0), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->bottom, 465);
    EXPECT_EQ(effect.dispatcher(effEditGetRect, 0, 0, nullptr, 0), 0);
    int window = 0;
    EXPECT_EQ(effect.dispatcher(effEditOpen, 0, 0, &window, 0), 1);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(effect.dispatcher(effEditKeyDown, 'a', 12, nullptr, 4.0f), 1);
    EXPECT_EQ(editor->lastKey.character, 'a');
    EXPECT_EQ(editor->lastKey.virt, 12);
    EXPECT_EQ(editor->lastKey.modifier, 4);
    EXPECT_EQ(effect.dispatcher(effEditKeyUp, 'a', 0, nullptr, 0), 0);
    EXPECT_EQ(effect.dispatcher(effSetEditKnobMode, 0, 2, nullptr, 0), 1);
    effect.dispatcher(effEditClose, 0, 0, nullptr, 0);
    EXPECT_FALSE(editor->isOpen());
    effect.setEditor(nullptr);  // deletes the editor
    EXPECT_FALSE(effect.getAeffect()->flags & effFlagsHasEditor);

    AEffEditor plain(&effect);
    ERect* none = reinterpret_cast<ERect*>(&window);
    EXPECT_FALSE(plain.getRect(&none));
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(plain.open(&window));
    EXPECT_TRUE(plain.isOpen());
    EXPECT_EQ(plain.getEffect(), &effect);
}

TEST(Glue, TextHelpers)
{
    char text[8];
    std::memset(text, '#', sizeof(text));
    vst_strncpy(text, "Sidechain", 5);
    EXPECT_STREQ(text, "Sidec");
    EXPECT_EQ(text[6], '#');
    vst_strncpy(text, nullptr, 5);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(vst_strncpy(nullptr, "x", 3), nullptr);
    vst_strncpy(text, "ab", 7);
    vst_strncat(text, "cdefghij", 7);
    EXPECT_STREQ(text, "abcdefg");

    struct SCase {
        float value;
        const char* expected;
    };
    const SCase cases[] = {{1.0f, "1.00"},          {1.0f / 0.43f, "2.32"}, {1.0f / 0.316f, "3.16"},
                           {1.0f / 0.05f, "20.0"},  {0.5f, "0.50"},         {1234.5f, "1234"},
                           {-2.5f, "-2.5"},         {1e9f, "Huge"}};
    for (const SCase& c : cases) {
        char out[16];
        std::memset(out, '#', sizeof(out));
        AudioEffect::float2string(c.value, out, 4);
        EXPECT_STREQ(out, c.expected) << c.value;
        EXPECT_EQ(out[5], '#');
    }
}
