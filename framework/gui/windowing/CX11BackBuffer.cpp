#include "gui/windowing/CX11BackBuffer.hpp"

#include "gui/windowing/CX11ErrorTrap.hpp"

#include <cairo-xlib.h>

#include <algorithm>

namespace Corvane { namespace GUI { namespace Windowing {

CX11BackBuffer::CX11BackBuffer(CX11Display& display)
    : m_display(display),
      m_pixmap(0),
      m_gc(nullptr),
      m_surface(nullptr),
      m_width(0),
      m_height(0)
{
    m_display.referenced();
}

CX11BackBuffer::~CX11BackBuffer()
{
    release();
    m_display.dereference();
}

bool CX11BackBuffer::prepare(int width, int height)
{
    if (width <= 0 || height <= 0) {
        release();
        return false;
    }
    if (m_surface != nullptr && width == m_width && height == m_height) {
        return true;
    }
    release();
    Display* const display = m_display.getDisplay();
    m_pixmap = XCreatePixmap(display, m_display.getRootWindow(), static_cast<unsigned int>(width),
                             static_cast<unsigned int>(height), static_cast<unsigned int>(m_display.getDepth()));
    XGCValues values;
    // A copy between a pixmap and a window never needs the server to report unpainted parts.
    values.graphics_exposures = False;
    m_gc = XCreateGC(display, m_pixmap, GCGraphicsExposures, &values);
    m_surface = cairo_xlib_surface_create(display, m_pixmap, m_display.getVisual(), width, height);
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        release();
        return false;
    }
    m_width = width;
    m_height = height;
    return true;
}

void CX11BackBuffer::release()
{
    Display* const display = m_display.getDisplay();
    if (m_surface != nullptr) {
        cairo_surface_destroy(m_surface);
        m_surface = nullptr;
    }
    if (m_gc != nullptr) {
        XFreeGC(display, m_gc);
        m_gc = nullptr;
    }
    if (m_pixmap != 0) {
        XFreePixmap(display, m_pixmap);
        m_pixmap = 0;
    }
    m_width = 0;
    m_height = 0;
}

void CX11BackBuffer::present(const CX11Window& window, int x, int y, int width, int height)
{
    if (m_surface == nullptr || !window.isCreated()) {
        return;
    }
    const long left = std::max(0, x);
    const long top = std::max(0, y);
    const long right = std::min(static_cast<long>(m_width), static_cast<long>(x) + width);
    const long bottom = std::min(static_cast<long>(m_height), static_cast<long>(y) + height);
    if (right <= left || bottom <= top) {
        return;
    }
    cairo_surface_flush(m_surface);
    // The host may have destroyed its window, and ours inside it, before the news reaches us.
    CX11ErrorTrap trap(window.mayVanish() ? m_display.getDisplay() : nullptr);
    XCopyArea(m_display.getDisplay(), m_pixmap, window.getWindowId(), m_gc, static_cast<int>(left),
              static_cast<int>(top), static_cast<unsigned int>(right - left), static_cast<unsigned int>(bottom - top),
              static_cast<int>(left), static_cast<int>(top));
}

}}}  // namespace Corvane::GUI::Windowing
