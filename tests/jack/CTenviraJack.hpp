// tenvira-jack run by a test as a user runs it: a process of its own, its
// output in a file, ended by a signal or by itself.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace TenviraJackTests {

class CTenviraJack {
public:
    CTenviraJack();
    /** Kills the program if it still runs. */
    ~CTenviraJack();

    /** Starts it; with a display name, on that X display. */
    bool start(const std::vector<std::string>& arguments, const std::string& display = std::string());
    /** Waits until it says its JACK client runs; false when it ended or took too long. */
    bool waitUntilRunning();
    void signal(int number);
    /** Waits for the end; the exit status, or -1 when it was killed or did not end in time. */
    int finish(long milliseconds = 30000);
    /** Standard output and error so far. */
    std::string output() const;

    CTenviraJack(const CTenviraJack&) = delete;
    CTenviraJack& operator=(const CTenviraJack&) = delete;

private:
    pid_t m_pid = 0;
    int m_status = -1;
    std::string m_outputPath;
};

}  // namespace TenviraJackTests
