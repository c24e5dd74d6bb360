#include "CTenviraJack.hpp"

#include "CChildProcess.hpp"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

namespace TenviraJackTests {

namespace {
constexpr long START_MILLISECONDS = 30000;
}

CTenviraJack::CTenviraJack()
{
    static int made = 0;
    m_outputPath = "/tmp/tenvira-jack-test-" + std::to_string(getpid()) + "-" + std::to_string(++made) + ".out";
}

CTenviraJack::~CTenviraJack()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        finish();
    }
    std::remove(m_outputPath.c_str());
}

bool CTenviraJack::start(const std::vector<std::string>& arguments, const std::string& display)
{
    m_pid = TenviraX11Tests::CChildProcess::start(TENVIRA_JACK_EXECUTABLE, arguments, display, m_outputPath);
    return m_pid > 0;
}

bool CTenviraJack::waitUntilRunning()
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(START_MILLISECONDS);
    while (m_pid > 0 && std::chrono::steady_clock::now() < end) {
        if (output().find("JACK client \"") != std::string::npos)
            return true;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            m_pid = 0;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void CTenviraJack::signal(int number)
{
    if (m_pid > 0)
        kill(m_pid, number);
}

int CTenviraJack::finish(long milliseconds)
{
    if (m_pid > 0) {
        int status = 0;
        const bool ended = TenviraX11Tests::CChildProcess::finish(m_pid, milliseconds, status);
        m_status = ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        m_pid = 0;
    }
    return m_status;
}

std::string CTenviraJack::output() const
{
    std::stringstream text;
    text << std::ifstream(m_outputPath).rdbuf();
    return text.str();
}

}  // namespace TenviraJackTests
