#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace GUI { namespace Controls {
class IControl;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace GUI { namespace Events {

class CMouseEvent;

/** A control's report that the user changed it, built on the stack and handed to its listener. */
class CActionEvent : public Corvane::Basics::CCountedObject {
public:
    /** Throws CException "Control is NULL" for a null control. */
    explicit CActionEvent(Controls::IControl* control);
    /** Also takes the shift, alt and ctrl keys of the mouse event. */
    CActionEvent(Controls::IControl* control, const CMouseEvent& event);
    CActionEvent(const CActionEvent& other);
    CActionEvent& operator=(const CActionEvent&) = delete;
    ~CActionEvent() override;

    /** Never null. */
    Controls::IControl* getControl() const { return m_control; }
    long getEventType() const { return m_eventType; }
    void setEventType(long type) { m_eventType = type; }

    void setModifiers(bool shift, bool alt, bool ctrl);
    bool isShiftDown() const { return m_shift; }
    bool isAltDown() const { return m_alt; }
    bool isCtrlDown() const { return m_ctrl; }

    CVN_DECLARE_CLASS

private:
    Controls::IControl* m_control;
    long m_eventType;
    bool m_shift;
    bool m_alt;
    bool m_ctrl;
};

}}}  // namespace Corvane::GUI::Events
