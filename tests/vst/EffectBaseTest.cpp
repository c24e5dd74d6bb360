// The framework's effect base: host capability record, identity, copies, MIDI list, tempo.
#include "exceptions/CException.hpp"
#include "host/CApplication.hpp"
#include "vst/CVstEffect.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

using Corvane::Exceptions::CException;
using Corvane::Host::CApplication;
using Corvane::Vst::CHostCanDo;
using Corvane::Vst::CVstEffect;
using Corvane::Vst::CVstTempo;

namespace {

std::set<std::string> hostCapabilities;
VstTimeInfo hostTime{};
bool hostHasTime = false;

VstIntPtr capableHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float)
{
    switch (opcode) {
    case audioMasterVersion:
        return 2400;
    case audioMasterCanDo:
        return hostCapabilities.count(static_cast<const char*>(ptr)) ? 1 : 0;
    case audioMasterGetProductString:
        std::strcpy(static_cast<char*>(ptr), "Test Product");
        return 1;
    case audioMasterGetVendorString:
        std::strcpy(static_cast<char*>(ptr), "Test Vendor");
        return 1;
    case audioMasterGetVendorVersion:
        return 1234;
    case audioMasterGetTime:
        return hostHasTime ? reinterpret_cast<VstIntPtr>(&hostTime) : 0;
    default:
        return 0;
    }
}

VstIntPtr silentHost(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float) { return 0; }

}  // namespace

TEST(EffectBase, HostCapabilitiesAreAskedOnce)
{
    hostCapabilities = {"sendVstEvents", "sizeWindow", "startStopProcess"};
    CVstEffect effect(capableHost, 20, 10);
    const CHostCanDo& host = effect.getHostCanDo();
    EXPECT_TRUE(host.canDo(CHostCanDo::CHOSTCANDO_SEND_VST_EVENTS));
    EXPECT_TRUE(host.canDo(CHostCanDo::CHOSTCANDO_SIZE_WINDOW));
    EXPECT_TRUE(host.canDo(CHostCanDo::CHOSTCANDO_START_STOP_PROCESS));
    EXPECT_FALSE(host.canDo(CHostCanDo::CHOSTCANDO_OFFLINE));
    EXPECT_STREQ(host.getHostProduct().getString(), "Test Product");
    EXPECT_STREQ(host.getHostVendor().getString(), "Test Vendor");
    EXPECT_EQ(host.getHostVendorVersion(), 1234);

    CVstEffect quiet(silentHost, 20, 10);
    for (int i = 0; i < CHostCanDo::CHOSTCANDO_NUMBER_OF_CAPABILITIES; ++i) {
        EXPECT_FALSE(quiet.getHostCanDo().canDo(static_cast<CHostCanDo::ECapability>(i))) << i;
    }
    EXPECT_STREQ(quiet.getHostCanDo().getHostProduct().getString(), "");
    EXPECT_EQ(quiet.getHostCanDo().getHostVendorVersion(), 0);
}

TEST(EffectBase, NullEffectsAreRefused)
{
    CHostCanDo record;
    try {
        record.setFromAudioEffectX(nullptr);
        FAIL() << "no exception";
    } catch (const CException& e) {
        EXPECT_STREQ(e.getErrorReason().getString(), "Effect is NULL");
        EXPECT_STREQ(e.getFunctionName().getString(), "CHostCanDo::setFromAudioEffectX(AudioEffectX *)");
        EXPECT_TRUE(e.errorIsSerious());
    }
    try {
        CVstTempo tempo(nullptr);
        FAIL() << "no exception";
    } catch (const CException& e) {
        EXPECT_STREQ(e.getFunctionName().getString(), "CVstTempo::CVstTempo(AudioEffectX *)");
    }
}

TEST(EffectBase, IdentityComesFromTheApplicationRecordCutTo23)
{
    CApplication::setApplicationName("A rather long effect name for hosts");
    CApplication::setApplicationDeveloper("Tolvek Orvasse Audio");
    CApplication::setApplicationDescription("Vst Audio Compressor");
    CVstEffect effect(silentHost, 20, 10);
    char text[64];
    std::memset(text, '#', sizeof(text));
    ASSERT_TRUE(effect.getEffectName(text));
    EXPECT_STREQ(text, "A rather long effect na");
    EXPECT_EQ(text[24], '#');
    ASSERT_TRUE(effect.getVendorString(text));
    EXPECT_STREQ(text, "Tolvek Orvasse Audio");
    ASSERT_TRUE(effect.getProductString(text));
    EXPECT_STREQ(text, "Vst Audio Compressor");
    EXPECT_FALSE(effect.getEffectName(nullptr));
    EXPECT_FALSE(effect.getProductString(nullptr));
    CApplication::uninitialise();
}

TEST(EffectBase, TempoReaderTakesWhatTheHostMarksValid)
{
    CVstEffect effect(capableHost, 20, 10);
    CVstTempo tempo(&effect);
    hostHasTime = false;
    EXPECT_FALSE(tempo.updateFromHost());
    hostHasTime = true;
    hostTime = VstTimeInfo{};
    hostTime.tempo = 96.0;
    hostTime.ppqPos = 8.5;
    hostTime.timeSigNumerator = 7;
    hostTime.timeSigDenominator = 8;
    hostTime.flags = kVstTempoValid | kVstTransportPlaying;
    ASSERT_TRUE(tempo.updateFromHost());
    EXPECT_TRUE(tempo.isPlaying());
    EXPECT_DOUBLE_EQ(tempo.getTempo(), 96.0);
    EXPECT_DOUBLE_EQ(tempo.getPpqPosition(), 0.0);       // not marked valid
    EXPECT_EQ(tempo.getTimeSignatureNumerator(), 4);  // nor this
    hostHasTime = false;
}
