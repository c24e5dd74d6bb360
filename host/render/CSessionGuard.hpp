#pragma once

#include "IEffectSession.hpp"

namespace Tenvira { namespace Render {

/** Closes a session on every way out of a run, suspending it first when it is running. */
class CSessionGuard {
public:
    explicit CSessionGuard(IEffectSession& session) : m_session(session) {}
    ~CSessionGuard()
    {
        if (m_running)
            m_session.suspend();
        m_session.close();
    }
    void resume()
    {
        m_session.resume();
        m_running = true;
    }
    void suspend()
    {
        m_running = false;
        m_session.suspend();
    }

    CSessionGuard(const CSessionGuard&) = delete;
    CSessionGuard& operator=(const CSessionGuard&) = delete;

private:
    IEffectSession& m_session;
    bool m_running = false;
};

}}  // namespace Tenvira::Render
