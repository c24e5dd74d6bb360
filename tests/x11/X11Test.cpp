// The X11 layer on a real server: the display's pump, windows inside a host's
// window that may vanish, the error trap, pop-ups with a pointer grab, the back
// buffer, and real input translated. The window logic above it is tested
// against a stub window system (tests/gui); the window manager's hints are
// read back from the about window and the alert.
#include "CX11Fixture.hpp"

#include "exceptions/CException.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/windowing/CWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/x11/CX11BackBuffer.hpp"
#include "gui/windowing/x11/CX11ErrorTrap.hpp"
#include "host/CDisplayInformation.hpp"

#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <future>
#include <map>
#include <memory>
#include <string>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;
using Corvane::Host::CDisplayInformation;

namespace {

using CClock = std::chrono::steady_clock;
using X11Display = CX11Fixture;
using X11Window = CX11Fixture;
using X11Input = CX11Fixture;

/** Destroys another window when its own window is pressed. */
class CDestroyingRecorder : public CInputRecorder {
public:
    using CInputRecorder::CInputRecorder;
    void handleX11Event(const XEvent& event) override
    {
        CInputRecorder::handleX11Event(event);
        if (event.type == ButtonPress) {
            victim.reset();
        }
    }
    std::unique_ptr<CX11Window> victim;
};

void fill(cairo_surface_t* surface, double red, double green, double blue, double x, double y, double width,
          double height)
{
    cairo_t* context = cairo_create(surface);
    cairo_set_source_rgb(context, red, green, blue);
    cairo_rectangle(context, x, y, width, height);
    cairo_fill(context);
    cairo_destroy(context);
}

std::vector<EWindowInputKind> leftPresses(const CInputRecorder& recorder)
{
    std::vector<EWindowInputKind> kinds;
    for (const SWindowInput& input : recorder.of({e_inputButtonDown, e_inputDoubleClick})) {
        if (input.button == e_leftButton) {
            kinds.push_back(input.kind);
        }
    }
    return kinds;
}

}  // namespace

TEST(X11DisplayWithoutServer, NoDisplayIsAnAnswerNotAWait)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved != nullptr ? saved : "";
    unsetenv("DISPLAY");
    const auto start = CClock::now();
    EXPECT_EQ(CX11Display::openDisplay(), nullptr);
    EXPECT_EQ(CX11Display::openDisplay(""), nullptr);
    // A display number nobody serves.
    EXPECT_EQ(CX11Display::openDisplay(":31999"), nullptr);
    EXPECT_LT(CClock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(CDisplayInformation::getMonitorScreenWidth(), 0);
    // A framework window opens nothing and is not made.
    CWindow window(Corvane::MathTools::CRect(0, 0, 100, 100));
    EXPECT_FALSE(window.waitForEvents(0));
    EXPECT_FALSE(window.createEmbeddedWindow(12345));
    CWindowAttributes attributes;
    try {
        window.initialiseWindow(&attributes, true);
        ADD_FAILURE() << "created without a display";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Failed to create window structure");
    }
    EXPECT_FALSE(window.isWindowCreated());
    EXPECT_EQ(window.getWindowHandle(), 0u);
    if (saved != nullptr) {
        setenv("DISPLAY", previous.c_str(), 1);
    }
}

