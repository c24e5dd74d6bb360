#pragma once

#include "basics/CSystemString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/listeners/IActionListener.hpp"
#include "gui/listeners/IWindowChangeListener.hpp"
#include "gui/windowing/CAboutWindow.hpp"
#include "gui/windowing/CWindow.hpp"
#include "gui/windowing/ITimedObject.hpp"

namespace Corvane { namespace GUI { namespace Controls {
class CAnimation;
class CKnob;
class CLatchingButton;
class CLevelMeter;
class CMenu;
class CMomentaryButton;
class CPopupButton;
class CTextLabel;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace Gallery {

/**
 * A framework window with one of each editor control, each wired to a label
 * that shows its value: a knob, an animation and a level meter that follow
 * it, a latching button, a pop-up button with its menu, and an information
 * button that opens the about window. Drawn with the editor's artwork from a
 * resource folder; without it, in the controls' own plain looks.
 */
class CGallery : public GUI::Listeners::IActionListener,
                 public GUI::Listeners::IWindowChangeListener,
                 public GUI::Windowing::ITimedObject {
public:
    static constexpr long CGALLERY_WIDTH = 470;
    static constexpr long CGALLERY_HEIGHT = 300;

    explicit CGallery(const Basics::CSystemString& resources);
    ~CGallery() override;
    CGallery(const CGallery&) = delete;
    CGallery& operator=(const CGallery&) = delete;

    /** Shows the window; false when there is no display. */
    bool open();
    /** Serves the window until it is closed, or for that many seconds when more than 0. */
    void run(double seconds);
    /** Paints the window's content into a PNG, without a display. */
    bool writeSnapshot(const Basics::CSystemString& path);

    void handleActionEvent(const GUI::Events::CActionEvent& event) override;
    void timerExpired() override;
    long getTimerId() const override { return CGALLERY_TIMER_ID; }
    void windowClosed(GUI::Windowing::IWindow* window) override;
    void windowSized(GUI::Windowing::IWindow*) override {}
    void windowMoved(GUI::Windowing::IWindow*) override {}
    void windowOpened(GUI::Windowing::IWindow*) override {}
    void windowMinimised(GUI::Windowing::IWindow*) override {}
    void windowMaximised(GUI::Windowing::IWindow*) override {}

private:
    static constexpr long CGALLERY_TIMER_ID = 1;

    GUI::Controls::CTextLabel* addLabel(long left, long top, const char* text);
    void showValue(GUI::Controls::CTextLabel* label, const char* format, double value);

    Collections::TAutomaticPointer<GUI::Windowing::CWindow> m_window;
    Collections::TAutomaticPointer<GUI::Windowing::CAboutWindow> m_about;
    GUI::Controls::CMenu* m_menu;
    GUI::Controls::CKnob* m_knob;
    GUI::Controls::CAnimation* m_animation;
    GUI::Controls::CLatchingButton* m_latch;
    GUI::Controls::CMomentaryButton* m_info;
    GUI::Controls::CPopupButton* m_popup;
    GUI::Controls::CLevelMeter* m_meter;
    GUI::Controls::CTextLabel* m_knobLabel;
    GUI::Controls::CTextLabel* m_animationLabel;
    GUI::Controls::CTextLabel* m_latchLabel;
    GUI::Controls::CTextLabel* m_infoLabel;
    GUI::Controls::CTextLabel* m_popupLabel;
    GUI::Controls::CTextLabel* m_meterLabel;
    double m_level;
    long m_presses;
    bool m_closed;
};

}}  // namespace Corvane::Gallery
