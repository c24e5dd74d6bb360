// The xrun test's baseline, in a process of its own (libjack serves one server per process): the test's
// graph on the named server with a plain copying client in Tenvira's place; prints "xruns N", counted for
// SECONDS after one second of warming up.
//
//     jack_xrun_counter SERVER SECONDS
#include "CPassThrough.hpp"
#include "CTestClients.hpp"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

using TenviraJackTests::CTestClients;

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    CTestClients clients(1.0, argv[1]);
    TenviraJackTests::CPassThrough plain(argv[1]);
    const std::string player = std::string(CTestClients::PLAYER) + ":out_1";
    if (!clients.isOpen() || !plain.isOpen() || !clients.connect(player, "plain:in_l") ||
        !clients.connect("system:capture_1", "plain:in_l") || !clients.connect("plain:out_l", "system:playback_1") ||
        !clients.connect("plain:out_l", std::string(CTestClients::RECORDER) + ":in_1"))
        return 1;
    std::vector<float> sine(clients.sampleRate());
    for (std::size_t i = 0; i < sine.size(); ++i)
        sine[i] = static_cast<float>(0.9 * std::sin(6.283185307179586 * 220.0 * static_cast<double>(i) / sine.size()));
    clients.play({sine}, true);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long before = clients.xruns();
    std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[2])));
    std::printf("xruns %ld\n", clients.xruns() - before);
    std::fflush(stdout);
    return 0;
}
