#pragma once

#include <signal.h>

namespace Tenvira { namespace Jack {

/**
 * Turns SIGINT, SIGTERM and SIGHUP into something the main loop reads, with
 * no handler at all: the signals are blocked in the thread that makes the
 * watch, so in every thread it starts afterwards (JACK's among them), and
 * are read from a signalfd. Make it before any other thread exists.
 */
class CSignalWatch {
public:
    CSignalWatch();
    /** Unblocks the signals again. */
    ~CSignalWatch();

    /** Waits up to milliseconds (0: just looks) for a signal; answers it, or 0. */
    int wait(long milliseconds);

    CSignalWatch(const CSignalWatch&) = delete;
    CSignalWatch& operator=(const CSignalWatch&) = delete;

private:
    sigset_t m_signals;
    sigset_t m_previous;
    int m_descriptor = -1;
    bool m_blocked = false;
};

}}  // namespace Tenvira::Jack
