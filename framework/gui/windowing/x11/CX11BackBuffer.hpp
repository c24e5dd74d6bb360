// The image a window is painted into before it is shown.
#pragma once

#include "gui/windowing/x11/CX11Window.hpp"

#include <X11/Xlib.h>
#include <cairo.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A Cairo image of a window's size, in the process's memory. Draw on the
 * surface, then present() the changed rectangle: one XPutImage puts it on the
 * window, so the window never shows a half-drawn state. The image keeps its
 * content between paints; a change of size makes a new one, whose content is
 * undefined until it is painted whole.
 *
 * Cairo draws here without an X surface: Cairo's X backend changes the
 * process-wide X error handler whenever it starts or finishes its record of a
 * connection, and the host's other threads would lose their errors meanwhile.
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
    /** Frees the image. */
    void release();

    /** Null until prepare() succeeds. Flushed by present(). */
    cairo_surface_t* getSurface() const { return m_surface; }
    int getWidth() const { return m_width; }
    int getHeight() const { return m_height; }

    /** Copies the rectangle, cut to the buffer, to the same place in window. */
    void present(const CX11Window& window, int x, int y, int width, int height);

private:
    /** The buffer's pixels as an X image of the window's visual: the same memory when the formats agree. */
    XImage* imageOf(int x, int y, int width, int height, int& imageX, int& imageY);

    CX11Display& m_display;
    GC m_gc;
    cairo_surface_t* m_surface;
    XImage* m_image;
    int m_width;
    int m_height;
};

}}}  // namespace Corvane::GUI::Windowing
