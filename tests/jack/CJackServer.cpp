#include "CJackServer.hpp"

#include "CChildProcess.hpp"
#include "RenderTestSupport.hpp"

#include <fcntl.h>
#include <jack/jack.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace TenviraJackTests {

namespace {

constexpr long START_MILLISECONDS = 15000;
constexpr int SLOTS = 8;

void quiet(const char*) {}

// A server of that name takes a client.
bool answers(const std::string& name)
{
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status{};
    jack_client_t* probe = jack_client_open(
        "tenvira-test-probe", static_cast<jack_options_t>(JackNoStartServer | JackServerName), &status, name.c_str());
    if (probe == nullptr) {
        return false;
    }
    jack_client_close(probe);
    return true;
}

}  // namespace

bool CJackServer::start(unsigned sampleRate, unsigned period, std::string& error, bool asDefault, bool synchronous)
{
    for (int slot = 0; slot < SLOTS && m_slotLock < 0; ++slot) {
        const std::string lock = "/tmp/tenvira-jack-test-slot-" + std::to_string(slot) + ".lock";
        m_slotLock = open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_slotLock >= 0 && flock(m_slotLock, LOCK_EX | LOCK_NB) != 0) {
            close(m_slotLock);
            m_slotLock = -1;
        }
        m_name = "tenvira-test-" + std::to_string(slot);
        // A server still answering under the slot's name (one a crashed run left, or one being killed) is
        // not ours: a test must never reach it, nor see it vanish under its own.
        if (m_slotLock >= 0 && answers(m_name)) {
            close(m_slotLock);
            m_slotLock = -1;
        }
    }
    if (m_slotLock < 0) {
        error = "all test server slots are taken";
        return false;
    }
    m_logPath = "/tmp/" + m_name + "-" + std::to_string(getpid()) + ".log";
    // A test machine's audio devices are no business of the tests.
    setenv("JACK_NO_AUDIO_RESERVATION", "1", 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    if (asDefault)
        setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    std::vector<std::string> arguments = {"-n", m_name};
    if (synchronous)
        arguments.push_back("-S");
    arguments.insert(arguments.end(), {"-d", "dummy", "-r", std::to_string(sampleRate), "-p", std::to_string(period)});
    m_pid = TenviraX11Tests::CChildProcess::start("jackd", arguments, "", m_logPath);
    if (m_pid == 0) {
        error = "cannot start jackd";
        return false;
    }
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(START_MILLISECONDS);
    for (;;) {
        const bool up = answers(m_name);
        int exitStatus = 0;
        const bool ended = waitpid(m_pid, &exitStatus, WNOHANG) == m_pid;
        // Only our own jackd counts: one that ended had found the name taken.
        if (up && !ended) {
            return true;
        }
        if (ended || std::chrono::steady_clock::now() >= end) {
            if (ended)
                m_pid = 0;
            error = "jackd did not come up:\n" + log();
            stop();
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

void CJackServer::stop()
{
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        int status = 0;
        TenviraX11Tests::CChildProcess::finish(m_pid, 10000, status);
        m_pid = 0;
    }
    if (!m_logPath.empty())
        std::remove(m_logPath.c_str());
    if (m_slotLock >= 0)
        close(m_slotLock);
    m_slotLock = -1;
}

std::string CJackServer::log() const
{
    return RenderTest::readText(m_logPath);
}

}  // namespace TenviraJackTests
