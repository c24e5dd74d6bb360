// The fixture of tests that need a real X server: a private Xvfb, a display
// connection under test, an observer connection standing in for a host, real
// input through xdotool, and pixels read back from windows.
#pragma once

// Google Test comes before Xlib, whose macros (None, Bool, ...) clash with its names.
#include <gtest/gtest.h>

#include "CXvfbServer.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/windowing/SWindowInput.hpp"
#include "gui/windowing/x11/CX11Display.hpp"
#include "gui/windowing/x11/CX11Window.hpp"

#include <X11/Xlib.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace TenviraX11Tests {

using Corvane::GUI::Windowing::CX11Display;
using Corvane::GUI::Windowing::EWindowInputKind;
using Corvane::GUI::Windowing::SWindowInput;

/** Records what a window receives, translated by its display. */
class CInputRecorder : public Corvane::GUI::Windowing::IX11EventHandler {
public:
    explicit CInputRecorder(CX11Display& display) : m_display(display) {}
    void handleX11Event(const XEvent& event) override;

    /** The inputs of the given kinds, in order of arrival. */
    std::vector<SWindowInput> of(std::initializer_list<EWindowInputKind> kinds) const;
    long count(EWindowInputKind kind) const { return static_cast<long>(of({kind}).size()); }

    std::vector<SWindowInput> inputs;

private:
    CX11Display& m_display;
};

/**
 * One Xvfb per test process (each ctest entry is a process of its own).
 * Any X error on any connection of the test fails the test, unless the code
 * under test traps it. A missing Xvfb or xdotool fails the test: nothing here
 * is ever skipped.
 */
class CX11Fixture : public ::testing::Test {
protected:
    // Room for an editor at twice its size.
    static constexpr int SCREEN_WIDTH = 1280;
    static constexpr int SCREEN_HEIGHT = 1024;
    static constexpr long WAIT_MILLISECONDS = 20000;

    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    static CXvfbServer& server();
    /** The display under test, opened on the private server. */
    CX11Display& display() { return *m_display; }
    /** Another connection to the private server, held until the test ends. */
    CX11Display& openAnotherDisplay();
    /** The host's side: its own connection to the server. */
    Display* observer() const { return m_observer; }

    /** Makes window a shown top-level window and waits for its first exposure. */
    void showTopLevel(Corvane::GUI::Windowing::CX11Window& window, const CInputRecorder& recorder, int x, int y,
                      int width = 200, int height = 150);
    /** A mapped top-level window of the observer, as a host's editor frame. */
    Window createHostWindow(int x, int y, int width, int height);
    /** Runs xdotool on the private server with the words of commands (xdotool's command chain) and waits for it. */
    void input(const std::string& commands);
    /** Calls pump, then done(), until done() holds, with wait(milliseconds left) between; false after the time allowed. */
    static bool serveUntil(const std::function<void()>& pump, const std::function<void(long)>& wait,
                           const std::function<bool()>& done, long milliseconds);
    /**
     * Waits until done() holds, without pumping anything: for what other connections (a process's,
     * a closed one's) change on the server, which reaches it in its own time.
     */
    static bool waitUntil(const std::function<bool()>& done);
    /** Pumps display until done() holds; false after the time allowed. */
    bool pumpUntil(CX11Display& target, const std::function<bool()>& done, long milliseconds = WAIT_MILLISECONDS);
    bool pumpUntil(const std::function<bool()>& done) { return pumpUntil(display(), done); }
    /** The colour the server shows at x, y of window, as 0xRRGGBB. */
    unsigned long pixel(Window window, int x, int y);
    /** Whether some client holds a pointer grab (the observer tries one). */
    bool pointerIsGrabbed();
    /** The children of the root window, of every client, mapped or not. */
    std::vector<Window> rootChildren();

    /** A property of window as a host sees it: its 32-bit items, or the bytes of a text into text. */
    std::vector<long> property(Window window, Atom name, std::string* text = nullptr);
    /** What a window manager sends when the user closes window with its frame's button. */
    void sendCloseRequest(Window window);
    Atom atom(const char* name) { return XInternAtom(observer(), name, False); }

    static std::string id(unsigned long window) { return std::to_string(window); }
    /** The handler that turns X errors into test failures. */
    static XErrorHandler testErrorHandler() { return &CX11Fixture::failOnError; }

private:
    static int failOnError(Display* display, XErrorEvent* error);

    Corvane::Collections::TAutomaticPointer<CX11Display> m_display;
    std::vector<CX11Display*> m_others;
    Display* m_observer = nullptr;
    XErrorHandler m_previousHandler = nullptr;
};

}  // namespace TenviraX11Tests
