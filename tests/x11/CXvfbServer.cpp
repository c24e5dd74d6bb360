#include "CXvfbServer.hpp"

#include "CChildProcess.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace TenviraX11Tests {

namespace {
// A loaded CI machine may take long to build the server's keymap.
const long kStartMilliseconds = 60000;
}  // namespace

bool CXvfbServer::start(int width, int height, std::string& error, int depth)
{
    stop();
    int ready[2];
    if (pipe(ready) != 0) {
        error = "pipe: " + std::string(std::strerror(errno));
        return false;
    }
    fcntl(ready[0], F_SETFD, FD_CLOEXEC);
    // -displayfd: the server chooses a free display and writes its number once it listens.
    // -noreset: without it the server resets whenever its last client leaves, between two tests, and
    // refuses the next test's connections while it does.
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(depth);
    m_pid = CChildProcess::start(
        TENVIRA_XVFB, {"-displayfd", std::to_string(ready[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
        std::string());
    close(ready[1]);
    if (m_pid == 0) {
        close(ready[0]);
        error = "cannot start " TENVIRA_XVFB;
        return false;
    }
    std::string number;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartMilliseconds);
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd pipeEnd = {ready[0], POLLIN, 0};
        if (left.count() <= 0 || poll(&pipeEnd, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char buffer[16];
        const ssize_t got = read(ready[0], buffer, sizeof(buffer));
        if (got <= 0) {
            break;  // the server ended before it was ready
        }
        number.append(buffer, static_cast<size_t>(got));
    }
    close(ready[0]);
    if (number.find('\n') == std::string::npos) {
        stop();
        error = "Xvfb did not report a display";
        return false;
    }
    m_displayName = ":" + number.substr(0, number.find('\n'));
    return true;
}

void CXvfbServer::stop()
{
    if (m_pid <= 0) {
        return;
    }
    kill(m_pid, SIGCONT);
    kill(m_pid, SIGTERM);
    int status = 0;
    CChildProcess::finish(m_pid, 10000, status);
    m_pid = 0;
    m_displayName.clear();
}

void CXvfbServer::suspend(bool suspended)
{
    if (m_pid > 0) {
        kill(m_pid, suspended ? SIGSTOP : SIGCONT);
    }
}

}  // namespace TenviraX11Tests
