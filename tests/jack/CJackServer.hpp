// A private JACK server for tests: jackd with its dummy driver, never the desktop's.
#pragma once

#include <sys/types.h>

#include <string>

namespace TenviraJackTests {

/**
 * Starts jackd (dummy driver: real time without a sound card, two capture and
 * two playback ports) under a name of this process's own and makes it the
 * default server of this process and of the programs it starts
 * (JACK_DEFAULT_SERVER); no client here ever starts a server by itself.
 */
class CJackServer {
public:
    CJackServer() = default;
    ~CJackServer() { stop(); }

    /** False, with the reason (and the server's output) in error, when it did not come up in time. */
    bool start(unsigned sampleRate, unsigned period, std::string& error);
    void stop();

    const std::string& name() const { return m_name; }
    /** What the server wrote so far: late clients are named there. */
    std::string log() const;

    CJackServer(const CJackServer&) = delete;
    CJackServer& operator=(const CJackServer&) = delete;

private:
    pid_t m_pid = 0;
    std::string m_name;
    std::string m_logPath;
};

}  // namespace TenviraJackTests
