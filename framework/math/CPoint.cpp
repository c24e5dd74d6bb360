#include "math/CPoint.hpp"

#include <cstdio>

namespace Corvane { namespace MathTools {

CVN_IMPLEMENT_CLASS(CPoint, "CCountedObject")

CPoint::CPoint(long x, long y) : m_x(x), m_y(y)
{
    CVN_CONSTRUCT_CLASS;
}

CPoint::CPoint(const CPoint& other) : Basics::CCountedObject(), m_x(other.m_x), m_y(other.m_y)
{
    CVN_CONSTRUCT_CLASS;
}

CPoint::~CPoint()
{
    CVN_DESTRUCT_CLASS;
}

CPoint& CPoint::operator=(const CPoint& other)
{
    m_x = other.m_x;
    m_y = other.m_y;
    return *this;
}

bool CPoint::operator==(const CPoint& other) const
{
    return m_x == other.m_x && m_y == other.m_y;
}

CPoint& CPoint::operator+=(const CPoint& other)
{
    offset(other);
    return *this;
}

CPoint& CPoint::operator-=(const CPoint& other)
{
    m_x -= other.m_x;
    m_y -= other.m_y;
    return *this;
}

void CPoint::offset(const CPoint& delta)
{
    offset(delta.m_x, delta.m_y);
}

void CPoint::offset(long dx, long dy)
{
    m_x += dx;
    m_y += dy;
}

bool CPoint::isStraightLine(const CPoint& a, const CPoint& b)
{
    return a.m_x == b.m_x || a.m_y == b.m_y;
}

void CPoint::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[%li,%li]", m_x, m_y);
    }
}

}}  // namespace Corvane::MathTools
