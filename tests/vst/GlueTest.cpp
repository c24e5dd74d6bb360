// The glue classes: host wrappers, editor routing, text helpers.
#include "AEffEditor.hpp"
#include "AudioEffectX.hpp"
#include "VstStrings.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

class CMinimalEffect : public AudioEffectX {
public:
    explicit CMinimalEffect(audioMasterCallback master) : AudioEffectX(master, 3, 2) {}
    void processReplacing(float**, float**, VstInt32) override {}
    void setParameter(VstInt32 index, float value) override { lastSet = static_cast<float>(index) * 100.0f + value; }
    float lastSet = -1.0f;
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

TEST(Glue, HostWrappers)
{
    hostCalls.clear();
    hostAnswer = 0;
    CMinimalEffect effect(recordingHost);
    EXPECT_EQ(effect.getMasterVersion(), 1);  // a host answering 0 counts as version 1
    hostAnswer = 2400;
    EXPECT_EQ(effect.getMasterVersion(), 2400);
    effect.setParameterAutomated(1, 0.25f);
    EXPECT_FLOAT_EQ(effect.lastSet, 100.25f);
    ASSERT_FALSE(hostCalls.empty());
    EXPECT_EQ(hostCalls.back().opcode, audioMasterAutomate);
    EXPECT_EQ(hostCalls.back().index, 1);
    EXPECT_FLOAT_EQ(hostCalls.back().opt, 0.25f);
    // resume asks for MIDI only when the effect can receive it (or is a synth).
    const size_t before = hostCalls.size();
    effect.resume();
    EXPECT_EQ(hostCalls.size(), before);
    effect.isSynth();
    effect.resume();
    EXPECT_EQ(hostCalls.back().opcode, audioMasterWantMidi);
    EXPECT_EQ(effect.dispatcher(effGetPlugCategory, 0, 0, nullptr, 0), kPlugCategSynth);

    // Without a host every wrapper answers its neutral value.
    CMinimalEffect alone(nullptr);
    char text[8] = "keep";
    EXPECT_EQ(alone.getMasterVersion(), 1);
    EXPECT_EQ(alone.canHostDo(text), 0);
    EXPECT_EQ(alone.getTimeInfo(0), nullptr);
    EXPECT_FALSE(alone.getHostProductString(text));
    EXPECT_STREQ(text, "");
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
    effect.dispatcher(effEditClose, 0, 0, nullptr, 0);
    EXPECT_FALSE(editor->isOpen());
    effect.setEditor(nullptr);  // deletes the editor
    EXPECT_FALSE(effect.getAeffect()->flags & effFlagsHasEditor);
    EXPECT_EQ(effect.dispatcher(effEditGetRect, 0, 0, &rect, 0), 0);
    EXPECT_EQ(effect.dispatcher(effEditKeyDown, 'a', 0, nullptr, 0), 0);
}

TEST(Glue, TextHelpers)
{
    char text[8];
    std::memset(text, '#', sizeof(text));
    vst_strncpy(text, "Sidechain", 5);
    EXPECT_STREQ(text, "Sidec");
    EXPECT_EQ(text[6], '#');
    EXPECT_EQ(vst_strncpy(nullptr, "x", 3), nullptr);
    vst_strncpy(text, "ab", 7);
    vst_strncat(text, "cdefghij", 7);
    EXPECT_STREQ(text, "abcdefg");

    struct SCase {
        float value;
        const char* expected;
    };
    const SCase cases[] = {{1.0f, "1.00"},         {1.0f / 0.43f, "2.32"}, {1.0f / 0.316f, "3.16"},
                           {1.0f / 0.05f, "20.0"}, {1234.5f, "1234"},      {-2.5f, "-2.5"},
                           {1e9f, "Huge"}};
    for (const SCase& c : cases) {
        char out[16];
        std::memset(out, '#', sizeof(out));
        AudioEffect::float2string(c.value, out, 4);
        EXPECT_STREQ(out, c.expected) << c.value;
        EXPECT_EQ(out[5], '#');
    }
}
