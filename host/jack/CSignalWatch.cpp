#include "CSignalWatch.hpp"

#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace Tenvira { namespace Jack {

CSignalWatch::CSignalWatch()
{
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    sigaddset(&m_signals, SIGHUP);
    m_blocked = pthread_sigmask(SIG_BLOCK, &m_signals, &m_previous) == 0;
    m_descriptor = signalfd(-1, &m_signals, SFD_NONBLOCK | SFD_CLOEXEC);
}

CSignalWatch::~CSignalWatch()
{
    if (m_blocked)
        pthread_sigmask(SIG_SETMASK, &m_previous, nullptr);
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

int CSignalWatch::wait(long milliseconds)
{
    if (m_descriptor < 0)
        return 0;
    pollfd watched{m_descriptor, POLLIN, 0};
    if (::poll(&watched, 1, static_cast<int>(milliseconds)) <= 0)
        return 0;
    signalfd_siginfo information{};
    if (::read(m_descriptor, &information, sizeof(information)) != static_cast<ssize_t>(sizeof(information)))
        return 0;
    return static_cast<int>(information.ssi_signo);
}

}}  // namespace Tenvira::Jack
