// The glue classes: host wrappers without a host and bounded text helpers.
#include "AudioEffectX.hpp"
#include "VstStrings.hpp"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class CMinimalEffect : public AudioEffectX {
public:
    explicit CMinimalEffect(audioMasterCallback master) : AudioEffectX(master, 3, 2) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

VstIntPtr answer = 0;
VstIntPtr answeringHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return answer;
}

}  // namespace

TEST(Glue, HostWrappersWithAndWithoutAHost)
{
    answer = 0;
    CMinimalEffect effect(answeringHost);
    EXPECT_EQ(effect.getMasterVersion(), 1);  // a host answering 0 counts as version 1
    answer = 2400;
    EXPECT_EQ(effect.getMasterVersion(), 2400);

    CMinimalEffect alone(nullptr);
    char text[8] = "keep";
    EXPECT_EQ(alone.getMasterVersion(), 1);
    EXPECT_EQ(alone.canHostDo(text), 0);
    EXPECT_EQ(alone.getTimeInfo(0), nullptr);
    EXPECT_FALSE(alone.getHostProductString(text));
    EXPECT_STREQ(text, "");
}

TEST(Glue, TextHelpersStayInsideTheirBuffers)
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

    const struct {
        float value;
        const char* expected;
    } cases[] = {{1.0f / 0.05f, "20.0"}, {1234.5f, "1234"}, {-2.5f, "-2.5"}, {1e9f, "Huge"}};
    for (const auto& c : cases) {
        char out[16];
        std::memset(out, '#', sizeof(out));
        AudioEffect::float2string(c.value, out, 4);
        EXPECT_STREQ(out, c.expected) << c.value;
        EXPECT_EQ(out[5], '#');
    }
}
