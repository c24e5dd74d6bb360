#include "gui/windowing/CX11ErrorTrap.hpp"

#include <atomic>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {
// Xlib calls its error handler without any context: the innermost trap of
// this thread is the one that may claim the error.
thread_local CX11ErrorTrap* g_innermostTrap = nullptr;
// The handler in place before the outermost trap, for errors read by another
// thread (the host's own connection) while a trap is set.
std::atomic<XErrorHandler> g_handlerBeforeTraps{nullptr};
}  // namespace

CX11ErrorTrap::CX11ErrorTrap(Display* display)
    : m_display(display),
      m_previousHandler(nullptr),
      m_outerTrap(g_innermostTrap),
      m_errorCode(0),
      m_set(display != nullptr)
{
    if (!m_set) {
        return;
    }
    XSync(m_display, False);
    g_innermostTrap = this;
    m_previousHandler = XSetErrorHandler(&CX11ErrorTrap::handleError);
    if (m_outerTrap == nullptr) {
        g_handlerBeforeTraps = m_previousHandler;
    }
}

CX11ErrorTrap::~CX11ErrorTrap()
{
    release();
}

bool CX11ErrorTrap::release()
{
    if (m_set) {
        XSync(m_display, False);
        XSetErrorHandler(m_previousHandler);
        g_innermostTrap = m_outerTrap;
        m_set = false;
    }
    return m_errorCode == 0;
}

int CX11ErrorTrap::handleError(Display* display, XErrorEvent* error)
{
    for (CX11ErrorTrap* trap = g_innermostTrap; trap != nullptr; trap = trap->m_outerTrap) {
        if (trap->m_display == display) {
            if (trap->m_errorCode == 0) {
                trap->m_errorCode = error->error_code;
            }
            return 0;
        }
    }
    // Not ours: the handler that was there before the traps decides.
    const XErrorHandler before = g_handlerBeforeTraps;
    return before != nullptr && before != &CX11ErrorTrap::handleError ? before(display, error) : 0;
}

}}}  // namespace Corvane::GUI::Windowing
