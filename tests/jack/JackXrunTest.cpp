// A minute of tenvira-jack at 64 frames per block (1.3 ms at 48 kHz), from
// the sound card's capture ports to its playback ports, with a loud signal in.
// On a shared machine the server misses deadlines now and then for reasons of
// its own; jackd names each client that had not finished, with its state:
// "Triggered" (its thread had not even been woken, the system's doing) or
// "Running" (it was at work). Tenvira's late finishes must be no more than
// those of the test's own plain client, fed the same way in the same cycles,
// beside it in the graph.
#include "CJackRig.hpp"
#include "CTenviraJack.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sstream>

using TenviraJackTests::CJackRig;
using TenviraJackTests::CTenviraJack;
using TenviraJackTests::CTestClients;

namespace {

// Deadlines client missed while it was running, or finished after, in jackd's log from offset on.
long lateFinishes(const std::string& log, std::size_t offset, const std::string& client)
{
    std::istringstream lines(log.substr(offset < log.size() ? offset : log.size()));
    long late = 0;
    for (std::string line; std::getline(lines, line);) {
        late += line.find("client = " + client + " was not finished, state = Running") != std::string::npos ||
                        line.find("client " + client + " finished after") != std::string::npos
                    ? 1
                    : 0;
    }
    return late;
}

}  // namespace

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
    const std::string player = std::string(CTestClients::PLAYER) + ":out_1";
    ASSERT_TRUE(clients.connect(player, "Tenvira:in_l"));
    ASSERT_TRUE(clients.connect(player, std::string(CTestClients::RECORDER) + ":in_1"));
    clients.play({rig.sine(220.0, 0.9, 48000)}, true);
    clients.waitFrames(48000);  // first touches of code and data are not what is measured

    const std::size_t from = rig.server().log().size();
    const long before = clients.xruns();
    clients.waitFrames(60 * 48000);
    const long xruns = clients.xruns() - before;
    const std::string log = rig.server().log();
    tenvira.signal(SIGTERM);
    EXPECT_EQ(tenvira.finish(), 0) << tenvira.output();

    const long tenviraLate = lateFinishes(log, from, "Tenvira");
    const long plainLate = lateFinishes(log, from, CTestClients::RECORDER);
    std::printf("xruns in the minute: %ld; late finishes: Tenvira %ld, the plain client beside it %ld\n", xruns,
                tenviraLate, plainLate);
    // A few for noise: an effect too slow for the period would be late in a large share of 45000 cycles.
    EXPECT_LE(tenviraLate, plainLate + 3) << log.substr(from);
}
