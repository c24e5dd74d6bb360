// tenvira-editor end to end against the stand-in effect: refusals with a
// reason, the snapshot, automation printed, and a clean end by the window
// manager's close and by Ctrl-C.
#include "CX11Fixture.hpp"

#include "CChildProcess.hpp"
#include "FakeEditor.hpp"

#include <X11/Xutil.h>
#include <cairo.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

using TenviraX11Tests::CChildProcess;

namespace {

constexpr long WAIT_MILLISECONDS = 20000;

std::string readText(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Where each line first stands in the text; npos when it is missing.
size_t at(const std::string& text, const std::string& line)
{
    const size_t found = ("\n" + text).find("\n" + line + "\n");
    return found;
}

class EditorTool : public TenviraX11Tests::CX11Fixture {
protected:
    void SetUp() override
    {
        CX11Fixture::SetUp();
        setenv("TENVIRA_FAKE_PLUGIN_LOG", m_log.c_str(), 1);
        std::remove(m_log.c_str());
    }
    void TearDown() override
    {
        for (const std::string* path : {&m_log, &m_output, &m_png}) {
            std::remove(path->c_str());
        }
        CX11Fixture::TearDown();
    }

    pid_t start(const std::vector<std::string>& arguments, const std::string& display)
    {
        const pid_t pid = CChildProcess::start(TENVIRA_EDITOR_TOOL, arguments, display, m_output);
        EXPECT_NE(pid, 0);
        return pid;
    }
    // The exit status, or -1 when the tool did not end in time.
    int finish(pid_t pid)
    {
        int status = 0;
        if (!CChildProcess::finish(pid, WAIT_MILLISECONDS, status) || !WIFEXITED(status)) {
            return -1;
        }
        return WEXITSTATUS(status);
    }
    int run(const std::vector<std::string>& arguments, const std::string& display)
    {
        return finish(start(arguments, display));
    }
    bool waitFor(const std::function<bool()>& done)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(WAIT_MILLISECONDS);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }
    // The tool's top-level window, found by its title as a window manager sees it.
    Window toolWindow()
    {
        Window root = 0;
        Window parent = 0;
        Window* children = nullptr;
        unsigned count = 0;
        Window found = 0;
        XQueryTree(observer(), DefaultRootWindow(observer()), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count && found == 0; ++i) {
            char* name = nullptr;
            if (XFetchName(observer(), children[i], &name) && name) {
                found = std::string(name).find("tenvira-editor") != std::string::npos ? children[i] : 0;
                XFree(name);
            }
        }
        XFree(children);
        return found;
    }
    // Checks that the session ended as a DAW ends it: editor closed, then suspended, then closed.
    void expectOrderlyEnd()
    {
        const std::string log = readText(m_log);
        EXPECT_LT(at(log, "editopen 0"), at(log, "editclose 0")) << log;
        EXPECT_LT(at(log, "editclose 0"), at(log, "suspend 0")) << log;
        EXPECT_LT(at(log, "suspend 0"), at(log, "close 0")) << log;
        EXPECT_NE(at(log, "close 0"), std::string::npos) << log;
    }

    const std::string m_base = "/tmp/tenvira-editor-test-" + std::to_string(getpid());
    const std::string m_log = m_base + ".log";
    const std::string m_output = m_base + ".out";
    const std::string m_png = m_base + ".png";
};

}  // namespace

TEST_F(EditorTool, RefusesWithAReason)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved ? saved : "";
    unsetenv("DISPLAY");
    EXPECT_EQ(run({"--plugin", TENVIRA_FAKE_EDITOR_PLUGIN}, ""), 1);
    EXPECT_NE(readText(m_output).find("no X display"), std::string::npos) << readText(m_output);
    if (saved) {
        setenv("DISPLAY", previous.c_str(), 1);
    }
    const std::string display = server().getDisplayName();
    EXPECT_EQ(run({"--plugin", TENVIRA_FAKE_PLUGIN}, display), 1);
    EXPECT_NE(readText(m_output).find("has no editor"), std::string::npos) << readText(m_output);
    EXPECT_EQ(run({"--plugin", TENVIRA_FAKE_EDITOR_PLUGIN, "--set", "Loudness=1"}, display), 1);
    EXPECT_NE(readText(m_output).find("unknown parameter"), std::string::npos) << readText(m_output);
    EXPECT_EQ(run({"--after", "100"}, display), 2);
}

TEST_F(EditorTool, SnapshotShowsTheEditorOfTheConfiguredEffectWithAudioRunning)
{
    ASSERT_EQ(run({"--plugin", TENVIRA_FAKE_EDITOR_PLUGIN, "--program", "dirty", "--set", "Threshold=0.25",
                   "--snapshot", m_png, "--after", "300"},
                  server().getDisplayName()),
              0)
        << readText(m_output);
    cairo_surface_t* image = cairo_image_surface_create_from_png(m_png.c_str());
    ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(image), FakeEditor::WIDTH);
    EXPECT_EQ(cairo_image_surface_get_height(image), FakeEditor::HEIGHT);
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image));
    const int stride = cairo_image_surface_get_stride(image) / 4;
    EXPECT_EQ(pixels[0] & 0xFFFFFFu, FakeEditor::COLOUR);
    EXPECT_EQ(pixels[(FakeEditor::HEIGHT - 1) * stride + FakeEditor::WIDTH - 1] & 0xFFFFFFu, FakeEditor::COLOUR);
    cairo_surface_destroy(image);

    const std::string log = readText(m_log);
    EXPECT_LT(at(log, "program 3"), at(log, "set 1 0.250000")) << log;
    EXPECT_LT(at(log, "set 1 0.250000"), at(log, "resume 0")) << log;
    EXPECT_NE(at(log, "process 512"), std::string::npos) << "no audio ran: " << log;
    expectOrderlyEnd();
}

TEST_F(EditorTool, PrintsAutomationAndEndsCleanlyOnCloseAndOnCtrlC)
{
    const std::string display = server().getDisplayName();
    for (const bool byWindowManager : {true, false}) {
        SCOPED_TRACE(byWindowManager ? "WM_DELETE_WINDOW" : "SIGINT");
        const pid_t pid = start({"--plugin", TENVIRA_FAKE_EDITOR_PLUGIN}, display);
        ASSERT_TRUE(waitFor([&] { return at(readText(m_log), "editopen 0") != std::string::npos; }));
        Window window = 0;
        ASSERT_TRUE(waitFor([&] { return (window = toolWindow()) != 0; }));
        if (byWindowManager) {
            input("mousemove --window " + id(window) + " 20 20 click 1");
            EXPECT_TRUE(waitFor([&] {
                return readText(m_output).find("automate 1 \"Threshold\" 0.550000") != std::string::npos;
            })) << readText(m_output);
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = window;
            event.xclient.message_type = XInternAtom(observer(), "WM_PROTOCOLS", False);
            event.xclient.format = 32;
            event.xclient.data.l[0] = static_cast<long>(XInternAtom(observer(), "WM_DELETE_WINDOW", False));
            XSendEvent(observer(), window, False, NoEventMask, &event);
            XFlush(observer());
        } else {
            kill(pid, SIGINT);
        }
        EXPECT_EQ(finish(pid), 0) << readText(m_output);
        expectOrderlyEnd();
        std::remove(m_log.c_str());
    }
}
