// The editor's controls driven through a control root as the window layer
// drives it: knob drags, wheel and double-click, buttons under the pointer,
// and what knobs, buttons, the meter and labels paint.
#include "GuiTestSupport.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CKnob.hpp"
#include "gui/controls/CLatchingButton.hpp"
#include "gui/controls/CLevelMeter.hpp"
#include "gui/controls/CMomentaryButton.hpp"
#include "gui/controls/CRootSnapshot.hpp"
#include "gui/controls/CTextLabel.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/listeners/IActionListener.hpp"
#include "gui/windowing/CCursor.hpp"
#include "gui/windowing/CMouse.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace GuiTests;
using namespace Corvane::GUI::Controls;
using Corvane::Basics::CString;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Events::CMouseEvent;
using Corvane::GUI::Windowing::CCursor;

namespace {

class CCountingListener : public Corvane::GUI::Listeners::IActionListener {
public:
    void handleActionEvent(const Corvane::GUI::Events::CActionEvent& event) override
    {
        ++count;
        last = event.getControl();
    }
    int count = 0;
    IControl* last = nullptr;
};

// A root in a black 100 x 300 window, driven with the events of a real mouse.
class Controls : public ::testing::Test {
protected:
    Controls() : root(&window), event(&m_mouse)
    {
        window.getWindowAttributes()->setBackgroundColour(BLACK);
        Corvane::GUI::Fonts::CFont::createDefaultFont();
    }
    ~Controls() override { Corvane::GUI::Fonts::CFont::destroyDefaultFont(); }

    template <class T>
    T* add(T* control)
    {
        root.addControl(control);
        return control;
    }

    void send(void (CControlRoot::*handler)(CMouseEvent&), long x, long y, bool shift = false, double wheel = 0.0)
    {
        m_mouse.setPosition(CPoint(x, y));
        event.setModifiers(false, shift, false);
        event.setWheelMovement(wheel);
        (root.*handler)(event);
    }
    void press(long x, long y) { send(&CControlRoot::handleLeftButtonDown, x, y); }
    void release(long x, long y) { send(&CControlRoot::handleLeftButtonUp, x, y); }
    void move(long x, long y, bool shift = false) { send(&CControlRoot::handleMouseMovement, x, y, shift); }

    CRGBAImage& paint()
    {
        m_painted = new CRGBAImage(100, 300, false);
        CRootSnapshot::drawControlRoot(root, *m_painted);
        return *m_painted;
    }

    CTestWindow window{CDimension(100, 300)};
    CControlRoot root;
    CMouseEvent event;
    CCountingListener listener;

private:
    Corvane::GUI::Windowing::CMouse m_mouse;
    TAutomaticPointer<CRGBAImage> m_painted;
};

}  // namespace

TEST_F(Controls, AKnobDragCountsUpAndRightFromThePressAndAnOvershootMustBeTravelledBack)
{
    CKnob* knob = add(new CKnob(&root, 3, CRect(10, 10, 34, 34), &listener));
    knob->setValue(0.5);
    press(20, 20);
    for (long y = 19; y >= -80; --y) {
        move(20, y);
    }
    EXPECT_EQ(knob->getValue(), 1.0);
    EXPECT_EQ(listener.count, 100);
    EXPECT_EQ(listener.last, knob);
    EXPECT_EQ(window.redraws.size(), 100U);

    // 50 pixels past the top and back again: nothing moves until the drag is below the top.
    for (long y = -81; y >= -130; --y) {
        move(20, y);
    }
    for (long y = -129; y <= -80; ++y) {
        move(20, y);
    }
    EXPECT_EQ(listener.count, 100);
    move(20, -79);
    EXPECT_NEAR(knob->getValue(), 0.995, 1e-12);

    // Up-left by equal amounts cancels out; right alone raises the value.
    move(0, -99);
    EXPECT_EQ(listener.count, 101);
    move(21, -79);
    EXPECT_NEAR(knob->getValue(), 1.0, 1e-12);

    release(21, -79);
    EXPECT_FALSE(root.controlIsLocked());
    move(20, 20);
    EXPECT_EQ(listener.count, 102);
}

TEST_F(Controls, ShiftChangesTheDragStepFromTheNextPixelOnWithoutAJump)
{
    CKnob* knob = add(new CKnob(&root, 3, CRect(0, 0, 34, 34), &listener));
    press(10, 30);
    for (long pixel = 1; pixel <= 30; ++pixel) {
        const double before = knob->getValue();
        move(10, 30 - pixel, pixel > 10 && pixel <= 20);
        // Shift goes down before pixel 11 and up before pixel 21: each change shows one pixel later.
        const bool fine = pixel > 11 && pixel <= 21;
        EXPECT_NEAR(knob->getValue() - before, fine ? 0.0005 : 0.005, 1e-12) << "pixel " << pixel;
    }
}

