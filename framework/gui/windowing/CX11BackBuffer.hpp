// The off-screen image a window is painted into before it is shown.
#pragma once

#include "gui/windowing/CX11Window.hpp"

#include <X11/Xlib.h>
#include <cairo.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A pixmap of a window's size with a Cairo surface on it. Draw on the
 * surface, then present() the changed rectangle: one copy puts it on the
 * window, so the window never shows a half-drawn state. The pixmap keeps
 * its content between paints; a change of size makes a new one, whose
 * content is undefined until it is painted whole.
 */
class CX11BackBuffer {
public:
    explicit CX11BackBuffer(CX11Display& display);
    ~CX11BackBuffer();
    CX11BackBuffer(const CX11BackBuffer&) = delete;
    CX11BackBuffer& operator=(const CX11BackBuffer&) = delete;

    /**
     * Makes the buffer width x height, keeping the present one when it has
     * that size already. False when there is nothing to draw on.
     */
    bool prepare(int width, int height);
    /** Frees the pixmap and the surface. */
    void release();

    /** Null until prepare() succeeds. Flushed by present(). */
    cairo_surface_t* getSurface() const { return m_surface; }
    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }

    /** Copies the rectangle, cut to the buffer, to the same place in window. */
    void present(const CX11Window& window, int x, int y, int width, int height);

private:
    CX11Display& m_display;
    Pixmap m_pixmap;
    GC m_gc;
    cairo_surface_t* m_surface;
    int m_width;
    int m_height;
};

}}}  // namespace Corvane::GUI::Windowing
