// The effect classes: the glue's host wrappers and bounded text helpers, the framework's effect base
// (host capability record, identity, null effects) and Tenvira's effect (its lifetime, copying programs).
#include "AudioEffectX.hpp"
#include "CCorGain.hpp"
#include "VstStrings.hpp"
#include "exceptions/CException.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstEffect.hpp"

#include <gtest/gtest.h>

#include <cstring>

using Corvane::CorGain::CCorGain;
using Corvane::Exceptions::CException;
using Corvane::Host::CApplication;
using Corvane::Vst::CHostCanDo;
using Corvane::Vst::CVstEffect;
using Corvane::Vst::CVstTempo;

namespace {

VstIntPtr capableHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
    switch (opcode) {
    case audioMasterVersion:
        return 2400;
    case audioMasterCanDo:
        return std::strcmp(static_cast<const char*>(ptr), "sizeWindow") == 0 ? 1 : 0;
    case audioMasterGetProductString:
        std::strcpy(static_cast<char*>(ptr), "Test Product");
        return 1;
    case audioMasterGetVendorVersion:
        return 1234;
    default:
        return 0;
    }
}

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float)
{
    return 0;
}

class CMinimalEffect : public AudioEffectX {
public:
    explicit CMinimalEffect(audioMasterCallback master) : AudioEffectX(master, 3, 2) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

}  // namespace

TEST(Glue, HostWrappersWithAndWithoutAHostAndTextHelpersInsideTheirBuffers)
{
    EXPECT_EQ(CMinimalEffect(silentHost).getMasterVersion(), 1);  // a host answering 0 counts as version 1
    EXPECT_EQ(CMinimalEffect(capableHost).getMasterVersion(), 2400);

    CMinimalEffect alone(nullptr);
    char text[8] = "keep";
    EXPECT_EQ(alone.getMasterVersion(), 1);
    EXPECT_EQ(alone.canHostDo(text), 0);
    EXPECT_EQ(alone.getTimeInfo(0), nullptr);
    EXPECT_FALSE(alone.getHostProductString(text));
    EXPECT_STREQ(text, "");

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

TEST(EffectBase, HostRecordIdentityAndNullEffects)
{
    CVstEffect effect(capableHost, 20, 10);
    const CHostCanDo& host = effect.getHostCanDo();
    EXPECT_TRUE(host.canDo(CHostCanDo::CHOSTCANDO_SIZE_WINDOW));
    EXPECT_FALSE(host.canDo(CHostCanDo::CHOSTCANDO_SEND_VST_EVENTS));
    EXPECT_STREQ(host.getHostProduct().getString(), "Test Product");
    EXPECT_EQ(host.getHostVendorVersion(), 1234);

    CHostCanDo record;
    try {
        record.setFromAudioEffectX(nullptr);
        FAIL() << "no exception";
    } catch (const CException& e) {
        EXPECT_STREQ(e.getErrorReason().getString(), "Effect is NULL");
        EXPECT_STREQ(e.getFunctionName().getString(), "CHostCanDo::setFromAudioEffectX(AudioEffectX *)");
        EXPECT_TRUE(e.errorIsSerious());
    }
    EXPECT_THROW(CVstTempo tempo(nullptr), CException);

    // The identity comes from the application record, cut to 23 characters.
    CApplication::setApplicationName("A rather long effect name for hosts");
    CApplication::setApplicationDeveloper("Tolvek Orvasse Audio");
    CVstEffect named(silentHost, 20, 10);
    char text[64];
    std::memset(text, '#', sizeof(text));
    ASSERT_TRUE(named.getEffectName(text));
    EXPECT_STREQ(text, "A rather long effect na");
    EXPECT_EQ(text[24], '#');
    ASSERT_TRUE(named.getVendorString(text));
    EXPECT_STREQ(text, "Tolvek Orvasse Audio");
    EXPECT_FALSE(named.getEffectName(nullptr));
    EXPECT_FALSE(named.getProductString(nullptr));
    CApplication::uninitialise();
}

TEST(CorGain, CloseDeletesTheEffectAndProgramCopyStaysInTheBank)
{
    const long before = CCorGain::CCLASS_THE_CLASS.getInstanceCount();
    AEffect* e = (new CCorGain(capableHost))->getAeffect();
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before + 1);
    EXPECT_EQ(e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f), 1);
    EXPECT_EQ(CCorGain::CCLASS_THE_CLASS.getInstanceCount(), before);

    // Copying a program refuses indices outside the bank.
    CCorGain effect(capableHost);
    effect.setProgram(5);
    effect.setParameter(CCorGain::CCORGAIN_MASTER, 0.9f);
    EXPECT_TRUE(effect.copyProgram(8));
    EXPECT_FALSE(effect.copyProgram(10));
    EXPECT_FALSE(effect.copyProgram(-1));
    effect.setProgram(8);
    EXPECT_FLOAT_EQ(effect.getParameter(CCorGain::CCORGAIN_MASTER), 0.9f);
    char name[32];
    effect.getProgramName(name);
    EXPECT_STREQ(name, "Bass");
}
