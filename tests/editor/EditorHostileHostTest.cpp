// Tenvira's editor in a careless host: one that destroys its window before it
// closes the editor and has no X error handler of its own, one that closes or
// hides the editor in the middle of a drag, and one whose other thread makes X
// requests of its own while editors open and close.
#include "CEditorFixture.hpp"

#include "CChildProcess.hpp"

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

// Every change of the process-wide X error handler in this process, whoever makes it (the editor, the
// libraries it uses, the tests): the executable exports this definition, so it stands in for Xlib's.
std::atomic<long> g_errorHandlerChanges{0};

// The connection of the host's other thread, and the errors of its requests that reached the host's handler.
Display* g_hostDisplay = nullptr;
std::atomic<long> g_hostErrors{0};

}  // namespace

extern "C" __attribute__((visibility("default"))) XErrorHandler XSetErrorHandler(XErrorHandler handler)
{
    using TSetErrorHandler = XErrorHandler (*)(XErrorHandler);
    static const TSetErrorHandler xlib = reinterpret_cast<TSetErrorHandler>(dlsym(RTLD_NEXT, "XSetErrorHandler"));
    ++g_errorHandlerChanges;
    return xlib(handler);
}

namespace TenviraEditorTests {

namespace {

constexpr long CHILD_MILLISECONDS = 60000;

// A host of the child process's own: raw Xlib on a connection of its own, and the effect given.
class CBareHost {
public:
    explicit CBareHost(std::unique_ptr<DevHost::CPluginInstance> instance)
        : m_display(XOpenDisplay(nullptr)),
          m_instance(std::move(instance))
    {
        if (m_display == nullptr || m_instance == nullptr) {
            fail("no display or no effect");
        }
    }

    static void fail(const std::string& reason)
    {
        std::fprintf(stderr, "%s\n", reason.c_str());
        std::fflush(stderr);
        _exit(2);
    }

    // A shown window at the editor's size, inside parent (the root for 0).
    Window makeWindow(Window parent = 0)
    {
        const Window window =
            XCreateSimpleWindow(m_display, parent != 0 ? parent : DefaultRootWindow(m_display), 0, 0, EDITOR_WIDTH,
                                EDITOR_HEIGHT, 0, 0, BlackPixel(m_display, DefaultScreen(m_display)));
        XSelectInput(m_display, window, StructureNotifyMask);
        XMapWindow(m_display, window);
        XEvent event;
        do {
            XWindowEvent(m_display, window, StructureNotifyMask, &event);
        } while (event.type != MapNotify);
        return window;
    }

    void destroy(Window window)
    {
        XDestroyWindow(m_display, window);
        XSync(m_display, False);
    }

    void open(Window parent)
    {
        if (!m_instance->openEditor(reinterpret_cast<void*>(parent))) {
            fail("effEditOpen failed");
        }
    }

    // Idles as a host does, about every 10 ms, until done() holds.
    void idleUntil(const std::function<bool()>& done, const char* what)
    {
        for (int i = 0; i < 2000; ++i) {
            m_instance->idleEditor();
            if (done()) {
                return;
            }
            usleep(10000);
        }
        fail(std::string("waited in vain for ") + what);
    }

    // An override-redirect window (the editor's menu) is shown.
    bool menuShown()
    {
        for (Window window : topLevelWindows(m_display)) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(m_display, window, &attributes) && attributes.override_redirect &&
                attributes.map_state == IsViewable) {
                return true;
            }
        }
        return false;
    }

    // The editor's window inside parent is shown.
    bool editorShown(Window parent)
    {
        Window root = 0, above = 0, *children = nullptr;
        unsigned int count = 0;
        bool shown = false;
        if (XQueryTree(m_display, parent, &root, &above, &children, &count) && children != nullptr) {
            XWindowAttributes attributes;
            shown = XGetWindowAttributes(m_display, children[0], &attributes) && attributes.map_state == IsViewable;
            XFree(children);
        }
        return shown;
    }

    DevHost::CPluginInstance& instance() { return *m_instance; }

private:
    Display* m_display;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
};

