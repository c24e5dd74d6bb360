// Windows: a child of a host's window that may vanish, the error trap,
// top-level hints for a window manager, and pop-ups with a pointer grab.
#include "CX11Fixture.hpp"

#include "gui/windowing/CX11BackBuffer.hpp"
#include "gui/windowing/CX11ErrorTrap.hpp"
#include "gui/windowing/CX11Window.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;

namespace {

class X11Window : public CX11Fixture {};

}  // namespace

TEST_F(X11Window, ChildOfAHostWindowThatVanishes)
{
    CInputRecorder recorder(display());
    const Window host = createHostWindow(50, 40, 300, 200);
    CX11Window child(display(), &recorder);
    ASSERT_TRUE(child.createChild(host, 120, 80));
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputExpose) > 0; }));
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(observer(), child.getWindowId(), &attributes));
    EXPECT_EQ(attributes.width, 120);
    EXPECT_EQ(attributes.height, 80);
    EXPECT_EQ(attributes.map_state, IsViewable);
    int screenX = 0, screenY = 0;
    ASSERT_TRUE(child.translateToScreen(5, 6, screenX, screenY));
    EXPECT_EQ(screenX, 55);
    EXPECT_EQ(screenY, 46);

    // The host destroys its window, and with it the child: the child is told, and asks nothing more of it.
    XDestroyWindow(observer(), host);
    XSync(observer(), False);
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputDestroyed) == 1; }));
    EXPECT_FALSE(child.isCreated());
    EXPECT_FALSE(child.setInputFocus());

    // A host window of another depth (a compositing host's 32-bit window) holds the child too.
    XVisualInfo argb;
    if (XMatchVisualInfo(observer(), DefaultScreen(observer()), 32, TrueColor, &argb)) {
        XSetWindowAttributes deep;
        deep.colormap = XCreateColormap(observer(), DefaultRootWindow(observer()), argb.visual, AllocNone);
        deep.border_pixel = 0;
        const Window deepHost = XCreateWindow(observer(), DefaultRootWindow(observer()), 0, 0, 200, 100, 0, 32,
                                              InputOutput, argb.visual, CWColormap | CWBorderPixel, &deep);
        XMapWindow(observer(), deepHost);
        XSync(observer(), False);
        CX11Window inDeep(display(), &recorder);
        EXPECT_TRUE(inDeep.createChild(deepHost, 120, 80));
        XSync(display().getDisplay(), False);
        inDeep.destroy();
        XDestroyWindow(observer(), deepHost);
        XFreeColormap(observer(), deep.colormap);
    } else {
        ADD_FAILURE() << "the test server offers no 32-bit visual";
    }

    // A child of a window id that is gone: refused without an X error reaching the process.
    CX11Window orphan(display(), &recorder);
    EXPECT_FALSE(orphan.createChild(host, 120, 80));
    EXPECT_FALSE(orphan.isCreated());
    // Closing before the news of the host's destroy has been read makes no error either.
    const Window secondHost = createHostWindow(50, 40, 300, 200);
    CX11Window late(display(), &recorder);
    ASSERT_TRUE(late.createChild(secondHost, 120, 80));
    XSync(display().getDisplay(), False);
    XDestroyWindow(observer(), secondHost);
    XSync(observer(), False);
    // Nor do painting and a pointer change that come before that news.
    CX11BackBuffer buffer(display());
    ASSERT_TRUE(buffer.prepare(120, 80));
    buffer.present(late, 0, 0, 120, 80);
    late.setCursor(e_handCursor);
    XSync(display().getDisplay(), False);
    late.destroy();

    // The trap records the error of its own request and puts the test's handler back exactly.
    XWindowAttributes gone;
    CX11ErrorTrap trap(display().getDisplay());
    XGetWindowAttributes(display().getDisplay(), host, &gone);
    EXPECT_FALSE(trap.release());
    EXPECT_EQ(trap.getErrorCode(), BadWindow);
    const XErrorHandler current = XSetErrorHandler(nullptr);
    XSetErrorHandler(current);
    EXPECT_EQ(current, testErrorHandler());
    CX11ErrorTrap harmless(display().getDisplay());
    XGetWindowAttributes(display().getDisplay(), display().getRootWindow(), &gone);
    EXPECT_TRUE(harmless.release());
}

