#include "CEditorFixture.hpp"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace TenviraEditorTests {

std::vector<Window> topLevelWindows(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<Window> windows;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0 && children) {
        windows.assign(children, children + count);
        XFree(children);
    }
    return windows;
}

namespace {

constexpr std::uint32_t METER_SEGMENT_COLOUR = 0x74B8BC;
constexpr int METER_SEGMENT_PIXELS = 36 * 3;

// A shown top-level window that match() accepts, and its place on the screen.
bool shownWindow(Display* display, const std::function<bool(const XWindowAttributes&)>& match, SArea* area)
{
    for (Window window : topLevelWindows(display)) {
        XWindowAttributes shown;
        if (XGetWindowAttributes(display, window, &shown) != 0 && shown.map_state == IsViewable && match(shown)) {
            if (area != nullptr) {
                *area = SArea{shown.x, shown.y, shown.width, shown.height};
            }
            return true;
        }
    }
    return false;
}

}  // namespace

void CEditorFixture::SetUp()
{
    CX11Fixture::SetUp();
    // The plug-in finds the server as every plug-in does, through DISPLAY.
    setenv("DISPLAY", server().getDisplayName().c_str(), 1);
    std::string error;
    ASSERT_TRUE(m_host.loadModule(TENVIRA_PLUGIN_PATH, &error)) << error;
}

void CEditorFixture::TearDown()
{
    m_window.reset();
    m_instance.reset();
    m_host.unloadModule();
    CX11Fixture::TearDown();
}

std::unique_ptr<DevHost::CPluginInstance> CEditorFixture::createEffect(int program)
{
    std::unique_ptr<DevHost::CPluginInstance> instance = m_host.createInstance();
    if (instance != nullptr) {
        instance->open();
        instance->setSampleRate(44100.0f);
        instance->setBlockSize(512);
        instance->setProgram(program);
        instance->resume();
    }
    return instance;
}

std::unique_ptr<DevHost::CHostEditorWindow> CEditorFixture::openEditor(DevHost::CPluginInstance& instance)
{
    auto window = std::make_unique<DevHost::CHostEditorWindow>(instance);
    std::string error;
    EXPECT_TRUE(window->create(server().getDisplayName(), "Tenvira editor test", &error)) << error;
    EXPECT_TRUE(showEditor(*window));
    return window;
}

bool CEditorFixture::showEditor(DevHost::CHostEditorWindow& window)
{
    // The title bar of the artwork is light; the host's window is black.
    return window.openEditor() && idleUntil(window, [&] { return window.capture().at(230, 8) != 0; });
}

void CEditorFixture::openFirstEditor(int program)
{
    m_instance = createEffect(program);
    ASSERT_NE(m_instance, nullptr);
    m_window = openEditor(*m_instance);
}

bool CEditorFixture::idleUntil(DevHost::CHostEditorWindow& window, const std::function<bool()>& done)
{
    return window.idleUntil(done, WAIT_MILLISECONDS);
}

bool CEditorFixture::idleUntilParameter(VstInt32 index, float value)
{
    return idleUntil(*m_window, [&] { return std::fabs(m_instance->getParameter(index) - value) < 1e-6f; });
}

bool CEditorFixture::waitWithoutIdle(const std::function<bool()>& done)
{
    const auto nap = [](long) { std::this_thread::sleep_for(std::chrono::milliseconds(5)); };
    return serveUntil([] {}, nap, done, WAIT_MILLISECONDS);
}

void CEditorFixture::click(const SPoint& point, const std::string& modifiers)
{
    drag(point, 0, 0, modifiers);
}

void CEditorFixture::drag(const SPoint& point, int dx, int dy, const std::string& modifiers)
{
    std::string commands = "mousemove --window " + id(m_window->windowId()) + " " + std::to_string(point.x) + " " +
                           std::to_string(point.y) + (modifiers.empty() ? "" : " keydown " + modifiers) +
                           " mousedown 1";
    for (int i = 0; i < std::abs(dx) + std::abs(dy); ++i) {
        commands += i < std::abs(dx) ? (dx > 0 ? " mousemove_relative -- 1 0" : " mousemove_relative -- -1 0")
                                     : (dy > 0 ? " mousemove_relative -- 0 1" : " mousemove_relative -- 0 -1");
    }
    input(commands + " mouseup 1" + (modifiers.empty() ? "" : " keyup " + modifiers));
}

long CEditorFixture::litMeterSegments()
{
    return m_window->capture().count(METER_SEGMENT_COLOUR, METER.left, METER.top, METER.width, METER.height) /
           METER_SEGMENT_PIXELS;
}

bool CEditorFixture::menuShown(SArea* area)
{
    return shownWindow(
        observer(), [](const XWindowAttributes& window) { return window.override_redirect; }, area);
}

bool CEditorFixture::splashShown(SArea* area)
{
    return shownWindow(
        observer(), [](const XWindowAttributes& window) { return window.width == 420 && window.height == 236; }, area);
}

}  // namespace TenviraEditorTests
