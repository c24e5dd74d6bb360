// The port buffers one process callback of a test client touches, taken and
// passed on as JACK hands them over (see CJackBufferHandOver).
#pragma once

#include "CJackBufferHandOver.hpp"

#include <jack/jack.h>

namespace TenviraJackTests {

class CPortBuffers {
public:
    explicit CPortBuffers(jack_nframes_t frames) : m_frames(frames) {}
    ~CPortBuffers()
    {
        for (int i = 0; i < m_count; ++i)
            Tenvira::Jack::CJackBufferHandOver::passOn(m_buffers[i]);
    }

    template <typename TSample>
    TSample* of(jack_port_t* port)
    {
        void* buffer = jack_port_get_buffer(port, m_frames);
        Tenvira::Jack::CJackBufferHandOver::take(buffer);
        if (m_count < MAX_BUFFERS)
            m_buffers[m_count++] = buffer;
        return static_cast<TSample*>(buffer);
    }

    CPortBuffers(const CPortBuffers&) = delete;
    CPortBuffers& operator=(const CPortBuffers&) = delete;

private:
    static constexpr int MAX_BUFFERS = 8;
    void* m_buffers[MAX_BUFFERS] = {};
    int m_count = 0;
    jack_nframes_t m_frames;
};

}  // namespace TenviraJackTests
