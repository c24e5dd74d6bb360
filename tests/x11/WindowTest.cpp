// Framework windows on a real server: creation, the window manager's close,
// real input routed to the controls, and a window inside a host's. The window
// logic above the window system is tested without a server (tests/gui).
#include "CWindowFixture.hpp"

#include "exceptions/CException.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/listeners/IFocusListener.hpp"
#include "gui/listeners/IWindowChangeListener.hpp"
#include "gui/windowing/CMenuWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

#include <X11/Xutil.h>

#include <cstring>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;
using Corvane::GUI::Basics::CAlphaColour;
using Corvane::GUI::Basics::CColour;
using Corvane::MathTools::CRect;

namespace {

class FrameworkWindow : public CWindowFixture {};

class CListenerRecorder : public Corvane::GUI::Listeners::IWindowChangeListener,
                          public Corvane::GUI::Listeners::IFocusListener {
public:
    void windowSized(IWindow*) override {}
    void windowMoved(IWindow*) override {}
    void windowClosed(IWindow*) override { ++closed; }
    void windowOpened(IWindow*) override { ++opened; }
    void windowMinimised(IWindow*) override {}
    void windowMaximised(IWindow*) override {}
    void gainedFocus(IWindow*) override { ++gained; }
    void lostFocus(IWindow*) override { ++lost; }
    int closed = 0, opened = 0, gained = 0, lost = 0;
};

CWindowAttributes attributesWith(const char* title, const CColour& background)
{
    CWindowAttributes attributes;
    attributes.setTitle(title);
    attributes.setBackgroundColour(background);
    return attributes;
}

}  // namespace

TEST_F(FrameworkWindow, InitialiseWindowOnACreatedWindowChangesNothingAndTheWindowManagersCloseHidesIt)
{
    CWindow window(CRect(40, 30, 200, 120));
    CListenerRecorder listener;
    window.registerWindowChangeListener(&listener);
    CWindowAttributes firstAttributes = attributesWith("First", CColour(200, 0, 0));
    window.initialiseWindow(&firstAttributes, true);
    const unsigned long handle = window.getWindowHandle();
    ASSERT_NE(handle, 0u);
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return isViewable(handle) && pixel(handle, 5, 5) == 0xC80000; }));

    CWindowAttributes secondAttributes = attributesWith("Second", CColour(0, 200, 0));
    secondAttributes.initialise(CWindowAttributes::CWINDOWATTRIBUTES_STYLE_PLAIN);
    window.initialiseWindow(&secondAttributes, true);
    EXPECT_EQ(window.getWindowHandle(), handle);
    EXPECT_EQ(std::string(window.getWindowAttributes()->getTitle().getString()), "First");
    EXPECT_FALSE(window.getWindowAttributes()->isPlain());
    // Painted again whole, it keeps the first background.
    CRecordingControl* probe =
        new CRecordingControl(window.getControlRoot(), CRect(150, 100, 10, 10), CAlphaColour(0, 0, 255, 255));
    window.getControlRoot()->addControl(probe);
    window.updateWindow();
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return pixel(handle, 155, 105) == 0x0000FF; }));
    EXPECT_EQ(pixel(handle, 5, 5), 0xC80000u);
    EXPECT_EQ(listener.opened, 1);

    // Closed by the window manager: the change listener is told, and the window is hidden, not destroyed.
    sendCloseRequest(handle);
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return listener.closed == 1; }));
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return !isViewable(window.getWindowHandle()); }));
    EXPECT_TRUE(window.isWindowCreated());
    EXPECT_FALSE(window.isWindowOpen());
}

TEST_F(FrameworkWindow, RealInputReachesTheControlsAndFocusTheListener)
{
    CWindow window(CRect(100, 80, 200, 150));
    CRecordingControl* control =
        new CRecordingControl(window.getControlRoot(), CRect(20, 30, 60, 40), CAlphaColour(0, 0, 255, 255));
    window.getControlRoot()->addControl(control);
    CListenerRecorder focus;
    window.registerFocusListener(&focus);
    CWindowAttributes attributes = attributesWith("Input", CColour(255, 255, 255));
    window.initialiseWindow(&attributes, true);
    const unsigned long handle = window.getWindowHandle();
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return isViewable(handle) && pixel(handle, 30, 40) == 0x0000FF; }));
    EXPECT_EQ(pixel(handle, 5, 5), 0xFFFFFFu);

    // A right click between left ones keeps them from making a double click.
    input("mousemove --window " + id(handle) +
          " 30 40 click 1 click 3 keydown alt click 1 keyup alt click 3 click 4 click 5"
          " click --repeat 2 --delay 60 1 key a");
    const std::vector<std::string> expected = {
        "left-down 10,10",   "left-up 10,10",    "right-down 10,10", "right-up 10,10", "right-down 10,10 alt",
        "left-up 10,10 alt", "right-down 10,10", "right-up 10,10",   "wheel-up 10,10", "wheel-down 10,10",
        "left-down 10,10",   "left-up 10,10",    "double 10,10",     "left-up 10,10",  "key a"};
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return control->events.size() >= expected.size(); }));
    EXPECT_EQ(control->events, expected);

    input("windowfocus --sync " + id(handle));
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return focus.gained == 1; }));
    const Window host = createHostWindow(400, 300, 50, 50);
    input("windowfocus --sync " + id(host));
    ASSERT_TRUE(pumpWindowUntil(window, [&] { return focus.lost == 1; }));
}

