// The fixture of tests of framework windows: the toolkit started, windows
// made on the private server, and what the server says about them.
#pragma once

#include "CX11Fixture.hpp"

#include "gui/controls/CControl.hpp"
#include "gui/windowing/CWindow.hpp"

#include <functional>
#include <string>
#include <vector>

namespace TenviraX11Tests {

/**
 * Framework windows open their own connections to $DISPLAY: here it names
 * the private server for the whole test process.
 */
class CWindowFixture : public CX11Fixture {
protected:
    void SetUp() override;
    void TearDown() override;

    /** Makes owner a shown top-level window and waits until the server shows it. */
    void showOwner(Corvane::GUI::Windowing::CWindow& owner);
    /** Pumps the window's tree until done() holds; false after the time allowed. */
    bool pumpWindowUntil(Corvane::GUI::Windowing::CWindow& window, const std::function<bool()>& done,
                         long milliseconds = WAIT_MILLISECONDS);
    /** The viewable child of the root whose name is title; 0 when there is none (yet). */
    Window windowNamed(const std::string& title);
    /** Mapped and viewable, as the server says; false for a window it does not know (yet). */
    bool isViewable(unsigned long window);
    XWindowAttributes attributesOf(unsigned long window);
    /** A PNG of width x height in one colour (0xRRGGBB), in the test's scratch folder. */
    std::string writeImage(const std::string& name, long width, long height, unsigned long colour);
};

/** A control in one colour that records the left presses and releases routed to it, as "kind x,y". */
class CRecordingControl : public Corvane::GUI::Controls::CControl {
public:
    CRecordingControl(Corvane::GUI::Controls::IControlRoot* root, const Corvane::MathTools::CRect& area,
                      const Corvane::GUI::Basics::CAlphaColour& colour);

    void drawControl(Corvane::GUI::Graphics::CGraphics& graphics) override;
    void handleLeftButtonDown(Corvane::GUI::Events::CMouseEvent& event) override { record("left-down", event); }
    void handleLeftButtonUp(Corvane::GUI::Events::CMouseEvent& event) override { record("left-up", event); }

    std::vector<std::string> events;

private:
    void record(const char* kind, Corvane::GUI::Events::CMouseEvent& event);

    Corvane::GUI::Basics::CAlphaColour m_colour;
};

}  // namespace TenviraX11Tests
