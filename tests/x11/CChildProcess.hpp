// Starting and reaping the helper programs of the X tests (Xvfb, xdotool).
#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace TenviraX11Tests {

class CChildProcess {
public:
    /**
     * Starts program (found on PATH) with the arguments; with a display
     * name, DISPLAY is replaced by it in the child's environment. Open file
     * descriptors without close-on-exec are inherited; with an output path,
     * the child's standard output and error go to that file instead (created
     * or emptied). 0 when it cannot fork; a program that cannot run ends with status 127.
     */
    static pid_t start(const char* program, const std::vector<std::string>& arguments, const std::string& display,
                       const std::string& outputPath = std::string());
    /** Waits for the process to end; false (after killing it) when it took longer than milliseconds. */
    static bool finish(pid_t pid, long milliseconds, int& exitStatus);

    CChildProcess() = delete;
};

}  // namespace TenviraX11Tests