// Borderless, kept above and translucent are read back from the about window, which asks for all three.
TEST_F(X11Window, TopLevelHintsForTheWindowManager)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    ASSERT_TRUE(window.createTopLevel(10, 20, 300, 200, false));
    window.setTitle("Tenvira \xC3\xA9");
    window.setWindowType(e_splashWindowType);
    window.centreOnScreen();
    window.setCursor(e_handCursor);
    window.show();
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputExpose) > 0; }));
    const Window w = window.getWindowId();

    std::string title;
    property(w, atom("_NET_WM_NAME"), &title);
    EXPECT_EQ(title, "Tenvira \xC3\xA9");
    EXPECT_EQ(property(w, atom("WM_PROTOCOLS")), std::vector<long>({static_cast<long>(atom("WM_DELETE_WINDOW"))}));
    EXPECT_EQ(property(w, atom("_NET_WM_WINDOW_TYPE")),
              std::vector<long>({static_cast<long>(atom("_NET_WM_WINDOW_TYPE_SPLASH"))}));
    XSizeHints hints;
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(observer(), w, &hints, &supplied));
    EXPECT_EQ(hints.min_width, 300);
    EXPECT_EQ(hints.max_height, 200);
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(observer(), w, &attributes));
    EXPECT_EQ(attributes.x, (SCREEN_WIDTH - 300) / 2);
    EXPECT_EQ(attributes.y, (SCREEN_HEIGHT - 200) / 2);

    // A close by the window manager arrives as a request, not as a destroyed window.
    sendCloseRequest(w);
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputCloseRequested) == 1; }));
    EXPECT_TRUE(window.isCreated());
}

TEST_F(X11Window, PopupGrabsThePointerUntilItLetsGo)
{
    CInputRecorder ownerInput(display()), popupInput(display());
    CX11Window owner(display(), &ownerInput);
    ASSERT_TRUE(owner.createTopLevel(0, 0, 300, 300, false));
    owner.show();
    CX11Window popup(display(), &popupInput);
    ASSERT_TRUE(popup.createPopup(400, 100, 120, 90));
    popup.show();
    ASSERT_TRUE(pumpUntil([&] { return ownerInput.count(e_inputExpose) > 0 && popupInput.count(e_inputExpose) > 0; }));
    XWindowAttributes attributes;
    ASSERT_TRUE(XGetWindowAttributes(observer(), popup.getWindowId(), &attributes));
    EXPECT_TRUE(attributes.override_redirect);
    EXPECT_EQ(attributes.x, 400);

    // Grabbed, a click anywhere else, even in the owner's window, comes to the pop-up, outside its area.
    ASSERT_TRUE(popup.grabPointer());
    input("mousemove 50 60 click 3");
    ASSERT_TRUE(pumpUntil([&] { return popupInput.count(e_inputButtonUp) == 1; }));
    const auto press = popupInput.of({e_inputButtonDown}).at(0);
    EXPECT_EQ(press.x, 50 - 400);
    EXPECT_EQ(press.y, 60 - 100);
    EXPECT_EQ(ownerInput.count(e_inputButtonDown), 0);

    // Hidden, it lets go: the owner gets its clicks again.
    popup.hide();
    EXPECT_FALSE(popup.hasPointerGrab());
    input("click 3");
    ASSERT_TRUE(pumpUntil([&] { return ownerInput.count(e_inputButtonUp) == 1; }));
    EXPECT_EQ(popupInput.count(e_inputButtonDown), 1);

    // Another client's grab wins.
    popup.show();
    ASSERT_EQ(XGrabPointer(observer(), DefaultRootWindow(observer()), False, ButtonPressMask, GrabModeAsync,
                           GrabModeAsync, None, None, CurrentTime),
              GrabSuccess);
    EXPECT_FALSE(popup.grabPointer());
    XUngrabPointer(observer(), CurrentTime);
}
