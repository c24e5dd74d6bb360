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

VstEvents* oneController(VstMidiEvent& event, VstEvents& events)
{
    event = VstMidiEvent{};
    event.type = kVstMidiType;
    event.midiData[0] = static_cast<char>(0xB0);
    event.midiData[1] = 7;
    events.numEvents = 1;
    events.events[0] = reinterpret_cast<VstEvent*>(&event);
    return &events;
}

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
    EXPECT_FALSE(host.canDo(CHostCanDo::CHOSTCANDO_NUMBER_OF_CAPABILITIES));
    EXPECT_STREQ(host.getHostProduct().getString(), "Test Product");
    EXPECT_STREQ(host.getHostVendor().getString(), "Test Vendor");
    EXPECT_EQ(host.getHostVendorVersion(), 1234);

    CVstEffect quiet(silentHost, 20, 10);
    for (int i = 0; i < CHostCanDo::CHOSTCANDO_NUMBER_OF_CAPABILITIES; ++i) {
        EXPECT_FALSE(quiet.getHostCanDo().canDo(static_cast<CHostCanDo::ECapability>(i))) << i;
    }
    EXPECT_STREQ(quiet.getHostCanDo().getHostProduct().getString(), "");
    EXPECT_EQ(quiet.getHostCanDo().getHostVendorVersion(), 0);

    CHostCanDo fresh;
    EXPECT_STREQ(fresh.getHostProduct().getString(), " ");
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

TEST(EffectBase, PlaceholdersAndFixedAnswers)
{
    CVstEffect effect(silentHost, 20, 10);
    char text[32];
    effect.getParameterName(0, text);
    EXPECT_STREQ(text, "No param");
    effect.getParameterLabel(0, text);
    EXPECT_STREQ(text, "No param");
    effect.getParameterDisplay(0, text);
    EXPECT_STREQ(text, "No param");
    effect.getProgramName(text);
    EXPECT_STREQ(text, "Default");
    EXPECT_TRUE(effect.getProgramNameIndexed(0, 3, text));
    EXPECT_STREQ(text, "Default");
    EXPECT_FLOAT_EQ(effect.getParameter(0), 0.0f);
    EXPECT_EQ(effect.getNumMidiInputChannels(), 1);
    EXPECT_EQ(effect.getComponentVersion(), 65536);
    EXPECT_STREQ(effect.getObjectClass().getClassName(), "CVstEffect");
    effect.setProgram(7);
    EXPECT_EQ(effect.getProgram(), 7);
}

TEST(EffectBase, SampleRateAndBlockSizeCopies)
{
    CVstEffect effect(silentHost, 20, 10);
    EXPECT_DOUBLE_EQ(effect.getSampleRateCopy(), 44100.0);
    EXPECT_EQ(effect.getBlockSizeCopy(), 1024);
    effect.setSampleRate(44100.0f);
    effect.setBlockSize(1024);
    EXPECT_FALSE(effect.sampleRateHasChanged());
    EXPECT_FALSE(effect.blockSizeHasChanged());
    effect.setSampleRate(48000.0f);
    effect.setBlockSize(64);
    EXPECT_TRUE(effect.sampleRateHasChanged());
    EXPECT_TRUE(effect.blockSizeHasChanged());
    EXPECT_DOUBLE_EQ(effect.getSampleRateCopy(), 48000.0);
    EXPECT_EQ(effect.getBlockSizeCopy(), 64);
    EXPECT_FLOAT_EQ(effect.getSampleRate(), 48000.0f);
}

TEST(EffectBase, MidiIsKeptUntilTheBlockIsProcessed)
{
    CVstEffect effect(silentHost, 20, 10);
    VstMidiEvent event;
    VstEvents events{};
    EXPECT_EQ(effect.processEvents(oneController(event, events)), 1);
    EXPECT_EQ(effect.processEvents(nullptr), 1);
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 1);
    for (int round = 0; round < 200; ++round) {
        effect.processEvents(oneController(event, events));
    }
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 128);
    // Each processing call empties the list.
    effect.processReplacing(nullptr, nullptr, 0);
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 0);
    EXPECT_EQ(effect.dispatcher(effProcessEvents, 0, 0, oneController(event, events), 0.0f), 1);
    effect.process(nullptr, nullptr, 0);
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 0);
    effect.processEvents(oneController(event, events));
    effect.processDoubleReplacing(nullptr, nullptr, 0);
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 0);
    // Only the effect's channel is taken.
    effect.setMidiChannel(3);
    effect.processEvents(oneController(event, events));
    EXPECT_EQ(effect.getMidiEventList().getNumberOfEvents(), 0);
}

TEST(EffectBase, TempoReaderTakesWhatTheHostMarksValid)
{
    CVstEffect effect(capableHost, 20, 10);
    CVstTempo tempo(&effect);
    EXPECT_FALSE(tempo.isValid());
    EXPECT_EQ(tempo.getTimeSignatureNumerator(), 4);
    EXPECT_EQ(tempo.getTimeSignatureDenominator(), 4);
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
    EXPECT_TRUE(tempo.isValid());
    EXPECT_TRUE(tempo.isPlaying());
    EXPECT_DOUBLE_EQ(tempo.getTempo(), 96.0);
    EXPECT_DOUBLE_EQ(tempo.getPpqPosition(), 0.0);  // not marked valid
    EXPECT_EQ(tempo.getTimeSignatureNumerator(), 4);
    hostTime.flags = kVstPpqPosValid | kVstTimeSigValid;
    ASSERT_TRUE(tempo.updateFromHost());
    EXPECT_DOUBLE_EQ(tempo.getPpqPosition(), 8.5);
    EXPECT_EQ(tempo.getTimeSignatureNumerator(), 7);
    EXPECT_EQ(tempo.getTimeSignatureDenominator(), 8);
    hostHasTime = false;
}
