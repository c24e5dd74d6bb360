// The development host's side of a plug-in editor on X11 and tenvira-editor
// end to end, against the stand-in effect: keys passed up, size requests; the
// tool's refusals with a reason, its snapshot, automation printed, and a clean
// end by the window manager's close and by Ctrl-C. Opening, closing and
// reopening, clicks that automate and the window read back as pixels are
// driven with Tenvira's own editor in tests/editor.
#include "CX11Fixture.hpp"

#include "CChildProcess.hpp"
#include "CDevHost.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"
#include "FakeEditor.hpp"

#include <cairo.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

using DevHost::CDevHost;
using DevHost::CHostEditorWindow;
using DevHost::CPluginInstance;
using TenviraX11Tests::CChildProcess;

namespace {

std::string readText(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

// Where each line first stands in the text; npos when it is missing.
size_t at(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n");
}

// The stand-in effect logs what it is asked to a file of the test's own.
class CFakeEffectFixture : public TenviraX11Tests::CX11Fixture {
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

    const std::string m_base = "/tmp/tenvira-editorhost-" + std::to_string(getpid());
    const std::string m_log = m_base + ".log";
    const std::string m_output = m_base + ".out";
    const std::string m_png = m_base + ".png";
};

class EditorHost : public CFakeEffectFixture {
protected:
    void SetUp() override
    {
        CFakeEffectFixture::SetUp();
        // The plug-in finds the server as every plug-in does, through DISPLAY.
        setenv("DISPLAY", server().getDisplayName().c_str(), 1);
        ASSERT_TRUE(m_host.loadModule(TENVIRA_FAKE_EDITOR_PLUGIN));
        m_instance = m_host.createInstance();
        ASSERT_NE(m_instance, nullptr);
        m_instance->open();
        m_instance->resume();
    }

    void TearDown() override
    {
        m_window.reset();
        m_instance.reset();
        m_host.unloadModule();
        CFakeEffectFixture::TearDown();
    }
    void openInWindow()
    {
        m_window.reset(new CHostEditorWindow(*m_instance));
        std::string error;
        ASSERT_TRUE(m_window->create(server().getDisplayName(), "editor host test", &error)) << error;
        ASSERT_TRUE(m_window->openEditor());
        // The whole window shows the editor's colour (its child covers it).
        ASSERT_TRUE(idleUntil([&] {
            return m_window->capture().count(FakeEditor::COLOUR, 0, 0, FakeEditor::WIDTH, FakeEditor::HEIGHT) ==
                   FakeEditor::WIDTH * FakeEditor::HEIGHT;
        }));
    }

    bool idleUntil(const std::function<bool()>& done) { return m_window->idleUntil(done, WAIT_MILLISECONDS); }
    bool logHas(const std::string& line)
    {
        return idleUntil([&] { return at(readText(m_log), line) != std::string::npos; });
    }

    CDevHost m_host;
    std::unique_ptr<CPluginInstance> m_instance;
    std::unique_ptr<CHostEditorWindow> m_window;
};

class EditorTool : public CFakeEffectFixture {
protected:
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
    // The tool's top-level window as it reports it, once its title names the tool as a window manager shows it.
    Window toolWindow()
    {
        const std::string output = readText(m_output);
        const size_t reported = output.find("in window 0x");
        std::string title;
        const Window window = reported == std::string::npos ? 0 : std::stoul(output.substr(reported + 12), nullptr, 16);
        if (window != 0) {
            property(window, atom("WM_NAME"), &title);
        }
        return title.find("tenvira-editor") != std::string::npos ? window : 0;
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
};

}  // namespace

TEST_F(EditorHost, KeysTheEditorsWindowDoesNotTakeReachTheEditor)
{
    ASSERT_TRUE(m_instance->hasEditor());
    openInWindow();
    input("mousemove --window " + id(m_window->windowId()) + " 50 40 key a key ctrl+a key Escape");
    EXPECT_TRUE(logHas("key 97 0 0"));
    EXPECT_TRUE(logHas("key 97 0 8"));
    EXPECT_TRUE(logHas("key 0 6 0"));
}

TEST_F(EditorHost, SizeRequestsAndEditGesturesAreAnsweredSensibly)
{
    AEffect* effect = m_instance->effect();
    const auto ask = [&](VstInt32 opcode, VstInt32 index, VstIntPtr value) {
        return CDevHost::hostCallback(effect, opcode, index, value, nullptr, 0.0f);
    };
    EXPECT_EQ(ask(audioMasterSizeWindow, 300, 200), 0) << "no window yet";
    openInWindow();
    EXPECT_EQ(ask(audioMasterSizeWindow, 300, 200), 1);
    EXPECT_TRUE(idleUntil([&] {
        XWindowAttributes attributes;
        XGetWindowAttributes(observer(), m_window->windowId(), &attributes);
        return attributes.width == 300 && attributes.height == 200;
    }));
    VstIntPtr fromAnotherThread = -1;
    std::thread([&] { fromAnotherThread = ask(audioMasterSizeWindow, 400, 300); }).join();
    EXPECT_EQ(fromAnotherThread, 0);
    EXPECT_EQ(ask(audioMasterSizeWindow, 0, 100), 0);
    EXPECT_EQ(ask(audioMasterSizeWindow, 100, 1 << 20), 0);
    EXPECT_EQ(m_window->width(), 300);

    EXPECT_EQ(ask(audioMasterBeginEdit, 19, 0), 1);
    EXPECT_EQ(ask(audioMasterEndEdit, 20, 0), 0) << "no such parameter";
    m_window->closeEditor();
    EXPECT_EQ(ask(audioMasterSizeWindow, 300, 200), 0) << "editor closed";
}

TEST_F(EditorTool, RefusesWithAReason)
{
    // Every other run names the test's server itself.
    unsetenv("DISPLAY");
    EXPECT_EQ(run({"--plugin", TENVIRA_FAKE_EDITOR_PLUGIN}, ""), 1);
    EXPECT_NE(readText(m_output).find("no X display"), std::string::npos) << readText(m_output);
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
        ASSERT_TRUE(waitUntil([&] { return at(readText(m_log), "editopen 0") != std::string::npos; }));
        Window window = 0;
        ASSERT_TRUE(waitUntil([&] { return (window = toolWindow()) != 0; }));
        if (byWindowManager) {
            input("mousemove --window " + id(window) + " 20 20 click 1");
            EXPECT_TRUE(waitUntil([&] {
                return readText(m_output).find("automate 1 \"Threshold\" 0.550000") != std::string::npos;
            })) << readText(m_output);
            sendCloseRequest(window);
        } else {
            kill(pid, SIGINT);
        }
        EXPECT_EQ(finish(pid), 0) << readText(m_output);
        expectOrderlyEnd();
        std::remove(m_log.c_str());
    }
}
