#include "gui/windowing/x11/CX11WindowBackend.hpp"

#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/IWindowInputListener.hpp"
#include "gui/windowing/x11/CX11BackBuffer.hpp"
#include "gui/windowing/x11/CX11Display.hpp"
#include "gui/windowing/x11/CX11Window.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

CX11WindowBackend::CX11WindowBackend(CX11Display& display, IWindowInputListener& listener)
    : m_display(display),
      m_listener(listener),
      m_x11Window(nullptr),
      m_backBuffer(nullptr),
      m_shownSerial(0),
      m_resizedSerial(0),
      m_shown(false),
      m_focusWanted(false),
      m_grabWanted(false)
{
    m_display.referenced();
    m_x11Window = new CX11Window(m_display, this);
    m_backBuffer = new CX11BackBuffer(m_display);
}

CX11WindowBackend::~CX11WindowBackend()
{
    delete m_backBuffer;
    // Gives up a grab, then destroys the X window.
    delete m_x11Window;
    m_display.flush();
    // The last window of a tree closes its connection.
    m_display.dereference();
}

bool CX11WindowBackend::createTopLevel(const CRect& area, const CWindowAttributes& attributes,
                                       CWindow::EWindowRole role)
{
    const bool resizable = (attributes.getWindowAttributes() & CWindowAttributes::CWINDOWATTRIBUTES_RESIZABLE) != 0;
    if (!m_x11Window->createTopLevel(static_cast<int>(area.getLeft()), static_cast<int>(area.getTop()),
                                     static_cast<int>(area.getWidth()), static_cast<int>(area.getHeight()),
                                     resizable && role == CWindow::CWINDOW_ROLE_NORMAL)) {
        return false;
    }
    m_x11Window->setTitle(attributes.getTitle().getString());
    m_x11Window->setBorderless(attributes.isPlain() || role == CWindow::CWINDOW_ROLE_SPLASH);
    if (role == CWindow::CWINDOW_ROLE_SPLASH) {
        m_x11Window->setWindowType(e_splashWindowType);
        m_x11Window->setKeptAbove(true);
    } else if (role == CWindow::CWINDOW_ROLE_DIALOG) {
        m_x11Window->setWindowType(e_dialogWindowType);
        m_x11Window->setKeptAbove(true);
    }
    m_x11Window->setOpacity(attributes.getWindowAlpha());
    return true;
}

bool CX11WindowBackend::createPopup(const CRect& area, double alpha)
{
    if (!m_x11Window->createPopup(static_cast<int>(area.getLeft()), static_cast<int>(area.getTop()),
                                  static_cast<int>(area.getWidth()), static_cast<int>(area.getHeight()))) {
        return false;
    }
    m_x11Window->setOpacity(alpha);
    return true;
}

bool CX11WindowBackend::createChild(unsigned long parent, const CDimension& size)
{
    return m_x11Window->createChild(parent, static_cast<int>(size.getWidth()), static_cast<int>(size.getHeight()));
}

unsigned long CX11WindowBackend::getWindowId() const
{
    return m_x11Window->getWindowId();
}

void CX11WindowBackend::show()
{
    m_shownSerial = NextRequest(m_display.getDisplay());
    m_x11Window->show();
}

void CX11WindowBackend::hide()
{
    m_focusWanted = false;
    m_grabWanted = false;
    m_x11Window->hide();
    // Not shown from now on, whatever the server says later: nothing is painted into a hidden window.
    m_shown = false;
}

void CX11WindowBackend::moveAndResize(const CRect& area)
{
    m_resizedSerial = NextRequest(m_display.getDisplay());
    m_x11Window->moveAndResize(static_cast<int>(area.getLeft()), static_cast<int>(area.getTop()),
                               static_cast<int>(area.getWidth()), static_cast<int>(area.getHeight()));
    // Painting follows the pump's reading: the copy is sent now, not at the next pump.
    m_display.flush();
}

void CX11WindowBackend::setOpacity(double alpha)
{
    m_x11Window->setOpacity(alpha);
}

void CX11WindowBackend::setCursor(CCursor::ECursorShape shape)
{
    m_x11Window->setCursor(shape == CCursor::CCURSOR_SHAPE_HAND ? e_handCursor : e_arrowCursor);
}

bool CX11WindowBackend::grabPointer()
{
    // A window not on the screen yet takes the grab when the server shows it.
    m_grabWanted = !m_x11Window->grabPointer();
    return !m_grabWanted;
}

void CX11WindowBackend::requestFocus()
{
    // A window manager maps a top-level window in its own time: until then the focus cannot go there.
    m_focusWanted = !(m_shown && m_x11Window->setInputFocus());
}

bool CX11WindowBackend::getScreenPosition(CPoint& position) const
{
    int x = 0;
    int y = 0;
    if (!m_x11Window->translateToScreen(0, 0, x, y)) {
        return false;
    }
    position.setPoint(x, y);
    return true;
}

bool CX11WindowBackend::beginPaint(Graphics::CGraphics& graphics, const CDimension& size, double scale, bool& whole)
{
    // The server is still reading the last picture from the shared image: this pump paints nothing.
    if (!m_x11Window->isCreated() || m_backBuffer->isBusy()) {
        return false;
    }
    const CDimension pixels = Graphics::CDeviceScale(scale).toDevice(size);
    const int width = static_cast<int>(pixels.getWidth());
    const int height = static_cast<int>(pixels.getHeight());
    whole = m_backBuffer->getSurface() == nullptr || m_backBuffer->getWidth() != width ||
            m_backBuffer->getHeight() != height;
    if (!m_backBuffer->prepare(width, height)) {
        return false;
    }
    cairo_t* context = cairo_create(m_backBuffer->getSurface());
    Graphics::CCairoContext::initialiseGraphics(graphics, context, size, scale);
    cairo_destroy(context);
    return true;
}

void CX11WindowBackend::endPaint(Graphics::CGraphics& graphics, const CRect& area)
{
    graphics.uninitialise();
    // Painting follows the pump's reading: the pump sends the copy when it ends, not at the next pump.
    m_backBuffer->present(*m_x11Window, static_cast<int>(area.getLeft()), static_cast<int>(area.getTop()),
                          static_cast<int>(area.getWidth()), static_cast<int>(area.getHeight()));
}

void CX11WindowBackend::handleX11Event(const XEvent& event)
{
    SWindowInput input;
    if (!m_display.getInputTranslator().translate(event, input)) {
        return;
    }
    // Hidden and shown again before the news was read: the focus it lost then is no news of this showing.
    if ((input.kind == e_inputFocusOut || input.kind == e_inputFocusIn) && event.xany.serial < m_shownSerial) {
        return;
    }
    // A size the window had before it was last resized: reported now, it would undo the resize.
    if (input.kind == e_inputConfigured && event.xany.serial < m_resizedSerial) {
        return;
    }
    if (input.kind == e_inputShown) {
        m_shown = true;
        if (m_grabWanted) {
            m_grabWanted = !m_x11Window->grabPointer();
        }
        if (m_focusWanted) {
            m_focusWanted = !m_x11Window->setInputFocus();
        }
    } else if (input.kind == e_inputHidden || input.kind == e_inputDestroyed) {
        m_shown = false;
    }
    // The window may destroy this backend: nothing of it is touched after the call.
    m_listener.handlePlatformInput(input);
}

}}}  // namespace Corvane::GUI::Windowing
