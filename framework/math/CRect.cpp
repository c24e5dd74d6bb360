#include "math/CRect.hpp"

#include "basics/CStringTokeniser.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Corvane { namespace MathTools {

CVN_IMPLEMENT_CLASS(CRect, "CCountedObject")

CRect::CRect(long left, long top, long width, long height)
    : m_width(width),
      m_height(height),
      m_left(left),
      m_right(0),
      m_top(top),
      m_bottom(0)
{
    CVN_CONSTRUCT_CLASS;
    updateEdges();
}

CRect::CRect(const CPoint& origin, const CDimension& size)
    : CRect(origin.getXPosition(), origin.getYPosition(), size.getWidth(), size.getHeight())
{}

CRect::CRect(const CRect& other) : CRect(other.m_left, other.m_top, other.m_width, other.m_height) {}

CRect::~CRect()
{
    CVN_DESTRUCT_CLASS;
}

CRect& CRect::operator=(const CRect& other)
{
    setRect(other.m_left, other.m_top, other.m_width, other.m_height);
    return *this;
}

bool CRect::operator==(const CRect& other) const
{
    return m_left == other.m_left && m_top == other.m_top && m_width == other.m_width && m_height == other.m_height;
}

void CRect::updateEdges()
{
    m_right = m_left + m_width;
    m_bottom = m_top + m_height;
}

void CRect::setRect(long left, long top, long width, long height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    updateEdges();
}

void CRect::setRect(const CPoint& origin, const CDimension& size)
{
    setRect(origin.getXPosition(), origin.getYPosition(), size.getWidth(), size.getHeight());
}

void CRect::setLeft(long left)
{
    m_left = left;
    updateEdges();
}

void CRect::setTop(long top)
{
    m_top = top;
    updateEdges();
}

void CRect::setWidth(long width)
{
    m_width = width;
    updateEdges();
}

void CRect::setHeight(long height)
{
    m_height = height;
    updateEdges();
}

void CRect::setOrigin(const CPoint& origin)
{
    m_left = origin.getXPosition();
    m_top = origin.getYPosition();
    updateEdges();
}

void CRect::setDimensions(const CDimension& size)
{
    m_width = size.getWidth();
    m_height = size.getHeight();
    updateEdges();
}

CPoint CRect::getOrigin() const
{
    return CPoint(m_left, m_top);
}

CDimension CRect::getDimension() const
{
    return CDimension(m_width, m_height);
}

void CRect::offset(const CPoint& delta)
{
    m_left += delta.getXPosition();
    m_top += delta.getYPosition();
    updateEdges();
}

void CRect::inset(long n)
{
    m_left += n;
    m_top += n;
    m_width -= 2 * n;
    m_height -= 2 * n;
    updateEdges();
}

void CRect::scale(double f)
{
    m_left = static_cast<long>(static_cast<double>(m_left) * f);
    m_top = static_cast<long>(static_cast<double>(m_top) * f);
    m_width = static_cast<long>(static_cast<double>(m_width) * f);
    m_height = static_cast<long>(static_cast<double>(m_height) * f);
    updateEdges();
}

long CRect::getCentralXPosition() const
{
    return m_left + m_width / 2;
}

long CRect::getCentralYPosition() const
{
    return m_top + m_height / 2;
}

bool CRect::pointIsInside(long x, long y) const
{
    return x >= m_left && x <= m_right && y >= m_top && y <= m_bottom;
}

bool CRect::pointIsInside(const CPoint& point) const
{
    return pointIsInside(point.getXPosition(), point.getYPosition());
}

void CRect::unionWith(const CRect& other)
{
    const long left = std::min(m_left, other.m_left);
    const long top = std::min(m_top, other.m_top);
    const long right = std::max(m_right, other.m_right);
    const long bottom = std::max(m_bottom, other.m_bottom);
    setRect(left, top, right - left, bottom - top);
}

void CRect::getIntersectionArea(const CRect& a, const CRect& b, CRect& out)
{
    const long left = std::max(a.m_left, b.m_left);
    const long top = std::max(a.m_top, b.m_top);
    const long width = std::min(a.m_right, b.m_right) - left;
    const long height = std::min(a.m_bottom, b.m_bottom) - top;
    out.setRect(left, top, width, height);
}

CRect* CRect::getIntersectionArea(const CRect& a, const CRect& b)
{
    CRect* result = new CRect();
    getIntersectionArea(a, b, *result);
    if (result->m_width < 0 || result->m_height < 0) {
        result->setRect(0, 0, 0, 0);
    }
    return result;
}

Basics::CString CRect::convertToString(const CRect& rect)
{
    Basics::CString text;
    text.setStringWithFormat("%li,%li,%li,%li", rect.m_left, rect.m_top, rect.m_width, rect.m_height);
    return text;
}

CRect CRect::convertFromString(const Basics::CString& text)
{
    Basics::CStringTokeniser tokeniser(text, ',');
    if (tokeniser.getNumberOfTokens() != 4) {
        return CRect();
    }
    long values[4] = {0, 0, 0, 0};
    Basics::CString token;
    for (long& value : values) {
        if (!tokeniser.getNextToken(token)) {
            return CRect();
        }
        value = std::atol(token.getString());
    }
    return CRect(values[0], values[1], values[2], values[3]);
}

void CRect::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[%li,%li,%li,%li]", m_left, m_top, m_width, m_height);
    }
}

}}  // namespace Corvane::MathTools
