// Not a test: the DSP load a JACK server reports (jack_cpu_load: the share of
// each period the graph takes) with tenvira-jack in the graph, against the same
// server with a plain pass-through client in its place, at 64 and 512 frames
// per block. Both stand between the capture and playback ports and get a loud
// signal from the test's player; their turns alternate so that load from
// elsewhere on the machine falls on both alike.
//
//     jack_load_figures [SECONDS_PER_TURN] [ROUNDS]
#include "CJackRig.hpp"
#include "CPassThrough.hpp"
#include "CTenviraJack.hpp"

#include <jack/jack.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

using TenviraJackTests::CJackRig;
using TenviraJackTests::CPassThrough;
using TenviraJackTests::CTenviraJack;
using TenviraJackTests::CTestClients;

namespace {

// The server's load, sampled ten times a second for the turn, as the median.
double measureLoad(CJackRig& rig, double seconds)
{
    std::this_thread::sleep_for(std::chrono::seconds(1));
    std::vector<float> samples;
    for (int i = 0; i < static_cast<int>(seconds * 10); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        samples.push_back(jack_cpu_load(rig.clients().client()));
    }
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

void connect(CJackRig& rig, const std::string& client)
{
    auto& clients = rig.clients();
    const std::string player = std::string(CTestClients::PLAYER) + ":";
    clients.connect(player + "out_1", client + ":in_l");
    clients.connect(player + "out_2", client + ":in_r");
    clients.connect("system:capture_1", client + ":in_l");
    clients.connect("system:capture_2", client + ":in_r");
    clients.connect(client + ":out_l", "system:playback_1");
    clients.connect(client + ":out_r", "system:playback_2");
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    unsetenv("DISPLAY");
    for (const unsigned period : {64u, 512u}) {
        CJackRig rig;
        std::string error;
        if (!rig.start(48000, period, error, false)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        rig.clients().play({rig.sine(220.0, 0.9, 48000), rig.sine(330.0, 0.9, 48000)}, true);
        double plain = 0.0;
        double tenvira = 0.0;
        for (int round = 0; round < rounds; ++round) {
            {
                CPassThrough passThrough;
                connect(rig, "plain");
                plain += measureLoad(rig, seconds) / rounds;
            }
            CTenviraJack program;
            program.start({"--no-gui", "--program", "Bass"});
            if (!program.waitUntilRunning()) {
                std::fprintf(stderr, "tenvira-jack did not start:\n%s\n", program.output().c_str());
                return 1;
            }
            connect(rig, "Tenvira");
            tenvira += measureLoad(rig, seconds) / rounds;
            program.signal(SIGTERM);
            program.finish();
        }
        std::printf(
            "%u frames: DSP load %.2f %% with tenvira-jack, %.2f %% with a plain pass-through client "
            "(%+.2f points, x%.2f); xruns %ld\n",
            period, tenvira, plain, tenvira - plain, plain > 0.0 ? tenvira / plain : 0.0, rig.clients().xruns());
        std::fflush(stdout);
    }
    return 0;
}
