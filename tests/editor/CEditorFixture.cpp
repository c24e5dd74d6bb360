#include "CEditorFixture.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "vst/CVstWindow.hpp"

#include "AudioEffect.hpp"

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

::testing::AssertionResult CEditorFixture::shows(const CExpectedEditor& expected)
{
    ::testing::AssertionResult shown = expected.isShownIn(m_window->capture(), observer());
    for (int index = 0; shown && index < CExpectedEditor::PARAMETERS; ++index) {
        if (labelTextHeld(index) != expected.label(index)) {
            shown = ::testing::AssertionFailure() << "label " << index << " holds \"" << labelTextHeld(index)
                                                  << "\" instead of \"" << expected.label(index) << "\"";
        }
    }
    return shown;
}

::testing::AssertionResult CEditorFixture::idleUntilShown(const CExpectedEditor& expected)
{
    idleUntil(*m_window, [&] { return shows(expected); });
    return shows(expected);
}

::testing::AssertionResult CEditorFixture::shownWithoutIdle(const CExpectedEditor& expected)
{
    waitWithoutIdle([&] { return shows(expected); });
    return shows(expected);
}

std::string CEditorFixture::labelTextHeld(int index)
{
    // The effect and its editor as the module built them; this test is built from the same headers.
    auto* effect = static_cast<AudioEffect*>(m_instance->effect()->object);
    const auto* editor = static_cast<Corvane::Vst::CVstWindow*>(effect->getEditor());
    const Corvane::GUI::Controls::CControlRoot* root = editor->getControlRoot();
    for (long control = 0; control < root->getNumberOfControls(); ++control) {
        Corvane::GUI::Controls::IControl* label = root->getControlAtIndex(control, true);
        if (label->getUniqueId() == index && std::string(label->getObjectClass().getClassName()) == "CTextLabel") {
            return static_cast<Corvane::GUI::Controls::CTextLabel*>(label)->getText().getString();
        }
    }
    return "(no label)";
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

std::vector<std::uint32_t> CEditorFixture::pixelsOf(DevHost::CHostEditorWindow& window, const SArea& area)
{
    const DevHost::CWindowImage image = window.capture();
    std::vector<std::uint32_t> pixels;
    for (int y = area.top; y < area.top + area.height; ++y) {
        for (int x = area.left; x < area.left + area.width; ++x) {
            pixels.push_back(image.at(x, y));
        }
    }
    return pixels;
}

std::vector<std::uint32_t> CEditorFixture::settledPixels(DevHost::CHostEditorWindow& window, const SArea& area)
{
    std::vector<std::uint32_t> pixels = pixelsOf(window, area);
    for (int agreeing = 1; agreeing < 3;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::vector<std::uint32_t> again = pixelsOf(window, area);
        agreeing = again == pixels ? agreeing + 1 : 1;
        pixels.swap(again);
    }
    return pixels;
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
