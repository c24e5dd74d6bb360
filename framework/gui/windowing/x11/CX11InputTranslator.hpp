// Turns X events into the windowing layer's input records, with the double
// click that X itself does not have.
#pragma once

#include "gui/windowing/SWindowInput.hpp"

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * One translator per display connection: the double-click state is that of
 * the connection's own windows and is never shared with another connection.
 *
 * A left press in the same window as the previous left press, at most
 * CX11INPUTTRANSLATOR_DOUBLE_CLICK_TIME milliseconds later and at most
 * CX11INPUTTRANSLATOR_DOUBLE_CLICK_DISTANCE pixels away on either axis,
 * becomes a double click in place of its button-down. The press after a
 * double click starts afresh, so a third quick press is a plain button-down.
 */
class CX11InputTranslator {
public:
    static constexpr unsigned long CX11INPUTTRANSLATOR_DOUBLE_CLICK_TIME = 400;
    static constexpr long CX11INPUTTRANSLATOR_DOUBLE_CLICK_DISTANCE = 4;

    /** The atoms that make a client message a close request of the window manager. */
    CX11InputTranslator(Atom wmProtocols, Atom wmDeleteWindow);

    /** Fills input from event; false when the event means nothing to a window. */
    bool translate(const XEvent& event, SWindowInput& input);

private:
    bool translateButton(const XButtonEvent& event, bool pressed, SWindowInput& input);
    bool isDoubleClick(const XButtonEvent& event) const;
    static void translateKey(const XKeyEvent& event, SWindowInput& input);
    static bool isRealFocusChange(const XFocusChangeEvent& event);

    Atom m_wmProtocols;
    Atom m_wmDeleteWindow;
    Window m_lastPressWindow;
    Time m_lastPressTime;
    long m_lastPressX;
    long m_lastPressY;
};

}}}  // namespace Corvane::GUI::Windowing
