#include "gui/events/CKeyboardEvent.hpp"

namespace Corvane { namespace GUI { namespace Events {

CVN_IMPLEMENT_CLASS(CKeyboardEvent, "CCountedObject")

CKeyboardEvent::CKeyboardEvent() : m_key(0), m_shift(false), m_alt(false), m_ctrl(false), m_virtual(false)
{
    CVN_CONSTRUCT_CLASS;
}

CKeyboardEvent::CKeyboardEvent(const CKeyboardEvent& other) : CKeyboardEvent()
{
    *this = other;
}

CKeyboardEvent& CKeyboardEvent::operator=(const CKeyboardEvent& other)
{
    m_key = other.m_key;
    setModifiers(other.m_ctrl, other.m_shift, other.m_alt, other.m_virtual);
    return *this;
}

CKeyboardEvent::~CKeyboardEvent()
{
    CVN_DESTRUCT_CLASS;
}

void CKeyboardEvent::setModifiers(bool ctrl, bool shift, bool alt, bool isVirtual)
{
    m_ctrl = ctrl;
    m_shift = shift;
    m_alt = alt;
    m_virtual = isVirtual;
}

}}}  // namespace Corvane::GUI::Events
