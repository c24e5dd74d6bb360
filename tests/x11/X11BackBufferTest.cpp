// The back buffer: what is drawn reaches the window with one copy of the rectangle given.
#include "CX11Fixture.hpp"

#include "gui/windowing/CX11BackBuffer.hpp"

#include <cairo-xlib.h>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;

namespace {

class X11BackBuffer : public CX11Fixture {};

void fill(cairo_surface_t* surface, double red, double green, double blue, double x, double y, double width,
          double height)
{
    cairo_t* context = cairo_create(surface);
    cairo_set_source_rgb(context, red, green, blue);
    cairo_rectangle(context, x, y, width, height);
    cairo_fill(context);
    cairo_destroy(context);
}

}  // namespace

TEST_F(X11BackBuffer, PresentPutsTheDrawnPixelsOnTheWindow)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    ASSERT_TRUE(window.createTopLevel(30, 30, 200, 100, false));
    window.show();
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputExpose) > 0; }));
    const Window w = window.getWindowId();

    CX11BackBuffer buffer(display());
    ASSERT_TRUE(buffer.prepare(200, 100));
    fill(buffer.getSurface(), 0, 1, 0, 0, 0, 200, 100);
    fill(buffer.getSurface(), 1, 0, 0, 50, 20, 40, 30);
    buffer.present(window, 0, 0, 200, 100);
    XSync(display().getDisplay(), False);
    EXPECT_EQ(pixel(w, 10, 10), 0x00FF00UL);
    EXPECT_EQ(pixel(w, 50, 20), 0xFF0000UL);
    EXPECT_EQ(pixel(w, 89, 49), 0xFF0000UL);
    EXPECT_EQ(pixel(w, 90, 50), 0x00FF00UL);

    // Only the rectangle given is copied.
    fill(buffer.getSurface(), 0, 0, 1, 0, 0, 200, 100);
    buffer.present(window, 0, 0, 100, 100);
    XSync(display().getDisplay(), False);
    EXPECT_EQ(pixel(w, 99, 50), 0x0000FFUL);
    EXPECT_EQ(pixel(w, 100, 50), 0x00FF00UL);

    // The same size keeps the surface; another size makes one of that size.
    cairo_surface_t* const before = buffer.getSurface();
    ASSERT_TRUE(buffer.prepare(200, 100));
    EXPECT_EQ(buffer.getSurface(), before);
    window.moveAndResize(30, 30, 300, 150);
    ASSERT_TRUE(buffer.prepare(300, 150));
    EXPECT_EQ(cairo_xlib_surface_get_width(buffer.getSurface()), 300);
    EXPECT_EQ(cairo_xlib_surface_get_height(buffer.getSurface()), 150);
    fill(buffer.getSurface(), 1, 1, 1, 0, 0, 300, 150);
    buffer.present(window, 250, 120, 100, 100);
    XSync(display().getDisplay(), False);
    EXPECT_EQ(pixel(w, 299, 149), 0xFFFFFFUL);
    EXPECT_FALSE(buffer.prepare(0, 150));
    EXPECT_EQ(buffer.getSurface(), nullptr);
}