TEST_F(X11Display, PumpHandsEachEventToItsOwnWindowAndNeverWaits)
{
    EXPECT_EQ(CDisplayInformation::getMonitorScreenWidth(), SCREEN_WIDTH);
    EXPECT_EQ(CDisplayInformation::getMonitorScreenHeight(), SCREEN_HEIGHT);

    CDestroyingRecorder first(display());
    CInputRecorder second(display());
    CX11Window firstWindow(display(), &first);
    first.victim.reset(new CX11Window(display(), &second));
    showTopLevel(firstWindow, first, 0, 0, 100, 100);
    // A window of the same connection that nobody registered: its events are dropped.
    Display* const x = display().getDisplay();
    const Window stray = XCreateSimpleWindow(x, display().getRootWindow(), 400, 0, 100, 100, 0, 0, 0);
    XSelectInput(x, stray, ButtonPressMask | ButtonReleaseMask | ExposureMask);
    XMapWindow(x, stray);
    showTopLevel(*first.victim, second, 200, 0, 100, 100);
    const std::string secondId = id(first.victim->getWindowId());

    // The first press in the first window destroys the second: its queued and later events go nowhere.
    const std::string firstId = id(firstWindow.getWindowId());
    input("mousemove --window " + secondId + " 10 10 click 3 mousemove --window " + id(stray) +
          " 10 10 click 3 mousemove --window " + firstId + " 10 10 click 3 mousemove --window " + secondId +
          " 20 20 click 3 mousemove --window " + firstId + " 20 20 click 3");
    ASSERT_TRUE(pumpUntil([&] { return first.count(e_inputButtonUp) == 2; }));
    EXPECT_EQ(first.count(e_inputButtonDown), 2);
    EXPECT_EQ(second.count(e_inputButtonDown), 1);
    EXPECT_FALSE(display().isRegistered(static_cast<Window>(std::stoul(secondId))));

    // Nothing pending: a pump returns at once, even while the server is held.
    server().suspend(true);
    // Should the pump wait for the server after all, the server comes back after a while to end the wait.
    std::promise<void> pumped;
    auto watchdog = std::async(std::launch::async, [done = pumped.get_future()] {
        done.wait_for(std::chrono::seconds(3));
        server().suspend(false);
    });
    const auto start = CClock::now();
    display().pump();
    const auto held = CClock::now() - start;
    pumped.set_value();
    watchdog.wait();
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(held).count(), 500);
}

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

    // A trap answers for its own requests. One ended without waiting keeps the errors of its requests from the
    // process whenever they come; the errors of other requests still reach the process's handler.
    XWindowAttributes gone;
    CX11ErrorTrap trap(display().getDisplay());
    XGetWindowAttributes(display().getDisplay(), host, &gone);
    EXPECT_FALSE(trap.release());
    EXPECT_EQ(trap.getErrorCode(), BadWindow);
    {
        const CX11ErrorTrap unanswered(display().getDisplay());
        XUnmapWindow(display().getDisplay(), host);
    }
    CX11ErrorTrap harmless(display().getDisplay());
    XGetWindowAttributes(display().getDisplay(), display().getRootWindow(), &gone);
    EXPECT_TRUE(harmless.release());
    static int reported;
    reported = 0;
    const XErrorHandler fixtureHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return ++reported, 0; });
    XUnmapWindow(display().getDisplay(), host);
    XSync(display().getDisplay(), False);
    XSetErrorHandler(fixtureHandler);
    EXPECT_EQ(reported, 1);
}

TEST_F(X11Window, PopupGrabsThePointerUnlessAnotherClientHoldsIt)
{
    CInputRecorder recorder(display());
    CX11Window popup(display(), &recorder);
    ASSERT_TRUE(popup.createPopup(400, 100, 120, 90));
    popup.show();
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputExpose) > 0; }));
    ASSERT_TRUE(popup.grabPointer());
    EXPECT_TRUE(popup.hasPointerGrab());
    // Hidden, it lets go.
    popup.hide();
    EXPECT_FALSE(popup.hasPointerGrab());
    popup.show();
    ASSERT_EQ(XGrabPointer(observer(), DefaultRootWindow(observer()), False, ButtonPressMask, GrabModeAsync,
                           GrabModeAsync, None, None, CurrentTime),
              GrabSuccess);
    EXPECT_FALSE(popup.grabPointer());
    XUngrabPointer(observer(), CurrentTime);
}

