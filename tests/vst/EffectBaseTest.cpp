// The framework's effect base: host capability record, identity, null effects.
#include "exceptions/CException.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstEffect.hpp"

#include <gtest/gtest.h>

#include <cstring>

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

}  // namespace

TEST(EffectBase, HostRecordAndNullEffects)
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
}

TEST(EffectBase, IdentityComesFromTheApplicationRecordCutTo23)
{
    CApplication::setApplicationName("A rather long effect name for hosts");
    CApplication::setApplicationDeveloper("Tolvek Orvasse Audio");
    CVstEffect effect(silentHost, 20, 10);
    char text[64];
    std::memset(text, '#', sizeof(text));
    ASSERT_TRUE(effect.getEffectName(text));
    EXPECT_STREQ(text, "A rather long effect na");
    EXPECT_EQ(text[24], '#');
    ASSERT_TRUE(effect.getVendorString(text));
    EXPECT_STREQ(text, "Tolvek Orvasse Audio");
    EXPECT_FALSE(effect.getEffectName(nullptr));
    EXPECT_FALSE(effect.getProductString(nullptr));
    CApplication::uninitialise();
}
