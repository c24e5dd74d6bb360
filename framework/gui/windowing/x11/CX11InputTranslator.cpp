#include "gui/windowing/x11/CX11InputTranslator.hpp"

#include "gui/events/CKeyboardEvent.hpp"

#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdint>
#include <cstdlib>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

void setArea(SWindowInput& input, long left, long top, long width, long height)
{
    input.areaLeft = left;
    input.areaTop = top;
    input.areaWidth = width;
    input.areaHeight = height;
}

// Position, time and modifier keys: what every pointer and key event carries.
template <class TEvent>
void readCommon(SWindowInput& input, const TEvent& event)
{
    input.x = event.x;
    input.y = event.y;
    input.screenX = event.x_root;
    input.screenY = event.y_root;
    input.time = event.time;
    input.ctrl = (event.state & ControlMask) != 0;
    input.shift = (event.state & ShiftMask) != 0;
    input.alt = (event.state & Mod1Mask) != 0;
}

// The framework's characters of the keys that type none (arrows, Home, End,
// the page keys), on the main block and on the keypad.
struct SNamedKey {
    KeySym keySym;
    char character;
};

const SNamedKey kNamedKeys[] = {
    {XK_Home, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_HOME},
    {XK_KP_Home, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_HOME},
    {XK_End, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_END},
    {XK_KP_End, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_END},
    {XK_Page_Up, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_UP},
    {XK_KP_Page_Up, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_UP},
    {XK_Page_Down, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_DOWN},
    {XK_KP_Page_Down, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_DOWN},
    {XK_Left, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_LEFT},
    {XK_KP_Left, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_LEFT},
    {XK_Right, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_RIGHT},
    {XK_KP_Right, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_RIGHT},
    {XK_Up, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_UP},
    {XK_KP_Up, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_UP},
    {XK_Down, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_DOWN},
    {XK_KP_Down, Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_DOWN},
};

unsigned char characterOfNamedKey(KeySym keySym)
{
    for (const SNamedKey& key : kNamedKeys) {
        if (key.keySym == keySym) {
            return static_cast<unsigned char>(key.character);
        }
    }
    return 0;
}

}  // namespace

CX11InputTranslator::CX11InputTranslator(Atom wmProtocols, Atom wmDeleteWindow)
    : m_wmProtocols(wmProtocols),
      m_wmDeleteWindow(wmDeleteWindow),
      m_lastPressWindow(0),
      m_lastPressTime(0),
      m_lastPressX(0),
      m_lastPressY(0)
{}

