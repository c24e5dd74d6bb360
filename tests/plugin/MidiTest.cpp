// MIDI control through effProcessEvents: programs, parameters, ignored messages.
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

TEST_F(PluginFixture, ControllersSelectProgramsAndDriveFiveParametersOnceEach)
{
    auto instance = createPrepared();
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

    // Another channel, other controllers, all-notes-off, notes and program changes change nothing.
    instance->sendMidi({SMidiMessage::controller(0, 71, 64), SMidiMessage::controller(1, 2, 0),
                        SMidiMessage::controller(15, 71, 0), SMidiMessage::controller(0, 123, 0),
                        SMidiMessage::controller(0, 10, 0), SMidiMessage::controller(0, 75, 0),
                        SMidiMessage::noteOn(0, 60, 100), SMidiMessage{0xC0, 3, 0, 0}});
    EXPECT_EQ(instance->program(), 5);
    EXPECT_FLOAT_EQ(instance->getParameter(0), 1.0f);
    // The MIDI edits went into program 5.
    instance->setProgram(0);
    instance->setProgram(5);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 64.0f / 127.0f);
    EXPECT_EQ(instance->dispatch(effProcessEvents, 0, 0, nullptr), 1);
    processBlock(*instance);

    // Each event is applied once: two effProcessEvents calls in one block, a program switch between them.
    instance->sendMidi({SMidiMessage::controller(0, 3, 0)});
    instance->setProgram(7);
    instance->sendMidi({SMidiMessage::controller(0, 74, 127)});
    EXPECT_EQ(instance->program(), 7);
    EXPECT_FLOAT_EQ(instance->getParameter(0), 1.0f);
    processBlock(*instance);

    // A data byte above 127 is not MIDI; masked, these would be controller 3 and Master at 5/127.
    instance->sendMidi({SMidiMessage::controller(0, 0x83, 0), SMidiMessage::controller(0, 74, 0x85)});
    EXPECT_EQ(instance->program(), 7);
    EXPECT_FLOAT_EQ(instance->getParameter(0), 1.0f);
}
