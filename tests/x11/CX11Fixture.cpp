#include "CX11Fixture.hpp"

#include "CChildProcess.hpp"

#include "gui/windowing/x11/CX11ErrorTrap.hpp"

#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace TenviraX11Tests {

using Corvane::GUI::Windowing::SWindowInput;

void CInputRecorder::handleX11Event(const XEvent& event)
{
    SWindowInput input;
    if (m_display.getInputTranslator().translate(event, input)) {
        inputs.push_back(input);
    }
}

std::vector<SWindowInput> CInputRecorder::of(std::initializer_list<EWindowInputKind> kinds) const
{
    std::vector<SWindowInput> found;
    for (const SWindowInput& input : inputs) {
        if (std::find(kinds.begin(), kinds.end(), input.kind) != kinds.end()) {
            found.push_back(input);
        }
    }
    return found;
}

CXvfbServer& CX11Fixture::server()
{
    static CXvfbServer theServer;
    return theServer;
}

void CX11Fixture::SetUpTestSuite()
{
    std::string error;
    if (!server().isRunning() && !server().start(SCREEN_WIDTH, SCREEN_HEIGHT, error)) {
        std::fprintf(stderr, "Xvfb: %s\n", error.c_str());
    }
}

void CX11Fixture::TearDownTestSuite()
{
    server().stop();
}

void CX11Fixture::SetUp()
{
    ASSERT_TRUE(server().isRunning()) << "no X server for the test";
    m_previousHandler = XSetErrorHandler(&CX11Fixture::failOnError);
    // A busy server turns a connection away for a moment now and then.
    for (int attempt = 0; m_observer == nullptr && attempt < 20; ++attempt) {
        m_observer = XOpenDisplay(server().getDisplayName().c_str());
        if (m_observer == nullptr) {
            usleep(5000);
        }
    }
    ASSERT_NE(m_observer, nullptr);
    // The host's side asks about windows that may be gone too (through traps), as the windowing code does.
    Corvane::GUI::Windowing::CX11ErrorTrap::watchDisplay(m_observer);
    m_display = CX11Display::openDisplay(server().getDisplayName().c_str());
    ASSERT_TRUE(m_display.hasPointer());
}

void CX11Fixture::TearDown()
{
    if (m_display.hasPointer()) {
        XSync(m_display->getDisplay(), False);
    }
    m_display.freePointer();
    for (CX11Display* other : m_others) {
        other->dereference();
    }
    m_others.clear();
    if (m_observer != nullptr) {
        XSync(m_observer, False);
        Corvane::GUI::Windowing::CX11ErrorTrap::forgetDisplay(m_observer);
        XCloseDisplay(m_observer);
        m_observer = nullptr;
    }
    XSetErrorHandler(m_previousHandler);
}

CX11Display& CX11Fixture::openAnotherDisplay()
{
    CX11Display* other = CX11Display::openDisplay(server().getDisplayName().c_str());
    if (other == nullptr) {
        throw std::runtime_error("no second connection to the test server");
    }
    other->referenced();
    m_others.push_back(other);
    return *other;
}

int CX11Fixture::failOnError(Display* display, XErrorEvent* error)
{
    char text[256] = {0};
    XGetErrorText(display, error->error_code, text, sizeof(text));
    ADD_FAILURE() << "X error: " << text << " (request " << static_cast<int>(error->request_code) << ", resource "
                  << error->resourceid << ")";
    return 0;
}

void CX11Fixture::showTopLevel(Corvane::GUI::Windowing::CX11Window& window, const CInputRecorder& recorder, int x,
                               int y, int width, int height)
{
    ASSERT_TRUE(window.createTopLevel(x, y, width, height, false));
    window.show();
    ASSERT_TRUE(
        pumpUntil(window.getDisplay(), [&] { return recorder.count(Corvane::GUI::Windowing::e_inputExpose) > 0; }));
}

