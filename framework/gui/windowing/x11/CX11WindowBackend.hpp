// The X11 side of one CWindow.
#pragma once

#include "gui/windowing/IWindowBackend.hpp"
#include "gui/windowing/x11/IX11EventHandler.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

class CX11BackBuffer;
class CX11Display;
class CX11Window;
class IWindowInputListener;

/**
 * A CWindow's X window and its back buffer on the display of its window tree
 * (which it keeps referenced). Events of the X window reach the window's
 * listener as window input.
 *
 * Destroying the backend gives up its pointer grab and destroys its X window.
 */
class CX11WindowBackend : public IWindowBackend, private IX11EventHandler {
public:
    CX11WindowBackend(CX11Display& display, IWindowInputListener& listener);
    ~CX11WindowBackend() override;
    CX11WindowBackend(const CX11WindowBackend&) = delete;
    CX11WindowBackend& operator=(const CX11WindowBackend&) = delete;

    bool createTopLevel(const Corvane::MathTools::CRect& area, const CWindowAttributes& attributes,
                        CWindow::EWindowRole role) override;
    bool createPopup(const Corvane::MathTools::CRect& area, double alpha) override;
    bool createChild(unsigned long parent, const Corvane::MathTools::CDimension& size) override;

    unsigned long getWindowId() const override;
    bool isShown() const override { return m_shown; }
    void show() override;
    void hide() override;
    void moveAndResize(const Corvane::MathTools::CRect& area) override;
    void setOpacity(double alpha) override;
    void setCursor(CCursor::ECursorShape shape) override;
    bool grabPointer() override;
    void requestFocus() override;
    bool getScreenPosition(Corvane::MathTools::CPoint& position) const override;

    bool beginPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CDimension& size, double scale,
                    bool& whole) override;
    void endPaint(Graphics::CGraphics& graphics, const Corvane::MathTools::CRect& area) override;

private:
    void handleX11Event(const XEvent& event) override;

    CX11Display& m_display;
    IWindowInputListener& m_listener;
    CX11Window* m_x11Window;
    CX11BackBuffer* m_backBuffer;
    /** The first request of the latest showing. */
    unsigned long m_shownSerial;
    /** The request of the latest move and resize: the server's news of the geometry before it is stale. */
    unsigned long m_resizedSerial;
    bool m_shown;
    bool m_focusWanted;
    bool m_grabWanted;
};

}}}  // namespace Corvane::GUI::Windowing
