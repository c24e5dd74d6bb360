// A plain client in tenvira-jack's place, for comparisons: ports named as
// Tenvira's (in_l, in_r, out_l, out_r), each input copied to its output and
// nothing else done.
#pragma once

#include "CPortBuffers.hpp"

#include <jack/jack.h>

#include <algorithm>
#include <string>

namespace TenviraJackTests {

class CPassThrough {
public:
    /** Opens and activates the client "plain" on the server (the default one when unnamed). */
    explicit CPassThrough(const std::string& server = std::string())
    {
        jack_status_t status{};
        const int options = JackNoStartServer | (server.empty() ? 0 : JackServerName);
        m_client = jack_client_open("plain", static_cast<jack_options_t>(options), &status, server.c_str());
        if (m_client == nullptr)
            return;
        const char* names[4] = {"in_l", "in_r", "out_l", "out_r"};
        for (int i = 0; i < 4; ++i)
            m_ports[i] = jack_port_register(m_client, names[i], JACK_DEFAULT_AUDIO_TYPE,
                                            i < 2 ? JackPortIsInput : JackPortIsOutput, 0);
        jack_set_process_callback(m_client, &CPassThrough::process, this);
        jack_activate(m_client);
    }
    ~CPassThrough()
    {
        if (m_client != nullptr) {
            jack_deactivate(m_client);
            jack_client_close(m_client);
        }
    }
    bool isOpen() const { return m_client != nullptr; }

    CPassThrough(const CPassThrough&) = delete;
    CPassThrough& operator=(const CPassThrough&) = delete;

private:
    static int process(jack_nframes_t frames, void* self)
    {
        auto& client = *static_cast<CPassThrough*>(self);
        for (int c = 0; c < 2; ++c) {
            CPortBuffers buffers(frames);
            const auto* in = buffers.of<const float>(client.m_ports[c]);
            std::copy(in, in + frames, buffers.of<float>(client.m_ports[c + 2]));
        }
        return 0;
    }

    jack_client_t* m_client = nullptr;
    jack_port_t* m_ports[4] = {};
};

}  // namespace TenviraJackTests