class CHostileHost : public CEditorFixture {
protected:
    // Runs scenario in a child process in which no X error handler was ever installed: Xlib's own ends the
    // process at the first X error, printing it. True when the child came to its end; its output in output.
    bool runWithoutErrorHandler(const std::function<void()>& scenario, std::string& output)
    {
        const std::string path = ::testing::TempDir() + "hostile_host_" + std::to_string(getpid()) + ".txt";
        std::fflush(stdout);
        std::fflush(stderr);
        const pid_t pid = fork();
        if (pid == 0) {
            const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(file, STDERR_FILENO);
            // Xlib's handler ends the process with exit(): what this process copied of the test's (its X
            // server among them) is not the child's to take down.
            std::atexit([] { _exit(3); });
            XSetErrorHandler(nullptr);
            scenario();
            _exit(0);
        }
        int status = -1;
        const bool finished = pid > 0 && TenviraX11Tests::CChildProcess::finish(pid, CHILD_MILLISECONDS, status);
        std::ifstream file(path);
        output.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        std::remove(path.c_str());
        return finished && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

}  // namespace

TEST_F(CHostileHost, AHostThatDestroysItsWindowFirstAndHasNoErrorHandlerLivesOn)
{
    std::string output;
    const bool survived = runWithoutErrorHandler(
        [this] {
            CBareHost host(createEffect());
            // Destroyed, then closed at once; an idle between destroy and close; with the menu open.
            Window window = host.makeWindow();
            host.open(window);
            host.idleUntil([&] { return host.editorShown(window); }, "the editor");
            host.destroy(window);
            host.instance().closeEditor();

            window = host.makeWindow();
            host.open(window);
            host.idleUntil([&] { return host.editorShown(window); }, "the editor again");
            input("mousemove --window " + std::to_string(window) + " " + std::to_string(VALVE_BUTTON.x) + " " +
                  std::to_string(VALVE_BUTTON.y) + " click 1");
            host.idleUntil([&] { return host.menuShown(); }, "the menu");
            host.destroy(window);
            host.instance().idleEditor();
            host.instance().closeEditor();

            // Opened into the new parent without a close (docking), after the old one was destroyed; then the
            // window the host destroys is the parent's parent.
            window = host.makeWindow();
            host.open(window);
            host.idleUntil([&] { return host.editorShown(window); }, "the editor in a third window");
            host.destroy(window);
            const Window frame = host.makeWindow();
            const Window dock = host.makeWindow(frame);
            host.open(dock);
            host.idleUntil([&] { return host.editorShown(dock); }, "the docked editor");
            host.destroy(frame);
            host.instance().closeEditor();
            host.instance().idleEditor();
            window = host.makeWindow();
            host.open(window);
            host.idleUntil([&] { return host.editorShown(window); }, "the editor after all that");
            host.instance().closeEditor();
        },
        output);
    EXPECT_TRUE(survived) << output;
}

TEST_F(CHostileHost, ADragCutShortByCloseOrByTheHostHidingItsWindowLeavesNoKnobTurning)
{
    openFirstEditor();
    m_instance->setParameter(1, 0.5f);
    m_window->idle();
    const std::string window = id(m_window->windowId());
    const std::string knob = std::to_string(THRESHOLD_KNOB.x) + " " + std::to_string(THRESHOLD_KNOB.y);
    const auto pressAndDrag = [&] {
        input("mousemove --window " + window + " " + knob + " mousedown 1 mousemove_relative -- 0 -10");
        ASSERT_TRUE(idleUntilParameter(1, 0.55f));
    };
    // Moving over the editor with no button held; Monitor's automation shows that all of it was read.
    const auto moveWithoutButton = [&](float monitor) {
        input("mousemove --window " + window + " " + knob + " mousemove_relative -- 0 -20 mousemove_relative -- 15 0");
        click(MONITOR_BUTTON);
        ASSERT_TRUE(idleUntilParameter(10, monitor));
    };

    pressAndDrag();
    m_window->closeEditor();
    input("mouseup 1");
    ASSERT_TRUE(showEditor(*m_window));
    size_t automated = m_host.automationCount();
    moveWithoutButton(1.0f);
    EXPECT_EQ(m_host.automationCount(), automated + 1) << "the knob turned after the editor closed in a drag";
    EXPECT_FLOAT_EQ(m_instance->getParameter(1), 0.55f);

    m_instance->setParameter(1, 0.5f);
    pressAndDrag();
    XUnmapWindow(observer(), m_window->windowId());
    XSync(observer(), False);
    m_window->idle();
    input("mouseup 1");
    XMapWindow(observer(), m_window->windowId());
    XSync(observer(), False);
    automated = m_host.automationCount();
    moveWithoutButton(0.0f);
    EXPECT_EQ(m_host.automationCount(), automated + 1) << "the knob turned after the host hid its window in a drag";
    EXPECT_FLOAT_EQ(m_instance->getParameter(1), 0.55f);
}

TEST_F(CHostileHost, EditorsOpeningAndClosingLeaveTheProcesssErrorHandlerToTheHost)
{
    openFirstEditor();
    // The host's other thread makes requests that fail, on a connection of its own; its handler counts them.
    g_hostDisplay = XOpenDisplay(server().getDisplayName().c_str());
    ASSERT_NE(g_hostDisplay, nullptr);
    g_hostErrors = 0;
    const XErrorHandler fixtureHandler = XSetErrorHandler([](Display* display, XErrorEvent* error) -> int {
        if (display == g_hostDisplay) {
            ++g_hostErrors;
            return 0;
        }
        return testErrorHandler()(display, error);
    });
    std::atomic<bool> running{true};
    std::atomic<long> failedRequests{0};
    std::thread other([&] {
        while (running) {
            XUnmapWindow(g_hostDisplay, 0x1FFFFF);
            XSync(g_hostDisplay, False);
            ++failedRequests;
        }
    });
    const long changesBefore = g_errorHandlerChanges;
    for (int i = 0; i < 20; ++i) {
        m_window->closeEditor();
        ASSERT_TRUE(showEditor(*m_window));
        drag(THRESHOLD_KNOB, 0, -2);
        m_window->idle();
    }
    m_window->closeEditor();
    const long changes = g_errorHandlerChanges - changesBefore;
    running = false;
    other.join();
    XSetErrorHandler(fixtureHandler);
    XCloseDisplay(g_hostDisplay);
    EXPECT_EQ(changes, 0) << "the process-wide X error handler was changed while editors opened and closed";
    EXPECT_EQ(g_hostErrors, failedRequests) << "errors of the host's own requests went missing";
}

}  // namespace TenviraEditorTests
