// Tenvira's editor on a private Xvfb as the user meets it, whatever shell
// shows it (the VST plug-in in a host's window, the LV2 UI in another's):
// real input at positions in the editor, and what the screen shows of it and
// of its own windows (the pop-up menus, the splash).
#pragma once

#include "CX11Fixture.hpp"

#include "CWindowImage.hpp"

#include <string>
#include <vector>

namespace TenviraEditorTests {

struct SPoint {
    int x;
    int y;
};

struct SArea {
    int left;
    int top;
    int width;
    int height;

    SPoint centre() const { return SPoint{left + width / 2, top + height / 2}; }
};

// Where the user aims at the editor's controls.
constexpr SPoint THRESHOLD_KNOB{37, 97};
constexpr SPoint EQ_LOW_KNOB{37, 207};
constexpr SPoint MONITOR_BUTTON{353, 202};
constexpr SPoint VALVE_BUTTON{197, 417};
constexpr SPoint INFORMATION_BUTTON{20, 10};
constexpr SPoint METER_MIDDLE{424, 200};
constexpr SPoint THRESHOLD_LABEL{70, 125};
constexpr SPoint EMPTY_PLACE{230, 40};

constexpr int EDITOR_WIDTH = 463;
constexpr int EDITOR_HEIGHT = 465;
constexpr SArea METER{404, 64, 40, 270};

// The top-level windows of the display's screen, bottom first.
std::vector<Window> topLevelWindows(Display* display);

class CEditorScreenFixture : public TenviraX11Tests::CX11Fixture {
protected:
    // The host's window that holds the editor, and what it shows now.
    virtual unsigned long editorWindowId() = 0;
    virtual DevHost::CWindowImage captureEditor() = 0;

    // Real input at positions in the editor; a drag moves one pixel at a time.
    void click(const SPoint& point, const std::string& modifiers = "");
    void drag(const SPoint& point, int dx, int dy, const std::string& modifiers = "");

    long litMeterSegments();
    // The pop-up menu (a window no window manager handles) and the splash, when shown, and where.
    bool menuShown(SArea* area = nullptr);
    bool splashShown(SArea* area = nullptr);
    // The point of the shown menu's item (0, 1, 2).
    static SPoint menuItem(const SArea& menu, int item);
};

}  // namespace TenviraEditorTests
