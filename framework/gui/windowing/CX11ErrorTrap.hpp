// Catches the X errors of requests that may fail for good reasons (a window
// id that belongs to someone else and may already be gone).
#pragma once

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * While a trap is set, the X errors of its display are recorded instead of
 * reaching the process's error handler (the host's, or Xlib's, which ends the
 * process). Errors of other displays still go to the handler that was
 * installed before. Setting the trap waits for the replies to earlier
 * requests, so their errors are not taken for the trapped ones; releasing it
 * waits for the trapped requests and puts the earlier handler back exactly.
 * Traps nest; use them only around the few requests that need them.
 *
 * @code
 * CX11ErrorTrap trap(display);
 * XGetWindowAttributes(display, foreignWindow, &attributes);
 * if (!trap.release()) { ...the window is gone... }
 * @endcode
 */
class CX11ErrorTrap {
public:
    explicit CX11ErrorTrap(Display* display);
    /** Releases the trap if release() was not called. */
    ~CX11ErrorTrap();
    CX11ErrorTrap(const CX11ErrorTrap&) = delete;
    CX11ErrorTrap& operator=(const CX11ErrorTrap&) = delete;

    /** Restores the earlier handler; true when no trapped request failed. */
    bool release();
    /** The X error code of the first trapped error, 0 for none. */
    int getErrorCode() const { return m_errorCode; }

private:
    static int handleError(Display* display, XErrorEvent* error);

    Display* m_display;
    XErrorHandler m_previousHandler;
    CX11ErrorTrap* m_outerTrap;
    int m_errorCode;
    bool m_set;
};

}}}  // namespace Corvane::GUI::Windowing
