#include "gui/events/CActionEvent.hpp"

#include "exceptions/CException.hpp"
#include "gui/events/CMouseEvent.hpp"

namespace Corvane { namespace GUI { namespace Events {

CVN_IMPLEMENT_CLASS(CActionEvent, "CCountedObject")

CActionEvent::CActionEvent(Controls::IControl* control)
    : m_control(control),
      m_eventType(0),
      m_shift(false),
      m_alt(false),
      m_ctrl(false)
{
    if (control == nullptr) {
        throw Corvane::Exceptions::CException("Control is NULL", "CActionEvent::CActionEvent(IControl *control)", true);
    }
    CVN_CONSTRUCT_CLASS;
}

CActionEvent::CActionEvent(Controls::IControl* control, const CMouseEvent& event) : CActionEvent(control)
{
    setModifiers(event.isShiftDown(), event.isAltDown(), event.isCtrlDown());
}

CActionEvent::CActionEvent(const CActionEvent& other) : CActionEvent(other.m_control)
{
    m_eventType = other.m_eventType;
    setModifiers(other.m_shift, other.m_alt, other.m_ctrl);
}

CActionEvent::~CActionEvent()
{
    CVN_DESTRUCT_CLASS;
}

void CActionEvent::setModifiers(bool shift, bool alt, bool ctrl)
{
    m_shift = shift;
    m_alt = alt;
    m_ctrl = ctrl;
}

}}}  // namespace Corvane::GUI::Events