TEST_F(FrameworkWindow, EmbeddedInAHostWindowOnItsOwnConnection)
{
    const Window host = createHostWindow(50, 40, 300, 200);
    CWindow editor(CRect(0, 0, 120, 80));
    CRecordingControl* control =
        new CRecordingControl(editor.getControlRoot(), CRect(0, 0, 120, 80), CAlphaColour(0, 255, 0, 255));
    editor.getControlRoot()->addControl(control);
    EXPECT_FALSE(editor.createEmbeddedWindow(0));
    ASSERT_TRUE(editor.createEmbeddedWindow(host));
    EXPECT_FALSE(editor.createEmbeddedWindow(host));
    const unsigned long child = editor.getWindowHandle();
    ASSERT_TRUE(pumpWindowUntil(editor, [&] { return pixel(child, 60, 40) == 0x00FF00; }));
    const XWindowAttributes attributes = attributesOf(child);
    EXPECT_EQ(attributes.width, 120);
    EXPECT_EQ(attributes.height, 80);
    EXPECT_EQ(editor.getWindowPosition(), Corvane::MathTools::CPoint(50, 40));
    input("mousemove --window " + id(child) + " 7 9 click 1");
    ASSERT_TRUE(pumpWindowUntil(editor, [&] { return control->events.size() == 2; }));
    EXPECT_EQ(control->events.front(), "left-down 7,9");

    // Closed and opened again, as a host does with an editor; then the host destroys its window first.
    editor.destroyWindow();
    EXPECT_EQ(editor.getWindowHandle(), 0u);
    EXPECT_FALSE(editor.isWindowCreated());
    ASSERT_TRUE(editor.createEmbeddedWindow(host));
    ASSERT_TRUE(pumpWindowUntil(editor, [&] { return pixel(editor.getWindowHandle(), 60, 40) == 0x00FF00; }));
    // A menu open over the editor, on the editor's connection, goes with it, and so does its grab.
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Controls::CMenu> menu;
    menu = new Corvane::GUI::Controls::CMenu("menu");
    menu->addMenuItem(new Corvane::GUI::Controls::CMenuItem("item", 0));
    CWindowAttributes menuAttributes;
    CMenuWindow menuWindow(CRect(0, 0, 50, 100), &menuAttributes, menu.getPointer(), false, nullptr);
    menuWindow.setParentWindow(&editor);
    menuWindow.openPopupWindow(editor.getWindowPosition());
    ASSERT_TRUE(pumpWindowUntil(editor, [&] { return isViewable(menuWindow.getWindowHandle()); }));
    XDestroyWindow(observer(), host);
    XSync(observer(), False);
    ASSERT_TRUE(pumpWindowUntil(editor, [&] { return !editor.isWindowOpen(); }));
    EXPECT_FALSE(menuWindow.isWindowOpen());
    EXPECT_TRUE(waitUntil([&] { return !pointerIsGrabbed(); }));
    editor.destroyWindow();
}

TEST_F(FrameworkWindow, WithoutADisplayNothingIsOpenedAndCreationFails)
{
    unsetenv("DISPLAY");
    CWindow window(CRect(0, 0, 100, 100));
    window.startTimer(1, 5);
    window.redrawWindow();
    EXPECT_EQ(window.pump(), 0);
    EXPECT_FALSE(window.waitForEvents(0));
    EXPECT_FALSE(window.createEmbeddedWindow(12345));
    CWindowAttributes attributes;
    try {
        window.initialiseWindow(&attributes, true);
        ADD_FAILURE() << "created without a display";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Failed to create window structure");
    }
    EXPECT_FALSE(window.isWindowCreated());
    EXPECT_EQ(window.getWindowHandle(), 0u);
}
