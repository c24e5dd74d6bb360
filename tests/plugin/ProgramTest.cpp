// Program switching, edits that stay with their program, names.
#include "PluginFixture.hpp"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <limits>
#include <string>
#include <thread>

TEST_F(PluginFixture, EditsStayWithTheirProgramNamesAreCutAndBadIndicesIgnored)
{
    auto instance = createPrepared();
    instance->setProgram(1);
    instance->setParameter(1, 0.3f);
    instance->setParameter(2, 0.9f);
    instance->setParameter(14, 1.0f);
    instance->setProgram(2);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 1.0f);
    EXPECT_EQ(instance->parameterDisplay(14), "Soft");
    instance->setProgram(1);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 0.3f);
    EXPECT_FLOAT_EQ(instance->getParameter(2), 0.9f);  // the host's value, not the inverted one
    EXPECT_EQ(instance->parameterDisplay(14), "Dirty");

    instance->setProgram(3);
    instance->setProgramName("My crunch");
    std::string name;
    ASSERT_TRUE(instance->programNameIndexed(3, name));
    EXPECT_EQ(name, "My crunch");
    ASSERT_TRUE(instance->programNameIndexed(2, name));
    EXPECT_EQ(name, "Warm master");
    // Longer names reach the host cut to 23 characters.
    instance->setProgramName("A program name of forty characters long!");
    EXPECT_EQ(instance->programName(), "A program name of forty");
    ASSERT_TRUE(instance->programNameIndexed(3, name));
    EXPECT_EQ(name, "A program name of forty");

    instance->setProgram(4);
    for (VstIntPtr bad : {VstIntPtr(-1), VstIntPtr(10), VstIntPtr(std::numeric_limits<VstInt32>::max()),
                          VstIntPtr(std::numeric_limits<VstIntPtr>::min())}) {
        instance->setProgram(bad);
        EXPECT_EQ(instance->program(), 4) << bad;
    }
    EXPECT_EQ(instance->programName(), "Guitar");
    name = "unchanged";
    for (int bad : {-1, 10, std::numeric_limits<int>::min()}) {
        EXPECT_FALSE(instance->programNameIndexed(bad, name)) << bad;
        EXPECT_EQ(name, "");
    }
}

TEST_F(PluginFixture, ProgramNamesReadWhileAnotherThreadRenames)
{
    // Hosts rename from their user-interface thread while other threads ask
    // for names: every answer must be one whole name.
    auto instance = create();
    instance->setProgram(3);
    const std::string names[] = {"Dirty", "x", "A name of 23 characters"};
    std::atomic<bool> renaming{true};
    std::thread renamer([&]() {
        for (int i = 0; i < 20000; ++i) {
            instance->setProgramName(names[i % 3]);
        }
        renaming = false;
    });
    int torn = 0;
    int reads = 0;
    for (std::string name; renaming.load() || reads < 1000; ++reads) {
        if (reads % 2 == 0) {
            name = instance->programName();
        } else {
            instance->programNameIndexed(3, name);
        }
        torn += std::find(std::begin(names), std::end(names), name) == std::end(names) ? 1 : 0;
    }
    renamer.join();
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
}
