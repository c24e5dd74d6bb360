// MIDI control through effProcessEvents: programs, parameters, channel, cap.
#include "PluginFixture.hpp"

using DevHost::SMidiMessage;

namespace {
// One processed block empties the effect's MIDI list, as a host's next block would.
void processBlock(DevHost::CPluginInstance& instance)
{
    std::vector<std::vector<float>> in(4, std::vector<float>(32, 0.0f));
    std::vector<std::vector<float>> out;
    instance.process(in, out);
}
}  // namespace

TEST_F(PluginFixture, ControllersSelectProgramsAndDriveFiveParameters)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->sendMidi({SMidiMessage::controller(0, 5, 99)}), 1);
    EXPECT_EQ(instance->program(), 5);
    processBlock(*instance);

    instance->sendMidi({SMidiMessage::controller(0, 70, 127), SMidiMessage::controller(0, 71, 0),
                        SMidiMessage::controller(0, 72, 127), SMidiMessage::controller(0, 73, 0),
                        SMidiMessage::controller(0, 74, 127)});
    EXPECT_FLOAT_EQ(instance->getParameter(2), 1.0f);
    EXPECT_EQ(instance->parameterDisplay(2), "20.0");
    EXPECT_FLOAT_EQ(instance->getParameter(1), 0.0f);
    EXPECT_FLOAT_EQ(instance->getParameter(3), 1.0f);
    EXPECT_FLOAT_EQ(instance->getParameter(4), 0.0f);
    EXPECT_FLOAT_EQ(instance->getParameter(0), 1.0f);
    processBlock(*instance);

    instance->sendMidi({SMidiMessage::controller(0, 71, 64)});
    EXPECT_FLOAT_EQ(instance->getParameter(1), 64.0f / 127.0f);
    // The MIDI edits went into program 5.
    instance->setProgram(0);
    instance->setProgram(5);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 64.0f / 127.0f);
}

TEST_F(PluginFixture, IgnoredMessages)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    instance->setProgram(2);
    // Another channel, other controllers, all-notes-off (123 and 126), notes and pitch bend change nothing.
    instance->sendMidi({SMidiMessage::controller(1, 5, 0), SMidiMessage::controller(15, 71, 0),
                        SMidiMessage::controller(0, 123, 0), SMidiMessage::controller(0, 126, 0),
                        SMidiMessage::controller(0, 10, 0), SMidiMessage::controller(0, 75, 0),
                        SMidiMessage::noteOn(0, 60, 100), SMidiMessage::pitchBend(0, 0x7F, 0x7F),
                        SMidiMessage{0xC0, 3, 0, 0}, SMidiMessage{0xF8, 0, 0, 0}});
    EXPECT_EQ(instance->program(), 2);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 1.0f);
    EXPECT_FLOAT_EQ(instance->getParameter(0), 0.5f);
    EXPECT_EQ(instance->sendMidi({}), 1);
    EXPECT_EQ(instance->dispatch(effProcessEvents, 0, 0, nullptr), 1);
}

TEST_F(PluginFixture, AtMost128EventsPerBlock)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    std::vector<SMidiMessage> events(128, SMidiMessage::controller(0, 72, 0));
    events.push_back(SMidiMessage::controller(0, 7, 0));  // the 129th: dropped
    for (int i = 0; i < 71; ++i) {
        events.push_back(SMidiMessage::controller(0, 9, 0));
    }
    instance->sendMidi(events);
    EXPECT_EQ(instance->program(), 0);
    EXPECT_FLOAT_EQ(instance->getParameter(3), 0.0f);

    // The list stays full until the block is processed: later events are dropped too.
    instance->sendMidi({SMidiMessage::controller(0, 4, 0)});
    EXPECT_EQ(instance->program(), 0);
    processBlock(*instance);
    instance->sendMidi({SMidiMessage::controller(0, 4, 0)});
    EXPECT_EQ(instance->program(), 4);
}