TEST_F(Controls, TheWheelStepsAndADoubleClickRestoresTheDefaultNotifyingOnlyOnAChange)
{
    CKnob* knob = add(new CKnob(&root, 3, CRect(0, 0, 34, 34), &listener));
    knob->setValue(0.5);
    send(&CControlRoot::handleMouseScroll, 5, 5, true, 1.0);
    EXPECT_DOUBLE_EQ(knob->getValue(), 0.50625);
    send(&CControlRoot::handleMouseScroll, 5, 5, false, 0.0);
    EXPECT_DOUBLE_EQ(knob->getValue(), 0.48125);
    knob->setValue(0.99);
    send(&CControlRoot::handleMouseScroll, 5, 5, false, 1.0);
    send(&CControlRoot::handleMouseScroll, 5, 5, false, 1.0);
    EXPECT_EQ(knob->getValue(), 1.0);
    EXPECT_EQ(listener.count, 3);

    // A double click arrives as press, release, double-click, release.
    knob->setDefaultValue(0.25);
    for (int click = 0; click < 2; ++click) {
        press(5, 5);
        release(5, 5);
        send(&CControlRoot::handleDoubleClick, 5, 5);
        release(5, 5);
    }
    EXPECT_EQ(knob->getValue(), 0.25);
    EXPECT_EQ(listener.count, 5) << "told again although the default was set already";
    EXPECT_FALSE(root.controlIsLocked());
}

TEST_F(Controls, TheValueChoosesTheFrameOfTheStripAndNegativeValuesKeepIt)
{
    // 63 frames of 34 x 34; frame i has red 4 x i.
    TAutomaticPointer<CRGBAImage> strip;
    strip = bandedImage(
        34, 34, 63, [](long i) { return CAlphaColour(4 * i, 100, 0); }, false);
    CKnob* knob = add(new CKnob(&root, 3, CRect(10, 10, 34, 34), nullptr));
    knob->setAnimationImage(strip.getPointer(), 34, 63, false);
    auto frame = [&](double value) {
        knob->setValue(value);
        const CRGBAImage& image = paint();
        EXPECT_EQ(describe(image.getPixel(10, 10)), describe(image.getPixel(43, 43))) << "one whole frame, unscaled";
        return static_cast<long>(image.getPixel(26, 26).getRed()) / 4;
    };
    EXPECT_EQ(frame(1.0), 62);
    EXPECT_EQ(frame(0.999), 61);
    EXPECT_EQ(frame(0.0), 0);
    EXPECT_EQ(frame(0.5), 31);
    EXPECT_EQ(frame(-0.2), 31);
    EXPECT_EQ(frame(std::numeric_limits<double>::infinity()), 31) << "no frame index that large";
    knob->setAnimationImage(strip.getPointer(), 34, 63, true);
    EXPECT_EQ(frame(0.0), 62);
    EXPECT_EQ(frame(1.0), 0);
}

TEST_F(Controls, ALatchingButtonTogglesOnEveryReleaseOverItWhereverThePressWas)
{
    add(new CTextLabel(&root, 1, CRect(0, 0, 40, 20), CString("label")));
    CLatchingButton* a = add(new CLatchingButton(&root, 10, CRect(50, 0, 44, 24), &listener));
    CLatchingButton* b = add(new CLatchingButton(&root, 11, CRect(50, 50, 44, 24), &listener));
    a->setPrimaryImage(swatch(RED));
    a->setDownImage(swatch(GREEN));

    press(60, 60);
    release(60, 10);
    EXPECT_TRUE(a->isOn());
    EXPECT_FALSE(b->isOn());
    EXPECT_EQ(listener.last, a);
    EXPECT_TRUE(near(paint().getPixel(70, 10), GREEN, 0));
    press(10, 10);
    release(60, 10);
    EXPECT_FALSE(a->isOn());
    EXPECT_TRUE(near(paint().getPixel(70, 10), RED, 0));

    // Both releases of a double click toggle; the double-click event between them does not.
    press(60, 60);
    release(60, 60);
    send(&CControlRoot::handleDoubleClick, 60, 60);
    release(60, 60);
    EXPECT_FALSE(b->isOn());
    EXPECT_EQ(listener.count, 4);

    b->setValue(0.5);
    // With cursor change the button captures the mouse over it only: a release after leaving it is lost.
    b->useCursorChange(true);
    press(60, 60);
    EXPECT_EQ(window.cursor, &CCursor::CCURSOR_HAND);
    move(60, 90);
    EXPECT_EQ(window.cursor, &CCursor::CCURSOR_ARROW);
    release(60, 90);
    EXPECT_TRUE(b->isOn());
    EXPECT_EQ(listener.count, 4);
}