Window CX11Fixture::createHostWindow(int x, int y, int width, int height)
{
    XSetWindowAttributes attributes;
    std::memset(&attributes, 0, sizeof(attributes));
    attributes.background_pixel = BlackPixel(m_observer, DefaultScreen(m_observer));
    attributes.event_mask = StructureNotifyMask;
    const Window window = XCreateWindow(m_observer, DefaultRootWindow(m_observer), x, y, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                        CWBackPixel | CWEventMask, &attributes);
    XMapWindow(m_observer, window);
    XEvent event;
    XWindowEvent(m_observer, window, StructureNotifyMask, &event);
    while (event.type != MapNotify) {
        XWindowEvent(m_observer, window, StructureNotifyMask, &event);
    }
    return window;
}

void CX11Fixture::input(const std::string& commands)
{
    std::vector<std::string> arguments;
    std::istringstream words(commands);
    for (std::string word; words >> word;) {
        arguments.push_back(word);
    }
    // The private server only: the test's own DISPLAY, if any, is never touched.
    const pid_t pid = CChildProcess::start(TENVIRA_XDOTOOL, arguments, server().getDisplayName());
    ASSERT_NE(pid, 0) << "cannot run " TENVIRA_XDOTOOL;
    int status = 0;
    ASSERT_TRUE(CChildProcess::finish(pid, WAIT_MILLISECONDS, status)) << "xdotool did not finish";
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "xdotool failed";
}

bool CX11Fixture::serveUntil(const std::function<void()>& pump, const std::function<void(long)>& wait,
                             const std::function<bool()>& done, long milliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        pump();
        if (done()) {
            return true;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
        if (left <= 0) {
            return false;
        }
        wait(static_cast<long>(left));
    }
}

bool CX11Fixture::waitUntil(const std::function<bool()>& done)
{
    return serveUntil([] {}, [](long) { usleep(20000); }, done, WAIT_MILLISECONDS);
}

bool CX11Fixture::pointerIsGrabbed()
{
    const int result = XGrabPointer(observer(), DefaultRootWindow(observer()), False, ButtonPressMask, GrabModeAsync,
                                    GrabModeAsync, None, None, CurrentTime);
    if (result == GrabSuccess) {
        XUngrabPointer(observer(), CurrentTime);
        XSync(observer(), False);
        return false;
    }
    return true;
}

std::vector<Window> CX11Fixture::rootChildren()
{
    XSync(m_observer, False);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> found;
    if (XQueryTree(m_observer, DefaultRootWindow(m_observer), &root, &parent, &children, &count)) {
        found.assign(children, children + count);
        XFree(children);
    }
    return found;
}

bool CX11Fixture::pumpUntil(CX11Display& target, const std::function<bool()>& done, long milliseconds)
{
    return serveUntil([&] { target.pump(); }, [&](long left) { target.waitForEvents(left); }, done, milliseconds);
}

void CX11Fixture::sendCloseRequest(Window window)
{
    XEvent close;
    std::memset(&close, 0, sizeof(close));
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = atom("WM_PROTOCOLS");
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(atom("WM_DELETE_WINDOW"));
    XSendEvent(observer(), window, False, NoEventMask, &close);
    XFlush(observer());
}

std::vector<long> CX11Fixture::property(Window window, Atom name, std::string* text)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<long> items;
    if (XGetWindowProperty(observer(), window, name, 0, 64, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) == Success &&
        data != nullptr) {
        if (format == 32) {
            items.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
        } else if (text != nullptr) {
            text->assign(reinterpret_cast<char*>(data), count);
        }
        XFree(data);
    }
    return items;
}

unsigned long CX11Fixture::pixel(Window window, int x, int y)
{
    XImage* image = XGetImage(m_observer, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        ADD_FAILURE() << "no pixels of window " << window;
        return 0;
    }
    const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return value;
}

}  // namespace TenviraX11Tests
