// One input or window event, as the windowing layer hands it to a window:
// no window-system type appears here.
#pragma once

namespace Corvane { namespace GUI { namespace Windowing {

enum EWindowInputKind {
    e_inputNone = 0,
    e_inputButtonDown,
    e_inputButtonUp,
    /** A second quick left press near the first, in place of its button-down. */
    e_inputDoubleClick,
    e_inputMotion,
    e_inputWheel,
    e_inputEnter,
    e_inputLeave,
    e_inputKeyDown,
    e_inputKeyUp,
    e_inputFocusIn,
    e_inputFocusOut,
    /** Part of the window must be painted again: the area fields. */
    e_inputExpose,
    e_inputShown,
    e_inputHidden,
    /** The window's size or position changed: the area fields hold its new geometry. */
    e_inputConfigured,
    /** The window manager asks the window to close. */
    e_inputCloseRequested,
    e_inputDestroyed
};

enum EWindowInputButton {
    e_noButton = 0,
    e_leftButton,
    e_middleButton,
    e_rightButton
};

struct SWindowInput {
    EWindowInputKind kind = e_inputNone;
    /** Pointer position in the window; outside the window during a grab or a drag. */
    long x = 0;
    long y = 0;
    long screenX = 0;
    long screenY = 0;
    EWindowInputButton button = e_noButton;
    /** +1 for the wheel turned up (away from the user), -1 down. */
    long wheel = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    /** The left button is held during a motion or a crossing. */
    bool leftButtonHeld = false;
    /** A crossing that a pointer grab made, beginning or ending, not the pointer moving. */
    bool grabChange = false;
    /** Latin-1 character of a key, 0 for keys that type none. */
    unsigned char keyCharacter = 0;
    /** The window system's code of the key (an X keysym). */
    unsigned long keyCode = 0;
    /** The key types no character (arrows, function keys, modifiers). */
    bool virtualKey = false;
    /** Exposed or new window area: left, top, width, height. */
    long areaLeft = 0;
    long areaTop = 0;
    long areaWidth = 0;
    long areaHeight = 0;
    /** More exposures of the same window follow at once. */
    bool moreToCome = false;
    /** Time of the event in milliseconds, on the window system's clock. */
    unsigned long time = 0;

    /**
     * A left press in progress has ended without its release reaching the
     * window: the window is hidden or gone, the pointer comes back with the
     * button up, or a grab took the pointer.
     */
    bool endsLeftPress() const
    {
        const bool pointer = kind == e_inputMotion || kind == e_inputEnter || kind == e_inputLeave;
        return kind == e_inputHidden || kind == e_inputDestroyed || (pointer && (!leftButtonHeld || grabChange));
    }
};

}}}  // namespace Corvane::GUI::Windowing
