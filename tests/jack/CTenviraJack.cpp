#include "CTenviraJack.hpp"

#include "CChildProcess.hpp"
#include "RenderTestSupport.hpp"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace TenviraJackTests {

namespace {
int g_made = 0;
}

CTenviraJack::CTenviraJack()
    : m_outputPath("/tmp/tenvira-jack-test-" + std::to_string(getpid()) + "-" + std::to_string(++g_made) + ".out")
{}

CTenviraJack::~CTenviraJack()
{
    signal(SIGKILL);
    finish();
    std::remove(m_outputPath.c_str());
}

bool CTenviraJack::start(const std::vector<std::string>& arguments, const std::string& display)
{
    m_pid = TenviraX11Tests::CChildProcess::start(TENVIRA_JACK_EXECUTABLE, arguments, display, m_outputPath);
    return m_pid > 0;
}

bool CTenviraJack::waitUntilRunning()
{
    // Up to 30 s; an end on the way is kept for finish().
    for (int wait = 0; wait < 3000 && m_pid > 0; ++wait) {
        if (output().find("JACK client \"") != std::string::npos)
            return true;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            m_pid = 0;
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
    int status = 0;
    if (m_pid > 0)
        m_status = TenviraX11Tests::CChildProcess::finish(m_pid, milliseconds, status) && WIFEXITED(status)
                       ? WEXITSTATUS(status)
                       : -1;
    m_pid = 0;
    return m_status;
}

std::string CTenviraJack::output() const
{
    return RenderTest::readText(m_outputPath);
}

}  // namespace TenviraJackTests
