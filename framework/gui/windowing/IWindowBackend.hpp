#pragma once

#include "gui/windowing/CCursor.hpp"
#include "gui/windowing/CWindow.hpp"
#include "math/CDimension.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * The window system's side of one CWindow: at most one platform window, made
 * by one of the create operations, and the buffer it is painted through. Made
 * by a window tree's connection (IWindowConnection::createWindow); its events
 * reach the CWindow as window input while that connection is pumped.
 * Destroying the backend destroys its platform window and gives up a pointer
 * grab it holds.
 *
 * A child of a foreign window (a host's) may be destroyed by its owner at any
 * moment: no request of the backend on it may then reach the process's error
 * handler, and the backend learns of the end from the window system's news.
 *
 * Every area and size here is in the platform's pixels (the screen's), which
 * the CWindow maps from and to its own; so is every position of the window
 * input it reports.
 */
class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;

    /** A hidden top-level window at area, dressed for the role and the attributes. */
    virtual bool createTopLevel(const Corvane::MathTools::CRect& area, const CWindowAttributes& attributes,
                                CWindow::EWindowRole role) = 0;
    /** A hidden pop-up at area that no window manager touches. */
    virtual bool createPopup(const Corvane::MathTools::CRect& area, double alpha) = 0;
    /** A shown child of a foreign window (its id), at its top left. False when the parent is 0 or gone. */
    virtual bool createChild(unsigned long parent, const Corvane::MathTools::CDimension& size) = 0;

    /** The window system's id of the window; 0 while there is none. */
    virtual unsigned long getWindowId() const = 0;
    /** On the screen, as the window system last said; false from hide() on. */
    virtual bool isShown() const = 0;
    virtual void show() = 0;
    virtual void hide() = 0;
    /** News of the window's geometry from before the request is not reported any more (it would undo this one). */
    virtual void moveAndResize(const Corvane::MathTools::CRect& area) = 0;
    virtual void setOpacity(double alpha) = 0;
    virtual void setCursor(CCursor::ECursorShape shape) = 0;
    /** Pop-ups: every pointer event comes to this window until it is hidden; false when another client holds it. */
    virtual bool grabPointer() = 0;
    /** Keyboard focus now, or as soon as the window is on the screen. */
    virtual void requestFocus() = 0;
    /** The top-left corner of the window on the screen; false when the window system cannot tell. */
    virtual bool getScreenPosition(Corvane::MathTools::CPoint& position) const = 0;

    /**
     * Starts painting: graphics draws on the window's buffer, which has
     * CDeviceScale(scale).toDevice(size) pixels, in the size's own pixels
     * (CCairoContext::initialiseGraphics with the scale). whole is set when the buffer
     * is new, so everything must be painted. False when there is nothing to
     * paint on.
     */
    virtual bool beginPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CDimension& size, double scale,
                            bool& whole) = 0;
    /** Ends painting and puts the area (the buffer's pixels) on the screen, sent with the connection's next flush. */
    virtual void endPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CRect& area) = 0;
};

}}}  // namespace Corvane::GUI::Windowing
