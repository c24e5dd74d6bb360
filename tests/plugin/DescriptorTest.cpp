// What the host sees of the effect: descriptor, identity, capabilities, pins.
#include "PluginFixture.hpp"

#include <cstring>
#include <limits>

TEST_F(PluginFixture, DescriptorLatencyIdentityCapabilitiesAndPins)
{
    auto instance = create();
    const AEffect* e = instance->effect();
    EXPECT_EQ(e->magic, kEffectMagic);
    EXPECT_EQ(e->numPrograms, 10);
    EXPECT_EQ(e->numParams, 20);
    EXPECT_EQ(e->numInputs, 4);
    EXPECT_EQ(e->numOutputs, 2);
    EXPECT_EQ(e->uniqueID, 0x546F6133);  // 'Toa3', big-endian
    EXPECT_EQ(e->version, 1);
    EXPECT_FLOAT_EQ(e->ioRatio, 1.0f);
    EXPECT_TRUE(e->flags & effFlagsCanReplacing);
    EXPECT_TRUE(e->flags & effFlagsHasEditor);
    // No chunks, no double precision, not a synth, sound in stop.
    EXPECT_EQ(e->flags & (effFlagsProgramChunks | effFlagsCanDoubleReplacing | effFlagsIsSynth | effFlagsNoSoundInStop),
              0);
    EXPECT_EQ(instance->latency(), 44);  // 1 ms at 44100 Hz from construction on

    // MIDI is asked for when processing starts; the host hears of a new latency once.
    EXPECT_EQ(host.countOf(audioMasterWantMidi), 0u);
    instance->setSampleRate(96000.0f);
    instance->resume();
    EXPECT_EQ(host.countOf(audioMasterWantMidi), 1u);
    EXPECT_EQ(instance->latency(), 96);
    EXPECT_EQ(host.countOf(audioMasterIOChanged), 1u);
    instance->suspend();
    instance->setSampleRate(std::numeric_limits<float>::infinity());  // not a rate: treated as 44100
    instance->resume();
    EXPECT_EQ(instance->latency(), 44);
    host.clearCalls();
    instance->suspend();
    instance->resume();  // unchanged: the host is not disturbed
    EXPECT_EQ(host.countOf(audioMasterIOChanged), 0u);

    EXPECT_EQ(instance->effectName(), "Tenvira");
    EXPECT_EQ(instance->vendorString(), "Tolvek Orvasse Audio");
    EXPECT_EQ(instance->productString(), "Vst Audio Compressor");
    EXPECT_EQ(instance->vstVersion(), 2400);
    EXPECT_EQ(instance->dispatch(effIdentify), VST_FOURCC('N', 'v', 'E', 'f'));
    EXPECT_EQ(instance->dispatch(effGetPlugCategory), kPlugCategUnknown);
    void* chunk = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(instance->dispatch(effGetChunk, 0, 0, &chunk), 0);  // parameters, not chunks
    EXPECT_EQ(instance->dispatch(effGetEffectName, 0, 0, nullptr), 0);

    for (const char* yes : {"plugAsChannelInsert", "plugAsSend", "2in2out", "receiveVstMidiEvent"}) {
        EXPECT_EQ(instance->canDo(yes), 1) << yes;
    }
    for (const char* no : {"receiveVstTimeInfo", "2in2Out", "plugAsSend ", "", "bypass"}) {
        EXPECT_EQ(instance->canDo(no), -1) << no;
    }
    EXPECT_EQ(instance->canDo(nullptr), -1);

    const char* const pins[6][2] = {{"Left input", "L in"}, {"Right input", "R in"},  {"Sidechain", "xL in"},
                                    {"Sidechain", "xR in"}, {"Left output", "L out"}, {"Right output", "R out"}};
    for (int i = 0; i < 6; ++i) {
        VstPinProperties pin{};
        pin.arrangementType = 7;
        ASSERT_TRUE(i < 4 ? instance->inputProperties(i, pin) : instance->outputProperties(i - 4, pin)) << i;
        EXPECT_STREQ(pin.label, pins[i][0]);
        EXPECT_STREQ(pin.shortLabel, pins[i][1]);
        EXPECT_EQ(pin.flags, kVstPinIsActive | kVstPinIsStereo);
        EXPECT_EQ(pin.arrangementType, 7);  // left as the host passed it
    }
    for (int bad : {-1, 4, 100}) {
        VstPinProperties pin;
        std::memset(&pin, 0x5A, sizeof(pin));
        EXPECT_FALSE(instance->inputProperties(bad, pin));
        EXPECT_FALSE(instance->outputProperties(bad - 2, pin));
        EXPECT_EQ(pin.label[0], 0x5A);  // untouched
        EXPECT_EQ(pin.flags, 0x5A5A5A5A);
    }
}
