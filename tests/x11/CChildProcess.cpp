#include "CChildProcess.hpp"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

namespace TenviraX11Tests {

pid_t CChildProcess::start(const char* program, const std::vector<std::string>& arguments, const std::string& display)
{
    std::vector<std::string> words = {program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(&word[0]);
    }
    argv.push_back(nullptr);
    std::string displayVariable = "DISPLAY=" + display;
    std::vector<char*> environment;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (display.empty() || std::strncmp(*variable, "DISPLAY=", 8) != 0) {
            environment.push_back(*variable);
        }
    }
    if (!display.empty()) {
        environment.push_back(&displayVariable[0]);
    }
    environment.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, program, nullptr, nullptr, argv.data(), environment.data()) == 0 ? pid : 0;
}

bool CChildProcess::finish(pid_t pid, long milliseconds, int& exitStatus)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const pid_t done = waitpid(pid, &exitStatus, WNOHANG);
        if (done == pid || (done < 0 && errno == ECHILD)) {
            return done == pid;
        }
        if (std::chrono::steady_clock::now() >= end) {
            kill(pid, SIGKILL);
            waitpid(pid, &exitStatus, 0);
            return false;
        }
        // Reaping a child has no event to wait on here; a short nap keeps the loop cheap.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace TenviraX11Tests
