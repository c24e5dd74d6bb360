// Tenvira's editor as a DAW shows it: the built plug-in loaded through the
// development host, its editor opened in a host window on a private Xvfb,
// driven by real input and read back as pixels.
#pragma once

#include "CX11Fixture.hpp"

#include "CDevHost.hpp"
#include "CExpectedEditor.hpp"
#include "CHostEditorWindow.hpp"
#include "CPluginInstance.hpp"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace TenviraEditorTests {

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
constexpr SArea WHOLE_EDITOR{0, 0, EDITOR_WIDTH, EDITOR_HEIGHT};
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
    // Whether the editor's window shows what is expected and its labels hold the expected texts.
    ::testing::AssertionResult shows(const CExpectedEditor& expected);
    // Idles the editor until it shows what is expected; what differs when the time allowed runs out.
    ::testing::AssertionResult idleUntilShown(const CExpectedEditor& expected);
    // The same without idling: what the last idle drew may still be on its way.
    ::testing::AssertionResult shownWithoutIdle(const CExpectedEditor& expected);
    // The text value label index holds, read from the editor the plug-in made: blanks at the end of a
    // label's text do not show in the picture.
    std::string labelTextHeld(int index);

    // Real input at positions in the editor; a drag moves one pixel at a time.
    void click(const SPoint& point, const std::string& modifiers = "");
    void drag(const SPoint& point, int dx, int dy, const std::string& modifiers = "");

    std::vector<std::uint32_t> pixelsOf(DevHost::CHostEditorWindow& window, const SArea& area);
    // The area once the server shows the editor's last drawing (three reads in a row agree).
    std::vector<std::uint32_t> settledPixels(DevHost::CHostEditorWindow& window, const SArea& area);
    long litMeterSegments();
    // The pop-up menu (a window no window manager handles) and the splash, when shown, and where.
    bool menuShown(SArea* area = nullptr);
    bool splashShown(SArea* area = nullptr);

    DevHost::CDevHost m_host;
    std::unique_ptr<DevHost::CPluginInstance> m_instance;
    std::unique_ptr<DevHost::CHostEditorWindow> m_window;
};

}  // namespace TenviraEditorTests
