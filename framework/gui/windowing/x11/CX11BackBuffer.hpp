// The image a window is painted into before it is shown.
#pragma once

#include "gui/windowing/x11/CX11Window.hpp"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <cairo.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A Cairo image of a window's size, in the process's memory. Draw on the
 * surface, then present() the changed rectangle: one request puts it on the
 * window, so the window never shows a half-drawn state. The image keeps its
 * content between paints; a change of size makes a new one, whose content is
 * undefined until it is painted whole.
 *
 * Where the server shares memory with the process (MIT-SHM: a local server)
 * and takes Cairo's pixels as they are, the image lies in a shared segment
 * and the server reads it from there; otherwise the pixels travel with
 * XPutImage, converted one by one for a visual of another format. While the
 * server has not yet taken a shared image, it is busy: nothing may draw on
 * it, and nothing waits for the server either.
 *
 * Cairo draws here without an X surface: Cairo's X backend changes the
 * process-wide X error handler whenever it starts or finishes its record of a
 * connection, and the host's other threads would lose their errors meanwhile.
 */
class CX11BackBuffer {
public:
    /** Without sharedMemory the pixels always travel with the request (as to a remote server). */
    explicit CX11BackBuffer(CX11Display& display, bool sharedMemory = true);
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
    /** The server has not yet read the shared image sent last: drawing must wait for a later pump. */
    bool isBusy() const;
    bool isShared() const { return m_shared; }

private:
    /** The image in a shared segment the server has attached; false, with nothing made, when it cannot be. */
    bool makeShared(int width, int height);
    /** The buffer's pixels as an X image of the window's visual: the same memory when the formats agree. */
    XImage* imageOf(int x, int y, int width, int height, int& imageX, int& imageY);

    CX11Display& m_display;
    bool m_mayShare;
    GC m_gc;
    cairo_surface_t* m_surface;
    XImage* m_image;
    bool m_shared;
    XShmSegmentInfo m_segment;
    /** The serial of the latest XShmPutImage; the server's completion event reports it read. */
    unsigned long m_putSerial;
    int m_width;
    int m_height;
};

}}}  // namespace Corvane::GUI::Windowing