TEST_F(Controls, LeavingAPressedMomentaryButtonCancelsThePress)
{
    CMomentaryButton* info = add(new CMomentaryButton(&root, 22, CRect(0, 0, 40, 20), &listener));
    info->setText(CString("info"));
    info->setPrimaryImage(swatch(WHITE));
    info->setDownImage(swatch(CAlphaColour::CALPHACOLOUR_LIGHT_GREY));

    press(10, 10);
    EXPECT_TRUE(info->isDown());
    EXPECT_EQ(window.cursor, &CCursor::CCURSOR_HAND);
    const CRGBAImage& down = paint();
    EXPECT_TRUE(near(down.getPixel(1, 1), CAlphaColour::CALPHACOLOUR_LIGHT_GREY, 0));
    const CRect downText = inkBounds(down, CAlphaColour::CALPHACOLOUR_LIGHT_GREY, 60);
    EXPECT_GT(downText.getWidth(), 10) << "the text over the down image";

    move(60, 60);
    EXPECT_FALSE(info->isDown());
    EXPECT_EQ(window.cursor, &CCursor::CCURSOR_ARROW);
    release(60, 60);
    EXPECT_EQ(listener.count, 0);
    const CRGBAImage& up = paint();
    EXPECT_TRUE(near(up.getPixel(1, 1), WHITE, 0));
    EXPECT_EQ(inkBounds(up, WHITE, 60), downText) << "the same text, centred, when up";

    press(10, 10);
    release(12, 12);
    EXPECT_EQ(listener.count, 1);
    EXPECT_FALSE(root.controlIsLocked());
}

TEST_F(Controls, AMeterLightsItsSegmentsFromTheBottomInStepsOfColour)
{
    CLevelMeter* meter = add(new CLevelMeter(&root, -1, CRect(0, 0, 40, 270), 50));
    meter->setLineColour(WHITE, BLACK);
    const std::string black = describe(BLACK);
    auto colour = [](const CRGBAImage& image, long x, long y) { return describe(image.getPixel(x, y)); };
    // Segment k (from the bottom) covers rows 265 - 5k ... 267 - 5k, columns 2 ... 37.
    auto lit = [&](double value) {
        meter->setValue(value);
        const CRGBAImage& image = paint();
        long count = 0;
        for (long k = 0; k < 50; ++k) {
            const std::string centre = colour(image, 20, 266 - 5 * k);
            count += centre != black ? 1 : 0;
            EXPECT_EQ(colour(image, 2, 265 - 5 * k), centre) << "segment " << k;
            EXPECT_EQ(colour(image, 37, 267 - 5 * k), centre) << "segment " << k;
        }
        EXPECT_EQ(colour(image, 1, 266), black);
        EXPECT_EQ(colour(image, 38, 266), black);
        EXPECT_EQ(colour(image, 20, 264), black) << "2 pixels between segments";
        return count;
    };
    EXPECT_EQ(lit(0.5), 25);
    EXPECT_EQ(lit(0.01), 1) << "rounded up";
    EXPECT_EQ(lit(-0.2), 0);
    EXPECT_EQ(lit(std::nan("")), 0);
    EXPECT_EQ(lit(1.5), 50);
    // White down to black: each channel falls by 255 / 50, truncated to 5, per segment.
    EXPECT_EQ(colour(paint(), 20, 266 - 5 * 49), describe(CAlphaColour(10, 10, 10)));
    meter->setLineColour(BLUE, WHITE);
    EXPECT_EQ(colour(paint(), 20, 266 - 5 * 10), describe(CAlphaColour(85 + 30, 86 + 30, 200 + 10)));

    // Wider than tall: a row from the left, each segment (270 - 4 - 102) / 50 = 3 wide.
    meter->setArea(CRect(0, 0, 270, 40));
    meter->setValue(0.04);
    const CRGBAImage& row = paint();
    EXPECT_EQ(differenceMask(row, CRect(0, 20, 12, 1), BLACK, 0), std::vector<std::string>{"..###..###.."});
    EXPECT_EQ(colour(row, 3, 37), describe(BLUE));
    EXPECT_EQ(colour(row, 3, 38), black);

    // No segments would divide by zero: one is the least a meter has.
    CLevelMeter* empty = add(new CLevelMeter(&root, -1, CRect(50, 0, 40, 270), 0));
    empty->setValue(1.0);
    EXPECT_EQ(empty->getLitSegments(), 1);
}

TEST_F(Controls, ALabelDrawsItsTextOnePixelInAndLetsClicksThrough)
{
    CTextLabel* label = add(new CTextLabel(&root, 1, CRect(10, 30, 96, 20), CString(" -12.00 dB")));
    CLatchingButton* beneath = add(new CLatchingButton(&root, 2, CRect(10, 30, 96, 20), nullptr));
    beneath->setPrimaryImage(swatch(CAlphaColour::CALPHACOLOUR_TRANSPARENT));
    label->setColours(BLACK, BLACK, WHITE);
    EXPECT_EQ(window.redraws.size(), 1U);
    label->setText(CString(" -6.00 dB"));
    EXPECT_EQ(window.redraws.back(), CRect(10, 30, 96, 20));

    CCanvas expected(100, 300, false);
    expected.graphics.setTextColour(WHITE);
    expected.graphics.drawText(CString(" -6.00 dB"), CRect(11, 31, 96, 20), nullptr, CGraphics::CGRAPHICS_TEXT_LEFT);
    const CRect text = inkBounds(expected.image(), BLACK);
    EXPECT_GT(text.getWidth(), 30);
    EXPECT_EQ(inkBounds(paint(), BLACK), text);

    press(20, 40);
    release(20, 40);
    EXPECT_TRUE(beneath->isOn());
}
