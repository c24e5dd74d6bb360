// Keeps the X errors of requests that may fail for good reasons (a window id
// that belongs to someone else and may already be gone) from the process.
#pragma once

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * The errors of the requests made on a display while a trap is set on it are
 * dropped on their way in, by the display's own error hook: they never reach
 * the process's error handler (the host's, or Xlib's, which ends the
 * process), and that handler is never changed, so the errors of the host's
 * own connections, on any thread, reach it as always. Errors of every other
 * request still reach it: those are faults, and the tests see them.
 *
 * The hook sits on the displays the windowing layer opens (watchDisplay);
 * a trap on a display without it traps nothing. Traps nest.
 *
 * release() waits for the trapped requests and says whether one failed;
 * a trap dropped without release() waits for nothing, and the errors of its
 * requests are dropped whenever they arrive.
 *
 * @code
 * CX11ErrorTrap trap(display);
 * XGetWindowAttributes(display, foreignWindow, &attributes);
 * if (!trap.release()) { ...the window is gone... }
 *
 * {
 *     CX11ErrorTrap shield(display);         // no answer needed, no wait
 *     XUnmapWindow(display, foreignChild);
 * }
 * @endcode
 */
class CX11ErrorTrap {
public:
    /** Puts the hook on display, a connection of the process's own; until forgetDisplay, before it closes. */
    static void watchDisplay(Display* display);
    static void forgetDisplay(Display* display);

    /** Traps the requests made on display from now on; a null display traps nothing. */
    explicit CX11ErrorTrap(Display* display);
    /** Ends the trap without waiting. */
    ~CX11ErrorTrap();
    CX11ErrorTrap(const CX11ErrorTrap&) = delete;
    CX11ErrorTrap& operator=(const CX11ErrorTrap&) = delete;

    /** Ends the trap once the server has answered its requests; true when none of them failed. */
    bool release();
    /** The X error code of the first trapped error release() saw, 0 for none. */
    int getErrorCode() const { return m_errorCode; }

private:
    void end(bool wait);

    Display* m_display;
    unsigned long m_id;
    int m_errorCode;
};

}}}  // namespace Corvane::GUI::Windowing
