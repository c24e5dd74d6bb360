// The xrun test's baseline, in a process of its own (libjack serves one server
// per process): on the named server, the graph of the test with a plain client
// in Tenvira's place. A player's sine and the capture ports go into "plain",
// which copies them to the playback ports and to a recorder, which takes them;
// the server's xruns are counted for the given number of seconds after one
// second of warming up. Prints "xruns N".
//
//     jack_xrun_counter SERVER SECONDS
#include "CPortBuffers.hpp"

#include <jack/jack.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

std::atomic<long> g_xruns{0};

struct SClient {
    jack_client_t* client = nullptr;
    jack_port_t* in = nullptr;
    jack_port_t* out = nullptr;
    double phase = 0.0;  // the player's, on its own thread
};

int playBlock(jack_nframes_t frames, void* argument)
{
    auto& player = *static_cast<SClient*>(argument);
    TenviraJackTests::CPortBuffers buffers(frames);
    auto* out = buffers.of<float>(player.out);
    for (jack_nframes_t i = 0; i < frames; ++i, player.phase += 220.0 / 48000.0)
        out[i] = static_cast<float>(0.9 * std::sin(6.283185307179586 * player.phase));
    return 0;
}

int copyBlock(jack_nframes_t frames, void* argument)
{
    auto& plain = *static_cast<SClient*>(argument);
    TenviraJackTests::CPortBuffers buffers(frames);
    const auto* in = buffers.of<const float>(plain.in);
    auto* out = buffers.of<float>(plain.out);
    for (jack_nframes_t i = 0; i < frames; ++i)
        out[i] = in[i];
    return 0;
}

int takeBlock(jack_nframes_t frames, void* argument)
{
    TenviraJackTests::CPortBuffers buffers(frames);
    volatile float last = buffers.of<const float>(static_cast<SClient*>(argument)->in)[0];
    (void)last;
    return 0;
}

int countXrun(void*)
{
    g_xruns.fetch_add(1);
    return 0;
}

bool open(SClient& client, const char* name, const char* server, JackProcessCallback process, bool in, bool out)
{
    jack_status_t status{};
    client.client =
        jack_client_open(name, static_cast<jack_options_t>(JackNoStartServer | JackServerName), &status, server);
    if (client.client == nullptr)
        return false;
    if (in)
        client.in = jack_port_register(client.client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
    if (out)
        client.out = jack_port_register(client.client, "out", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(client.client, process, &client);
    if (process == takeBlock)
        jack_set_xrun_callback(client.client, countXrun, nullptr);
    return jack_activate(client.client) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    SClient player;
    SClient plain;
    SClient recorder;
    if (!open(player, "player", argv[1], playBlock, false, true) ||
        !open(plain, "plain", argv[1], copyBlock, true, true) ||
        !open(recorder, "recorder", argv[1], takeBlock, true, false))
        return 1;
    jack_connect(plain.client, "player:out", "plain:in");
    jack_connect(plain.client, "system:capture_1", "plain:in");
    jack_connect(plain.client, "plain:out", "system:playback_1");
    jack_connect(plain.client, "plain:out", "recorder:in");
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long before = g_xruns.load();
    std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[2])));
    std::printf("xruns %ld\n", g_xruns.load() - before);
    std::fflush(stdout);
    for (SClient* client : {&recorder, &plain, &player}) {
        jack_deactivate(client->client);
        jack_client_close(client->client);
    }
    return 0;
}