// What is drawn reaches the window with one request for the rectangle given: from memory shared with the
// server, from the request itself where it cannot be shared, and converted for a visual of another format.
TEST_F(X11Window, BackBufferPresentsTheDrawnPixels)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    showTopLevel(window, recorder, 30, 30, 200, 100);
    const Window w = window.getWindowId();

    for (const bool shared : {true, false}) {
        SCOPED_TRACE(shared ? "shared memory" : "in the request");
        window.moveAndResize(30, 30, 200, 100);
        CX11BackBuffer buffer(display(), shared);
        ASSERT_TRUE(buffer.prepare(200, 100));
        EXPECT_EQ(buffer.isShared(), shared);
        fill(buffer.getSurface(), 0, 1, 0, 0, 0, 200, 100);
        fill(buffer.getSurface(), 1, 0, 0, 50, 20, 40, 30);
        buffer.present(window, 0, 0, 200, 100);
        // Until the server has read the shared image, nothing may draw on it.
        EXPECT_EQ(buffer.isBusy(), shared);
        XSync(display().getDisplay(), False);
        EXPECT_FALSE(buffer.isBusy());
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
        EXPECT_EQ(cairo_image_surface_get_width(buffer.getSurface()), 300);
        EXPECT_EQ(cairo_image_surface_get_height(buffer.getSurface()), 150);
        fill(buffer.getSurface(), 1, 1, 1, 0, 0, 300, 150);
        buffer.present(window, 250, 120, 100, 100);
        XSync(display().getDisplay(), False);
        EXPECT_EQ(pixel(w, 299, 149), 0xFFFFFFUL);
        EXPECT_FALSE(buffer.prepare(0, 150));
        EXPECT_EQ(buffer.getSurface(), nullptr);
    }

    // A 16-bit screen: red, green and blue land in its 5, 6 and 5 bits.
    CXvfbServer deep;
    std::string error;
    ASSERT_TRUE(deep.start(320, 200, error, 16)) << error;
    {
        Corvane::Collections::TAutomaticPointer<CX11Display> sixteen;
        sixteen = CX11Display::openDisplay(deep.getDisplayName().c_str());
        ASSERT_TRUE(sixteen.hasPointer());
        ASSERT_EQ(sixteen->getDepth(), 16);
        CInputRecorder shown(*sixteen);
        CX11Window small(*sixteen, &shown);
        showTopLevel(small, shown, 0, 0, 60, 20);
        CX11BackBuffer buffer(*sixteen);
        ASSERT_TRUE(buffer.prepare(60, 20));
        EXPECT_FALSE(buffer.isShared());
        fill(buffer.getSurface(), 1, 0, 0, 0, 0, 20, 20);
        fill(buffer.getSurface(), 0, 1, 0, 20, 0, 20, 20);
        fill(buffer.getSurface(), 0, 0, 1, 40, 0, 20, 20);
        buffer.present(small, 0, 0, 60, 20);
        XImage* image = XGetImage(sixteen->getDisplay(), small.getWindowId(), 0, 0, 60, 20, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(XGetPixel(image, 10, 10), 0xF800UL);
        EXPECT_EQ(XGetPixel(image, 30, 10), 0x07E0UL);
        EXPECT_EQ(XGetPixel(image, 50, 10), 0x001FUL);
        XDestroyImage(image);
    }
    deep.stop();
}

