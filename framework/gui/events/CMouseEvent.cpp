#include "gui/events/CMouseEvent.hpp"

#include "gui/windowing/CMouse.hpp"

namespace Corvane { namespace GUI { namespace Events {

CVN_IMPLEMENT_CLASS(CMouseEvent, "CCountedObject")

CMouseEvent::CMouseEvent(Windowing::CMouse* mouse, EMouseEventType type)
    : m_type(type),
      m_mouse(mouse),
      m_wheelMovement(0.0),
      m_ctrl(false),
      m_shift(false),
      m_alt(false)
{
    CVN_CONSTRUCT_CLASS;
}

CMouseEvent::CMouseEvent(const CMouseEvent& other) : CMouseEvent(other.m_mouse, other.m_type)
{
    *this = other;
}

CMouseEvent& CMouseEvent::operator=(const CMouseEvent& other)
{
    m_type = other.m_type;
    m_mouse = other.m_mouse;
    m_wheelMovement = other.m_wheelMovement;
    setModifiers(other.m_ctrl, other.m_shift, other.m_alt);
    return *this;
}

CMouseEvent::~CMouseEvent()
{
    CVN_DESTRUCT_CLASS;
}

Corvane::MathTools::CPoint CMouseEvent::getMousePosition() const
{
    return m_mouse != nullptr ? m_mouse->getPosition() : Corvane::MathTools::CPoint();
}

void CMouseEvent::setMousePosition(const Corvane::MathTools::CPoint& position)
{
    if (m_mouse != nullptr) {
        m_mouse->setPosition(position);
    }
}

void CMouseEvent::setModifiers(bool ctrl, bool shift, bool alt)
{
    m_ctrl = ctrl;
    m_shift = shift;
    m_alt = alt;
}

}}}  // namespace Corvane::GUI::Events
