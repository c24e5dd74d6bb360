// A minute of tenvira-jack at 64 frames per block (1.3 ms at 48 kHz), from
// the sound card's capture ports to its playback ports: the server may miss
// a deadline for reasons of its own on a busy machine, but never because
// Tenvira did not finish in time. jackd names every client that was late.
#include "CJackRig.hpp"
#include "CTenviraJack.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sstream>

using TenviraJackTests::CJackRig;
using TenviraJackTests::CTenviraJack;

TEST(JackXruns, NoneCausedByTenviraInAMinuteAt64Frames)
{
    unsetenv("DISPLAY");
    CJackRig rig;
    std::string error;
    ASSERT_TRUE(rig.start(48000, 64, error)) << error;
    CTenviraJack tenvira;
    ASSERT_TRUE(tenvira.start({"--no-gui", "--connect", "--program", "Bass"}));
    ASSERT_TRUE(tenvira.waitUntilRunning()) << tenvira.output();
    auto& clients = rig.clients();
    // Sound through it all the while: the test's player feeds the main inputs beside the capture ports.
    ASSERT_TRUE(clients.connect(std::string(TenviraJackTests::CTestClients::PLAYER) + ":out_1", "Tenvira:in_l"));
    clients.play({rig.sine(220.0, 0.9, 48000)}, true);
    const long before = clients.xruns();
    clients.waitFrames(60 * 48000);
    const long xruns = clients.xruns() - before;
    tenvira.signal(SIGTERM);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();

    // "JackEngine::XRun: client = Tenvira was not finished", "... client Tenvira finished after current callback".
    std::istringstream log(rig.server().log());
    long late = 0;
    for (std::string line; std::getline(log, line);) {
        const bool lateClient = line.find("not finished") != std::string::npos ||
                                line.find("finished after") != std::string::npos;
        late += lateClient && line.find("Tenvira") != std::string::npos ? 1 : 0;
    }
    std::printf("xruns in the minute: %ld in all, %ld with Tenvira late\n", xruns, late);
    EXPECT_EQ(late, 0) << rig.server().log();
}