TEST_F(X11Input, ButtonsWheelMotionModifiersKeysAndDoubleClicksEachConnectionKeepingItsOwn)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    showTopLevel(window, recorder, 100, 80);
    input("mousemove --window " + id(window.getWindowId()) +
          " 20 30 click 3 click 4 click 5 keydown ctrl click 1 keyup ctrl keydown shift keydown alt click 3"
          " keyup alt keyup shift mousedown 1 mousemove 95 140 mouseup 1");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputButtonUp) == 4; }));

    const auto motion = recorder.of({e_inputMotion});
    ASSERT_FALSE(motion.empty());
    EXPECT_EQ(motion.front().x, 20);
    EXPECT_EQ(motion.front().y, 30);
    EXPECT_EQ(motion.front().screenX, 120);
    EXPECT_EQ(motion.front().screenY, 110);
    EXPECT_FALSE(motion.front().leftButtonHeld);
    // Dragged out of the window, the motion still arrives, at a position outside it.
    EXPECT_EQ(motion.back().x, -5);
    EXPECT_EQ(motion.back().y, 60);
    EXPECT_TRUE(motion.back().leftButtonHeld);

    const auto presses = recorder.of({e_inputButtonDown, e_inputDoubleClick});
    ASSERT_EQ(presses.size(), 4u);
    const EWindowInputButton buttons[] = {e_rightButton, e_leftButton, e_rightButton, e_leftButton};
    const bool ctrl[] = {false, true, false, false};
    const bool shiftAndAlt[] = {false, false, true, false};
    for (size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i].kind, e_inputButtonDown) << i;
        EXPECT_EQ(presses[i].button, buttons[i]) << i;
        EXPECT_EQ(presses[i].ctrl, ctrl[i]) << i;
        EXPECT_EQ(presses[i].shift, shiftAndAlt[i]) << i;
        EXPECT_EQ(presses[i].alt, shiftAndAlt[i]) << i;
        EXPECT_EQ(presses[i].x, 20) << i;
    }
    const auto wheel = recorder.of({e_inputWheel});
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0].wheel, 1);
    EXPECT_EQ(wheel[1].wheel, -1);
    EXPECT_EQ(recorder.of({e_inputButtonUp}).back().x, -5);

    // Keys reach the focused window (the modifiers above may have reached it too).
    recorder.inputs.clear();
    ASSERT_TRUE(window.setInputFocus());
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputFocusIn) == 1; }));
    input("key a key shift+b key Left");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputKeyUp) == 4; }));
    std::vector<SWindowInput> keys;
    for (const SWindowInput& key : recorder.of({e_inputKeyDown})) {
        if (key.keyCode != XK_Shift_L) {
            keys.push_back(key);
        }
    }
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].keyCharacter, 'a');
    EXPECT_FALSE(keys[0].virtualKey);
    EXPECT_EQ(keys[1].keyCharacter, 'B');
    EXPECT_TRUE(keys[1].shift);
    EXPECT_EQ(keys[2].keyCode, static_cast<unsigned long>(XK_Left));
    EXPECT_TRUE(keys[2].virtualKey);
    EXPECT_EQ(keys[2].keyCharacter, Corvane::GUI::Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_LEFT);

    // A second quick press near the first is a double click (the last press above was too far away to count).
    recorder.inputs.clear();
    CX11Display& other = openAnotherDisplay();
    CInputRecorder second(other);
    CX11Window secondWindow(other, &second);
    showTopLevel(secondWindow, second, 400, 80);
    const std::string w = id(window.getWindowId());
    // Quick triple press; after a right click a quick press, and one 500 ms later; a quick press 20 pixels away;
    // then a press in the other connection's window, which does not break up the next double click.
    input("mousemove --window " + w + " 10 10 click --repeat 3 --delay 1 1 click 3 click 1 sleep 0.5 click 1" +
          " click 3 click 1 mousemove --window " + w + " 30 10 click 1 mousemove --window " +
          id(secondWindow.getWindowId()) + " 10 10 click 1 mousemove --window " + w + " 30 10 click 1");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputButtonUp) == 10; }));
    ASSERT_TRUE(pumpUntil(other, [&] { return second.count(e_inputButtonUp) == 1; }));
    const std::vector<EWindowInputKind> expected = {e_inputButtonDown, e_inputDoubleClick, e_inputButtonDown,
                                                    e_inputButtonDown, e_inputButtonDown,  e_inputButtonDown,
                                                    e_inputButtonDown, e_inputDoubleClick};
    EXPECT_EQ(leftPresses(recorder), expected);
    EXPECT_EQ(leftPresses(second), std::vector<EWindowInputKind>({e_inputButtonDown}));
}
