#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace GUI { namespace Events {

/** A key pressed or released: its character and the shift, alt, ctrl and virtual-key flags. */
class CKeyboardEvent : public Corvane::Basics::CCountedObject {
public:
    CKeyboardEvent();
    CKeyboardEvent(const CKeyboardEvent& other);
    CKeyboardEvent& operator=(const CKeyboardEvent& other);
    ~CKeyboardEvent() override;

    /** The characters of keys that type none, as the window system layer reports them. */
    static constexpr char CKEYBOARDEVENT_KEY_HOME = 1;
    static constexpr char CKEYBOARDEVENT_KEY_END = 4;
    static constexpr char CKEYBOARDEVENT_KEY_PAGE_UP = 11;
    static constexpr char CKEYBOARDEVENT_KEY_PAGE_DOWN = 12;
    static constexpr char CKEYBOARDEVENT_KEY_LEFT = 28;
    static constexpr char CKEYBOARDEVENT_KEY_RIGHT = 29;
    static constexpr char CKEYBOARDEVENT_KEY_UP = 30;
    static constexpr char CKEYBOARDEVENT_KEY_DOWN = 31;

    char getKey() const { return m_key; }
    void setKey(char key) { m_key = key; }

    /** The flags in this order: ctrl, shift, alt, virtual character. */
    void setModifiers(bool ctrl, bool shift, bool alt, bool isVirtual);
    bool isShiftDown() const { return m_shift; }
    bool isAltDown() const { return m_alt; }
    bool isCtrlDown() const { return m_ctrl; }
    /** True for keys that are not characters (arrows, function keys). */
    bool isVirtual() const { return m_virtual; }

    CVN_DECLARE_CLASS

private:
    char m_key;
    bool m_shift;
    bool m_alt;
    bool m_ctrl;
    bool m_virtual;
};

}}}  // namespace Corvane::GUI::Events
