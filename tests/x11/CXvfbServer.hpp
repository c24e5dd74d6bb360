// A private X server for tests: never the desktop's.
#pragma once

#include <sys/types.h>
#include <string>

namespace TenviraX11Tests {

/**
 * Starts Xvfb on a display number the server picks itself (the first free
 * one, claimed through the server's own lock files, so test processes
 * started together never collide) and answers once it accepts connections.
 */
class CXvfbServer {
public:
    CXvfbServer() = default;
    ~CXvfbServer() { stop(); }
    CXvfbServer(const CXvfbServer&) = delete;
    CXvfbServer& operator=(const CXvfbServer&) = delete;

    /** False, with the reason in error, when the server did not come up within the time allowed. */
    bool start(int width, int height, std::string& error, int depth = 24);
    void stop();
    /** Holds (SIGSTOP) or resumes (SIGCONT) the server, to prove that nothing waits for it. */
    void suspend(bool suspended);

    bool isRunning() const { return m_pid > 0; }
    /** ":N" */
    const std::string& getDisplayName() const { return m_displayName; }

private:
    pid_t m_pid = 0;
    std::string m_displayName;
};

}  // namespace TenviraX11Tests
