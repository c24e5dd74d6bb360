#include "gui/windowing/CMouse.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

CVN_IMPLEMENT_CLASS(CMouse, "CCountedObject")

CMouse::CMouse() : m_cursor(nullptr)
{
    CVN_CONSTRUCT_CLASS;
}

CMouse::CMouse(const CMouse& other) : CCountedObject(other), m_position(other.m_position), m_cursor(other.m_cursor)
{
    CVN_CONSTRUCT_CLASS;
}

CMouse& CMouse::operator=(const CMouse& other)
{
    m_position = other.m_position;
    m_cursor = other.m_cursor;
    return *this;
}

CMouse::~CMouse()
{
    CVN_DESTRUCT_CLASS;
}

}}}  // namespace Corvane::GUI::Windowing
