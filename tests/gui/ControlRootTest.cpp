// The control model: hit testing, routing of real mouse sequences, key
// routing, redraw requests, and what the root paints into a bitmap.
#include "GuiTestSupport.hpp"

#include "collections/TCountedPointerArray.hpp"
#include "exceptions/CException.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CPopupButton.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/windowing/CMouse.hpp"

#include <gtest/gtest.h>

using namespace GuiTests;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Controls::CControlRoot;
using Corvane::GUI::Events::CMouseEvent;
using Corvane::GUI::Windowing::CMouse;

namespace {

// A root in a 100 x 100 test window, with controls held as the editor holds them.
class Root : public ::testing::Test {
protected:
    Root() : root(&window), event(&mouse) { window.getWindowAttributes()->setBackgroundColour(BLUE); }

    CProbeControl* add(const CRect& area, const CAlphaColour& colour = RED, bool capture = false, long id = 0)
    {
        auto* control = new CProbeControl(&root, id, area, colour, capture);
        m_held.addElement(control);
        root.addControl(control);
        return control;
    }

    void at(long x, long y) { mouse.setPosition(CPoint(x, y)); }

    // What the root paints for the update area, into the canvas.
    void paint(const CRect& updateArea)
    {
        CGraphics graphics;
        canvas.image().initialiseGraphics(graphics);
        graphics.setUpdateArea(updateArea);
        root.drawRootControl(graphics);
        graphics.uninitialise();
    }

    CTestWindow window;
    CControlRoot root;
    CMouse mouse;
    CMouseEvent event;
    CCanvas canvas{100, 100, false};

private:
    Corvane::Collections::TCountedPointerArray<CProbeControl> m_held;
};

}  // namespace

TEST_F(Root, HitTestingCountsBothEdgesAndTheFirstAddedWins)
{
    CProbeControl* first = add(CRect(10, 20, 30, 40));
    CProbeControl* second = add(CRect(30, 50, 20, 20));
    CProbeControl* deaf = add(CRect(60, 60, 10, 10));
    CProbeControl* beneath = add(CRect(60, 60, 20, 20));
    deaf->controlIsMouseEnabled(false);

    EXPECT_EQ(root.getControlAtPoint(CPoint(40, 60)), first);
    EXPECT_EQ(root.getControlAtPoint(CPoint(10, 20)), first);
    EXPECT_EQ(root.getControlAtPoint(CPoint(41, 60)), second);
    EXPECT_EQ(root.getControlAtPoint(CPoint(50, 70)), second);
    EXPECT_EQ(root.getControlAtPoint(CPoint(51, 70)), nullptr);
    EXPECT_EQ(root.getControlAtPoint(CPoint(65, 65)), deaf);
    EXPECT_EQ(root.getMouseEnabledControlAtPoint(CPoint(65, 65)), beneath);

    // A click on the overlap goes to the first; on the deaf control, to the one beneath it.
    at(35, 55);
    root.handleLeftButtonDown(event);
    EXPECT_EQ(first->lastEvent, "down");
    EXPECT_EQ(second->lastEvent, "");
    at(65, 65);
    root.handleLeftButtonDown(event);
    EXPECT_EQ(beneath->lastEvent, "down");
    EXPECT_EQ(deaf->lastEvent, "");
    EXPECT_EQ(beneath->lastPosition, CPoint(5, 5));
}

TEST_F(Root, ALockedControlFollowsTheMouseEverywhereUntilItIsReleased)
{
    CProbeControl* knob = add(CRect(40, 40, 20, 20), RED, true);
    CProbeControl* other = add(CRect(0, 0, 20, 20));

    at(45, 45);
    event.setModifiers(false, true, false);
    root.handleLeftButtonDown(event);
    EXPECT_TRUE(root.controlIsLocked());
    EXPECT_TRUE(knob->lastShift);

    // Over another control and off the window: still the knob, relative to its corner.
    at(5, 5);
    root.handleMouseMovement(event);
    EXPECT_EQ(knob->lastEvent, "move");
    EXPECT_EQ(knob->lastPosition, CPoint(-35, -35));
    EXPECT_EQ(other->lastEvent, "");
    at(150, -20);
    event.setWheelMovement(-1.0);
    root.handleMouseScroll(event);
    EXPECT_EQ(knob->lastPosition, CPoint(110, -60));
    EXPECT_EQ(knob->lastWheel, -1.0);

    root.handleLeftButtonUp(event);
    EXPECT_EQ(knob->lastEvent, "up");
    EXPECT_FALSE(root.controlIsLocked());
    at(5, 5);
    root.handleMouseMovement(event);
    EXPECT_EQ(other->lastEvent, "move");
    EXPECT_EQ(root.getLastUsedControl(), other);
    // The caller's position is left as it was.
    EXPECT_EQ(event.getMousePosition(), CPoint(5, 5));
}

TEST_F(Root, AModalControlAloneReceivesEventsAndKeysFollowModalLockedAndLastUsed)
{
    CProbeControl* button = add(CRect(0, 0, 20, 20));
    CProbeControl* menu = add(CRect(50, 50, 30, 30));
    root.addModalControl(menu);

    at(10, 10);
    root.handleLeftButtonDown(event);
    EXPECT_EQ(button->lastEvent, "");
    EXPECT_EQ(root.getLastUsedControl(), nullptr);
    at(80, 80);
    root.handleLeftButtonDown(event);
    EXPECT_EQ(menu->lastEvent, "down");

    const Corvane::GUI::Events::CKeyboardEvent key;
    EXPECT_TRUE(root.handleKeyDown(key));
    EXPECT_EQ(menu->keys, 1);
    root.removeModalControl();
    root.lockControl(button);
    EXPECT_TRUE(root.handleKeyDown(key));
    EXPECT_EQ(button->keys, 1);
    root.unlockControl();
    EXPECT_TRUE(root.handleKeyDown(key));
    EXPECT_EQ(menu->keys, 2);

    CControlRoot fresh(&window);
    EXPECT_FALSE(fresh.handleKeyDown(key));
}

