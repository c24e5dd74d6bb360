#include "CChildProcess.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

extern char** environ;

namespace TenviraX11Tests {

pid_t CChildProcess::start(const char* program, const std::vector<std::string>& arguments, const std::string& display,
                           const std::string& outputPath)
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
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!outputPath.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    pid_t pid = 0;
    const int failed = posix_spawnp(&pid, program, &actions, nullptr, argv.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : 0;
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
