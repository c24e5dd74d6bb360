#pragma once

#include "basics/CString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/listeners/IKeyboardListener.hpp"
#include "gui/listeners/IMouseListener.hpp"
#include "gui/windowing/CWindow.hpp"

#include <vector>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * The message window behind CDialog::notifyUser: a title band, the message's
 * lines and an OK button, drawn by the framework, on a connection of its own.
 * OK, Return, Escape and the window's close dismiss it.
 */
class CAlertWindow : public CWindow, public Listeners::IMouseListener, public Listeners::IKeyboardListener {
public:
    static constexpr long CALERTWINDOW_MARGIN = 16;
    static constexpr long CALERTWINDOW_TITLE_HEIGHT = 32;
    static constexpr long CALERTWINDOW_BUTTON_WIDTH = 88;
    static constexpr long CALERTWINDOW_BUTTON_HEIGHT = 26;
    static constexpr long CALERTWINDOW_MINIMUM_WIDTH = 320;

    /** Lays the window out for the texts; no window yet. */
    CAlertWindow(const Corvane::Basics::CString& message, const Corvane::Basics::CString& title, bool isError);
    ~CAlertWindow() override;

    /** Shows the window centred on the screen with the keyboard focus; false when it cannot be made. */
    bool showAlert();
    bool isDismissed() const { return m_dismissed; }
    /** The message as it is drawn: broken into lines that fit the widest window. */
    const std::vector<Corvane::Basics::CString>& getLines() const { return m_lines; }
    /** Where the OK button is, in the window. */
    Corvane::MathTools::CRect getButtonArea() const;

    void draw(Graphics::CGraphics& graphics) override;
    void windowClosed(IWindow* window) override;

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleRightButtonDown(Events::CMouseEvent&) override {}
    void handleRightButtonUp(Events::CMouseEvent&) override {}
    void handleDoubleClick(Events::CMouseEvent& event) override;
    void handleMouseScroll(Events::CMouseEvent&) override {}
    void handleMouseMovement(Events::CMouseEvent&) override {}
    void handleMouseLeavingArea(Events::CMouseEvent&) override {}
    bool handleKeyDown(const Events::CKeyboardEvent& event) override;
    bool handleKeyUp(const Events::CKeyboardEvent&) override { return false; }

    CVN_DECLARE_CLASS

private:
    void dismiss();
    void setButtonPressed(bool pressed);

    Corvane::Basics::CString m_title;
    std::vector<Corvane::Basics::CString> m_lines;
    bool m_isError;
    Collections::TAutomaticPointer<Fonts::CFont> m_titleFont;
    Collections::TAutomaticPointer<Fonts::CFont> m_textFont;
    long m_lineHeight;
    bool m_buttonPressed;
    bool m_dismissed;
};

}}}  // namespace Corvane::GUI::Windowing
