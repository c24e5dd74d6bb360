#include "gui/windowing/CCursor.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

CVN_IMPLEMENT_CLASS(CCursor, "CCountedObject")

const CCursor CCursor::CCURSOR_ARROW(CCURSOR_SHAPE_ARROW);
const CCursor CCursor::CCURSOR_HAND(CCURSOR_SHAPE_HAND);

CCursor::CCursor(ECursorShape shape) : m_shape(shape)
{
    CVN_CONSTRUCT_CLASS;
}

CCursor::CCursor(const CCursor& other) : CCursor(other.m_shape) {}

CCursor& CCursor::operator=(const CCursor& other)
{
    m_shape = other.m_shape;
    return *this;
}

CCursor::~CCursor()
{
    CVN_DESTRUCT_CLASS;
}

}}}  // namespace Corvane::GUI::Windowing
