#include "math/CDimension.hpp"

#include <cstdio>

namespace Corvane { namespace MathTools {

CVN_IMPLEMENT_CLASS(CDimension, "CCountedObject")

CDimension::CDimension(long width, long height) : m_width(width), m_height(height)
{
    CVN_CONSTRUCT_CLASS;
}

CDimension::CDimension(const CDimension& other)
    : Basics::CCountedObject(),
      m_width(other.m_width),
      m_height(other.m_height)
{
    CVN_CONSTRUCT_CLASS;
}

CDimension::~CDimension()
{
    CVN_DESTRUCT_CLASS;
}

CDimension& CDimension::operator=(const CDimension& other)
{
    setDimension(other);
    return *this;
}

bool CDimension::operator==(const CDimension& other) const
{
    return m_width == other.m_width && m_height == other.m_height;
}

void CDimension::setDimension(long width, long height)
{
    m_width = width;
    m_height = height;
}

void CDimension::setDimension(const CDimension& other)
{
    setDimension(other.m_width, other.m_height);
}

void CDimension::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[%li x %li]", m_width, m_height);
    }
}

}}  // namespace Corvane::MathTools