TEST_F(Root, ControlsAskTheWindowToRepaintTheirRectangle)
{
    CProbeControl* control = add(CRect(5, 6, 7, 8), RED, false, 42);
    control->update();
    root.updateControl(42, false);
    root.updateControl(0, true);
    root.updateControl(99, false);
    ASSERT_EQ(window.redraws.size(), 3U);
    for (const CRect& area : window.redraws) {
        EXPECT_EQ(area, CRect(5, 6, 7, 8));
    }

    root.removeControl(control);
    EXPECT_EQ(root.getNumberOfControls(), 0);
}

TEST_F(Root, PaintingFillsTheBackgroundThenDrawsEachControlClippedInItsOwnCoordinates)
{
    TAutomaticPointer<CRGBAImage> background;
    background = swatch(GREEN, 50, 100, false);
    root.setBackgroundImage(background.getPointer());
    CProbeControl* low = add(CRect(10, 10, 30, 30), RED);
    CProbeControl* high = add(CRect(30, 30, 30, 30), CAlphaColour::CALPHACOLOUR_YELLOW);
    CProbeControl* away = add(CRect(70, 70, 10, 10));

    paint(CRect(0, 0, 100, 100));
    EXPECT_TRUE(near(canvas.pixel(45, 5), GREEN, 0)) << "background image 1:1 from the corner";
    EXPECT_TRUE(near(canvas.pixel(55, 5), BLUE, 0)) << "window colour beside the image";
    EXPECT_TRUE(near(canvas.pixel(35, 35), CAlphaColour::CALPHACOLOUR_YELLOW, 0)) << "the later control on top";
    EXPECT_EQ(low->drawnOffset, CPoint(10, 10));
    EXPECT_EQ(low->drawnUpdateArea, CRect(0, 0, 30, 30));

    // A partial repaint: only the update area changes; a control is told the part it covers.
    canvas.fill(BLACK);
    const int awayDraws = away->draws;
    paint(CRect(20, 20, 15, 15));
    EXPECT_EQ(inkBounds(canvas.image(), BLACK, 0), CRect(20, 20, 15, 15));
    EXPECT_EQ(low->drawnUpdateArea, CRect(10, 10, 15, 15));
    EXPECT_EQ(high->drawnUpdateArea, CRect(0, 0, 5, 5));
    EXPECT_EQ(away->draws, awayDraws);

    // Touching the update area along one edge is enough to be redrawn.
    paint(CRect(80, 0, 20, 70));
    EXPECT_EQ(away->draws, awayDraws + 1);
    EXPECT_EQ(away->drawnUpdateArea.getHeight(), 0);
}

TEST_F(Root, DisabledControlsShowOnlyTheirDisabledImageAndTheModalOneComesLast)
{
    TAutomaticPointer<CRGBAImage> greyed;
    greyed = swatch(GREEN);
    CProbeControl* withImage = add(CRect(0, 0, 10, 10));
    CProbeControl* without = add(CRect(20, 0, 10, 10));
    withImage->setDisabledImage(greyed.getPointer());
    EXPECT_EQ(greyed->getReferenceCount(), 2);
    withImage->disableControl();
    without->disableControl();
    CProbeControl* under = add(CRect(40, 40, 20, 20), RED);
    CProbeControl* menu = add(CRect(50, 50, 20, 20), GREEN);
    root.addModalControl(under);

    paint(CRect(0, 0, 100, 100));
    EXPECT_TRUE(near(canvas.pixel(5, 5), GREEN, 0));
    EXPECT_TRUE(near(canvas.pixel(25, 5), BLUE, 0));
    EXPECT_TRUE(near(canvas.pixel(55, 55), RED, 0)) << "the modal control above the later one";
    EXPECT_EQ(menu->draws, 1);
}

TEST_F(Root, ConstructionFailuresNameTheirCause)
{
    try {
        CProbeControl orphan(nullptr, 1, CRect(0, 0, 1, 1));
        ADD_FAILURE() << "a control without a root was built";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Control root is null");
        EXPECT_STREQ(exception.getFunctionName().getString(), "CControl::setControlRoot(IControlRoot *)");
    }
    try {
        const Corvane::GUI::Events::CActionEvent action(nullptr);
        ADD_FAILURE() << "an action event without a control was built";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Control is NULL");
        EXPECT_STREQ(exception.getFunctionName().getString(), "CActionEvent::CActionEvent(IControl *control)");
    }
    try {
        Corvane::GUI::Controls::CPopupButton nothing(&root, 12, CRect(0, 0, 10, 10), nullptr, nullptr);
        ADD_FAILURE() << "a pop-up button without a menu was built";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Menu is NULL");
        EXPECT_STREQ(
            exception.getFunctionName().getString(),
            "CPopupButton::CPopupButton(IControlRoot *, const long, const CRect &, CMenu *, IActionListener *)");
    }
}
