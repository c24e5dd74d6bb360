// Tenvira's editor as a DAW shows it: the built plug-in loaded through the
// development host, its editor opened in a host window on a private Xvfb,
// driven by real input and read back as pixels.
#pragma once

#include "CX11Fixture.hpp"

#include "CDevHost.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"

#include <functional>
#include <memory>
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

class CEditorFixture : public TenviraX11Tests::CX11Fixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new effect, opened and prepared as a DAW does, with a program chosen.
    std::unique_ptr<DevHost::CPluginInstance> createEffect(int program = 0);
    // A host window at the editor's size, the editor open and painted in it.
    std::unique_ptr<DevHost::CHostEditorWindow> openEditor(DevHost::CPluginInstance& instance);
    // effEditOpen in the window, then idles until the editor's picture shows.
    bool showEditor(DevHost::CHostEditorWindow& window);
    // The fixture's effect with its editor open.
    void openFirstEditor(int program = 0);

    bool idleUntil(DevHost::CHostEditorWindow& window, const std::function<bool()>& done);
    bool idleUntilParameter(VstInt32 index, float value);
    // Waits without idling the editor: what its last idle drew may still be on its way.
    bool waitWithoutIdle(const std::function<bool()>& done);

    // Real input at positions in the editor; a drag moves one pixel at a time.
    void click(const SPoint& point, const std::string& modifiers = "");
    void drag(const SPoint& point, int dx, int dy, const std::string& modifiers = "");

    long litMeterSegments();
    // The pop-up menu (a window no window manager handles) and the splash, when shown, and where.
    bool menuShown(SArea* area = nullptr);
    bool splashShown(SArea* area = nullptr);

    DevHost::CDevHost m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
    std::unique_ptr<DevHost::CHostEditorWindow> m_window;
};

}  // namespace TenviraEditorTests
