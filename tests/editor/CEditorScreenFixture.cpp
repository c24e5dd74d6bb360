#include "CEditorScreenFixture.hpp"

#include <cstdlib>
#include <functional>

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

void CEditorScreenFixture::click(const SPoint& point, const std::string& modifiers)
{
    drag(point, 0, 0, modifiers);
}

void CEditorScreenFixture::drag(const SPoint& point, int dx, int dy, const std::string& modifiers)
{
    std::string commands = "mousemove --window " + id(editorWindowId()) + " " + std::to_string(point.x) + " " +
                           std::to_string(point.y) + (modifiers.empty() ? "" : " keydown " + modifiers) +
                           " mousedown 1";
    for (int i = 0; i < std::abs(dx) + std::abs(dy); ++i) {
        commands += i < std::abs(dx) ? (dx > 0 ? " mousemove_relative -- 1 0" : " mousemove_relative -- -1 0")
                                     : (dy > 0 ? " mousemove_relative -- 0 1" : " mousemove_relative -- 0 -1");
    }
    input(commands + " mouseup 1" + (modifiers.empty() ? "" : " keyup " + modifiers));
}

long CEditorScreenFixture::litMeterSegments()
{
    return captureEditor().count(METER_SEGMENT_COLOUR, METER.left, METER.top, METER.width, METER.height) /
           METER_SEGMENT_PIXELS;
}

bool CEditorScreenFixture::menuShown(SArea* area)
{
    return shownWindow(
        observer(), [](const XWindowAttributes& window) { return window.override_redirect; }, area);
}

bool CEditorScreenFixture::splashShown(SArea* area)
{
    return shownWindow(
        observer(), [](const XWindowAttributes& window) { return window.width == 420 && window.height == 236; }, area);
}

SPoint CEditorScreenFixture::menuItem(const SArea& menu, int item)
{
    return SPoint{menu.left + menu.width / 2, menu.top + menu.height * (2 * item + 1) / 6};
}

}  // namespace TenviraEditorTests
