// Private to the windowing code: the X11 side of one CWindow. The header
// names no X11 type, so CWindow's own source stays free of Xlib.
#pragma once

#include "basics/CString.hpp"
#include "gui/windowing/CWindow.hpp"
#include "math/CDimension.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

class CX11BackBuffer;
class CX11Display;
class CX11Window;
class CX11WindowHandler;

/**
 * A CWindow's X window, its back buffer and its timers on the connection of
 * its window tree. The peer of a tree's root opened that connection (or was
 * handed it); the peers of owned windows share it. Events of the X window
 * reach the CWindow as window input, timers as timer events.
 *
 * Destroying the peer stops its timers, gives up its pointer grab and
 * destroys its X window; the connection closes with the last peer on it.
 */
class CX11WindowPeer {
public:
    /** A peer on a new connection to $DISPLAY; null without a display. */
    static CX11WindowPeer* openConnection(CWindow& window);
    /** A peer on the connection of another peer. */
    static CX11WindowPeer* shareConnection(CWindow& window, const CX11WindowPeer& other);

    ~CX11WindowPeer();
    CX11WindowPeer(const CX11WindowPeer&) = delete;
    CX11WindowPeer& operator=(const CX11WindowPeer&) = delete;

    /** A hidden top-level window at area, dressed for the role and the attributes. */
    bool createTopLevel(const Corvane::MathTools::CRect& area, const CWindowAttributes& attributes,
                        CWindow::EWindowRole role);
    /** A hidden pop-up at area that no window manager touches. */
    bool createPopup(const Corvane::MathTools::CRect& area, double alpha);
    /** A shown child of a foreign window, at its top left. */
    bool createChild(unsigned long parent, const Corvane::MathTools::CDimension& size);

    unsigned long getWindowId() const;
    /** Mapped, as the server last said. */
    bool isShown() const { return m_shown; }
    void show();
    void hide();
    void moveAndResize(const Corvane::MathTools::CRect& area);
    void setOpacity(double alpha);
    void setCursor(const CCursor* cursor);
    bool grabPointer();
    /** Focus now, or once the window is mapped when it is not yet. */
    void requestFocus();
    bool getScreenPosition(Corvane::MathTools::CPoint& position) const;
    Corvane::MathTools::CDimension getScreenSize() const;

    void startTimer(long id, long milliseconds);
    void stopTimer(long id);

    long pump();
    bool waitForEvents(long maxMilliseconds);

    /**
     * Starts painting: graphics draws on the back buffer of size. whole is
     * set when the buffer is new, so everything must be painted. False when
     * there is nothing to paint on.
     */
    bool beginPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CDimension& size, bool& whole);
    /** Ends painting and shows the area on the screen. */
    void endPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CRect& area);

private:
    friend class CX11WindowHandler;

    CX11WindowPeer(CWindow& window, CX11Display& display);
    void handleEvent(const void* event);
    void handleTimer(long id);

    CWindow& m_window;
    CX11Display& m_display;
    CX11WindowHandler* m_handler;
    CX11Window* m_x11Window;
    CX11BackBuffer* m_backBuffer;
    /** The first request of the latest showing. */
    unsigned long m_shownSerial;
    bool m_shown;
    bool m_focusWanted;
    bool m_grabWanted;
};

}}}  // namespace Corvane::GUI::Windowing
