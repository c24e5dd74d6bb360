#include "CChildProcess.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
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
    // Everything the child needs is prepared before the fork: between fork and
    // exec only async-signal-safe calls are allowed.
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // A test process that crashes must not leave its X server behind, holding
        // the output pipe the test runner waits on.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() == parent) {
            const int file = outputPath.empty() ? -1 : open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            if (outputPath.empty() || (file >= 0 && dup2(file, STDOUT_FILENO) >= 0 && dup2(file, STDERR_FILENO) >= 0)) {
                execvpe(program, argv.data(), environment.data());
            }
        }
        _exit(127);
    }
    return pid > 0 ? pid : 0;
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
