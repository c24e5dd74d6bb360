// A private JACK server for tests: jackd with its dummy driver, never the desktop's.
#pragma once

#include <sys/types.h>

#include <string>

namespace TenviraJackTests {

/**
 * Starts jackd (dummy driver: real time without a sound card, two capture and
 * two playback ports) and makes it the default server of this process and of
 * the programs it starts (JACK_DEFAULT_SERVER); no client here ever starts a
 * server by itself.
 *
 * jackd registers servers by name in a table of eight that it clears of a
 * dead server only when a server of the same name starts. So test servers
 * take their names from eight slots, each held through a lock file for as
 * long as its server runs: a test that crashed leaves nothing that blocks the
 * next ones.
 */
class CJackServer {
public:
    CJackServer() = default;
    ~CJackServer() { stop(); }

    /**
     * False, with the reason (and the server's output) in error, when it did not come up in time or all
     * slots are taken. A second server, not the default one, is reached by its name. A synchronous
     * server (jackd -S) ends a cycle only once every client has finished it, so no client ever runs
     * into the next one; users run jackd asynchronously, as the xrun test and the load figures do.
     */
    bool start(unsigned sampleRate, unsigned period, std::string& error, bool asDefault = true,
               bool synchronous = true);
    void stop();

    const std::string& name() const { return m_name; }
    /** What the server wrote so far: late clients are named there. */
    std::string log() const;

    CJackServer(const CJackServer&) = delete;
    CJackServer& operator=(const CJackServer&) = delete;

private:
    pid_t m_pid = 0;
    int m_slotLock = -1;
    std::string m_name;
    std::string m_logPath;
};

}  // namespace TenviraJackTests
