// One X window of the framework: the editor's child inside a host's window,
// a top-level window, or a pop-up; with the window-manager hints they need.
#pragma once

#include "gui/windowing/x11/CX11Display.hpp"

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

enum EX11WindowType {
    e_normalWindowType = 0,
    e_dialogWindowType,
    e_splashWindowType
};

/**
 * Owns at most one X window on a display (which it keeps referenced) and
 * registers the given handler for its events while the window exists.
 * Destroying the object, or destroy(), gives up a pointer grab it holds and
 * destroys the window.
 *
 * Every window selects exposure, button, motion, crossing, key, focus and
 * structure events, and paints itself: the server never clears it first.
 * A child of another client's window may be destroyed with its parent at
 * any moment: every request on it is trapped (CX11ErrorTrap), so its error
 * never reaches the process, and once the news of the destruction has been
 * read the object sends no further request for it.
 */
class CX11Window : private IX11EventHandler {
public:
    CX11Window(CX11Display& display, IX11EventHandler* handler);
    ~CX11Window() override;
    CX11Window(const CX11Window&) = delete;
    CX11Window& operator=(const CX11Window&) = delete;

    /**
     * A window of width x height at the top left of parent, a window id of
     * another client (the host's). Shown at once. False, without any X error
     * reaching the process, when the parent does not exist (any more).
     */
    bool createChild(unsigned long parent, int width, int height);
    /**
     * A hidden top-level window: a close by the window manager arrives as a
     * WM_DELETE_WINDOW client message. A window that is not resizable asks
     * the window manager to keep its size.
     */
    bool createTopLevel(int x, int y, int width, int height, bool resizable);
    /** A hidden override-redirect window at screen position x, y: no window manager touches it. */
    bool createPopup(int x, int y, int width, int height);
    void destroy();

    bool isCreated() const { return m_window != 0; }
    /**
     * A child of another client's window: that client may destroy it at any
     * moment, so requests on it may fail before the news has been read.
     */
    bool mayVanish() const { return m_window != 0 && m_foreignParent; }
    Window getWindowId() const { return m_window; }
    CX11Display& getDisplay() const { return m_display; }

    void show();
    void hide();
    /** Top-level and pop-up windows: position on the screen and size. */
    void moveAndResize(int x, int y, int width, int height);
    /** Moves the window so that it sits in the middle of the screen. */
    void centreOnScreen();

    // Window-manager hints of top-level windows.
    void setTitle(const char* title);
    /** No frame or title bar (Motif hints, which window managers honour). */
    void setBorderless(bool borderless);
    void setKeptAbove(bool above);
    /** 0 .. 1; a compositing window manager shows the window that opaque. */
    void setOpacity(double opacity);
    void setWindowType(EX11WindowType type);

    /**
     * Every pointer event, over any window of any client (this one's own
     * included), goes to this window with a position relative to it, until
     * ungrabPointer() or hide(); for pop-ups, so that a click anywhere else
     * closes them. Takes over this client's own implicit grab of a held
     * button. False when another client holds a grab.
     */
    bool grabPointer();
    void ungrabPointer();
    bool hasPointerGrab() const { return m_grabbed; }
    /** Keyboard focus to this window; false when it is not viewable. */
    bool setInputFocus();
    /** Screen position of the window point x, y. */
    bool translateToScreen(int x, int y, int& screenX, int& screenY) const;
    void setCursor(EX11Cursor cursor);

private:
    void handleX11Event(const XEvent& event) override;
    /** The display for a trap around a request on the window: the window's when it may vanish, else none. */
    Display* displayIfItMayVanish() const { return mayVanish() ? m_display.getDisplay() : nullptr; }
    bool create(Window parent, int x, int y, int width, int height, bool overrideRedirect);
    void setSizeHints();
    void sendStateMessage(Atom state, bool set);

    CX11Display& m_display;
    IX11EventHandler* m_handler;
    Window m_window;
    int m_x;
    int m_y;
    int m_width;
    int m_height;
    bool m_topLevel;
    bool m_resizable;
    bool m_mapped;
    bool m_grabbed;
    bool m_keptAbove;
    bool m_foreignParent;
};

}}}  // namespace Corvane::GUI::Windowing