bool CX11InputTranslator::translate(const XEvent& event, SWindowInput& input)
{
    input = SWindowInput();
    switch (event.type) {
    case ButtonPress:
        return translateButton(event.xbutton, true, input);
    case ButtonRelease:
        return translateButton(event.xbutton, false, input);
    case MotionNotify:
        input.kind = e_inputMotion;
        readCommon(input, event.xmotion);
        input.leftButtonHeld = (event.xmotion.state & Button1Mask) != 0;
        return true;
    case EnterNotify:
    case LeaveNotify:
        input.kind = event.type == EnterNotify ? e_inputEnter : e_inputLeave;
        readCommon(input, event.xcrossing);
        input.leftButtonHeld = (event.xcrossing.state & Button1Mask) != 0;
        input.grabChange = event.xcrossing.mode == NotifyGrab || event.xcrossing.mode == NotifyUngrab;
        return true;
    case KeyPress:
    case KeyRelease:
        input.kind = event.type == KeyPress ? e_inputKeyDown : e_inputKeyUp;
        translateKey(event.xkey, input);
        return true;
    case FocusIn:
    case FocusOut:
        if (!isRealFocusChange(event.xfocus)) {
            return false;
        }
        input.kind = event.type == FocusIn ? e_inputFocusIn : e_inputFocusOut;
        return true;
    case Expose:
        input.kind = e_inputExpose;
        setArea(input, event.xexpose.x, event.xexpose.y, event.xexpose.width, event.xexpose.height);
        input.moreToCome = event.xexpose.count > 0;
        return true;
    case MapNotify:
        input.kind = e_inputShown;
        return true;
    case UnmapNotify:
        input.kind = e_inputHidden;
        return true;
    case ConfigureNotify:
        input.kind = e_inputConfigured;
        setArea(input, event.xconfigure.x, event.xconfigure.y, event.xconfigure.width, event.xconfigure.height);
        return true;
    case DestroyNotify:
        // Reported to a parent for each destroyed child too: only the window's own end counts.
        if (event.xdestroywindow.window != event.xdestroywindow.event) {
            return false;
        }
        input.kind = e_inputDestroyed;
        return true;
    case ClientMessage:
        if (event.xclient.message_type == m_wmProtocols && event.xclient.format == 32 &&
            static_cast<Atom>(event.xclient.data.l[0]) == m_wmDeleteWindow) {
            input.kind = e_inputCloseRequested;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool CX11InputTranslator::translateButton(const XButtonEvent& event, bool pressed, SWindowInput& input)
{
    readCommon(input, event);
    switch (event.button) {
    case Button1:
        input.button = e_leftButton;
        break;
    case Button2:
        input.button = e_middleButton;
        break;
    case Button3:
        input.button = e_rightButton;
        break;
    case Button4:
    case Button5:
        // Each notch of the wheel is a press and a release: the press is the step.
        if (!pressed) {
            return false;
        }
        input.kind = e_inputWheel;
        input.wheel = event.button == Button4 ? 1 : -1;
        return true;
    default:
        return false;
    }
    if (!pressed) {
        input.kind = e_inputButtonUp;
        return true;
    }
    input.kind = e_inputButtonDown;
    if (input.button != e_leftButton) {
        m_lastPressWindow = 0;
        return true;
    }
    if (isDoubleClick(event)) {
        input.kind = e_inputDoubleClick;
        m_lastPressWindow = 0;
    } else {
        m_lastPressWindow = event.window;
        m_lastPressTime = event.time;
        m_lastPressX = event.x;
        m_lastPressY = event.y;
    }
    return true;
}

bool CX11InputTranslator::isDoubleClick(const XButtonEvent& event) const
{
    if (m_lastPressWindow == 0 || event.window != m_lastPressWindow) {
        return false;
    }
    // The server's clock is 32 bits of milliseconds and wraps after 49 days.
    const std::uint32_t elapsed = static_cast<std::uint32_t>(event.time) - static_cast<std::uint32_t>(m_lastPressTime);
    return elapsed <= CX11INPUTTRANSLATOR_DOUBLE_CLICK_TIME &&
           std::labs(event.x - m_lastPressX) <= CX11INPUTTRANSLATOR_DOUBLE_CLICK_DISTANCE &&
           std::labs(event.y - m_lastPressY) <= CX11INPUTTRANSLATOR_DOUBLE_CLICK_DISTANCE;
}

void CX11InputTranslator::translateKey(const XKeyEvent& event, SWindowInput& input)
{
    XKeyEvent copy = event;
    char text[8] = {0};
    KeySym keySym = NoSymbol;
    const int length = XLookupString(&copy, text, sizeof(text), &keySym, nullptr);
    input.keyCharacter = length > 0 ? static_cast<unsigned char>(text[0]) : characterOfNamedKey(keySym);
    input.keyCode = keySym;
    input.virtualKey = length <= 0;
    readCommon(input, event);
}

bool CX11InputTranslator::isRealFocusChange(const XFocusChangeEvent& event)
{
    // Keyboard grabs (a window manager's window switcher) and the focus moving
    // between a window and its own children do not change which window has it.
    if (event.mode == NotifyGrab || event.mode == NotifyUngrab) {
        return false;
    }
    return event.detail != NotifyInferior && event.detail != NotifyPointer && event.detail != NotifyPointerRoot &&
           event.detail != NotifyDetailNone;
}

}}}  // namespace Corvane::GUI::Windowing
