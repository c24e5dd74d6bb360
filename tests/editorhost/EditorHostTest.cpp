// The development host's side of a plug-in editor on X11, as a DAW drives it:
// the host window at the editor's size, open / idle / close / open again, real
// input into the editor's window, the automation it sends, size requests,
// keys passed up, and what the window shows read back as pixels and PNG.
#include "CX11Fixture.hpp"

#include "CDevHost.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"
#include "FakeEditor.hpp"

#include <cairo.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

using DevHost::CDevHost;
using DevHost::CHostEditorWindow;
using DevHost::CPluginInstance;

namespace {

constexpr long WAIT_MILLISECONDS = 10000;

class EditorHost : public TenviraX11Tests::CX11Fixture {
protected:
    void SetUp() override
    {
        CX11Fixture::SetUp();
        // The plug-in finds the server as every plug-in does, through DISPLAY.
        setenv("DISPLAY", server().getDisplayName().c_str(), 1);
        setenv("TENVIRA_FAKE_PLUGIN_LOG", m_log.c_str(), 1);
        std::remove(m_log.c_str());
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
        std::remove(m_log.c_str());
        CX11Fixture::TearDown();
    }

    void openInWindow()
    {
        m_window.reset(new CHostEditorWindow(*m_instance));
        std::string error;
        ASSERT_TRUE(m_window->create(server().getDisplayName(), "editor host test", &error)) << error;
        ASSERT_TRUE(m_window->openEditor());
        ASSERT_TRUE(showsEditor());
    }

    // The whole window shows the editor's colour (its child covers it).
    bool showsEditor()
    {
        return m_window->idleUntil(
            [&] {
                return m_window->capture().count(FakeEditor::COLOUR, 0, 0, FakeEditor::WIDTH, FakeEditor::HEIGHT) ==
                       FakeEditor::WIDTH * FakeEditor::HEIGHT;
            },
            WAIT_MILLISECONDS);
    }

    bool logHas(const std::string& line)
    {
        return m_window->idleUntil(
            [&] {
                std::stringstream text;
                text << std::ifstream(m_log).rdbuf();
                return text.str().find(line + "\n") != std::string::npos;
            },
            WAIT_MILLISECONDS);
    }

    const std::string m_log = "/tmp/tenvira-editorhost-" + std::to_string(getpid()) + ".log";
    CDevHost m_host;
    std::unique_ptr<CPluginInstance> m_instance;
    std::unique_ptr<CHostEditorWindow> m_window;
};

}  // namespace

TEST_F(EditorHost, ShowsTheEditorAtItsSizeUntilClosedAndAgainWhenReopened)
{
    ASSERT_TRUE(m_instance->hasEditor());
    openInWindow();
    EXPECT_EQ(m_window->width(), FakeEditor::WIDTH);
    EXPECT_EQ(m_window->height(), FakeEditor::HEIGHT);
    EXPECT_EQ(m_window->childWindows().size(), 1u);
    // Another connection sees on the screen what the capture read.
    EXPECT_EQ(pixel(m_window->windowId(), 150, 100), FakeEditor::COLOUR);

    const std::string png = m_log + ".png";
    ASSERT_TRUE(m_window->capture().writePng(png));
    cairo_surface_t* read = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(read), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(read), FakeEditor::WIDTH);
    EXPECT_EQ(cairo_image_surface_get_height(read), FakeEditor::HEIGHT);
    const auto* corner = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(read));
    EXPECT_EQ(corner[0] & 0xFFFFFFu, FakeEditor::COLOUR);
    cairo_surface_destroy(read);
    std::remove(png.c_str());

    m_window->closeEditor();
    ASSERT_TRUE(m_window->idleUntil([&] { return m_window->childWindows().empty(); }, WAIT_MILLISECONDS));
    EXPECT_EQ(m_window->capture().count(FakeEditor::COLOUR, 0, 0, FakeEditor::WIDTH, FakeEditor::HEIGHT), 0);

    ASSERT_TRUE(m_window->openEditor());
    EXPECT_TRUE(showsEditor());
    EXPECT_EQ(m_window->childWindows().size(), 1u);
}

TEST_F(EditorHost, ClicksAutomateFromTheWindowThreadAndUnusedKeysReachTheEditor)
{
    m_instance->setParameter(FakeEditor::AUTOMATED, 0.5f);
    openInWindow();
    input("mousemove --window " + id(m_window->windowId()) + " 50 40 click 1 click 1");
    ASSERT_TRUE(m_window->idleUntil([&] { return m_host.automationCount() == 2; }, WAIT_MILLISECONDS));
    const auto automation = m_host.automation();
    for (size_t i = 0; i < automation.size(); ++i) {
        EXPECT_EQ(automation[i].index, FakeEditor::AUTOMATED);
        EXPECT_NEAR(automation[i].opt, 0.5f + FakeEditor::STEP * static_cast<float>(i + 1), 1e-6);
        EXPECT_EQ(automation[i].thread, std::this_thread::get_id());
    }
    EXPECT_EQ(m_host.automation(1).size(), 1u);
    EXPECT_NEAR(m_instance->getParameter(FakeEditor::AUTOMATED), 0.6f, 1e-6);

    // The editor's window takes no keys, so they come up to the host, which hands them on.
    input("key a key ctrl+a key Escape");
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
    EXPECT_TRUE(m_window->idleUntil(
        [&] {
            XWindowAttributes attributes;
            XGetWindowAttributes(observer(), m_window->windowId(), &attributes);
            return attributes.width == 300 && attributes.height == 200;
        },
        WAIT_MILLISECONDS));
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
