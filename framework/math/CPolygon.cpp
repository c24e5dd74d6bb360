#include "math/CPolygon.hpp"

#include <cstdio>

namespace Corvane { namespace MathTools {

CVN_IMPLEMENT_CLASS(CPolygon, "CCountedObject")

CPolygon::CPolygon() : m_deleter(), m_points(&m_deleter)
{
    CVN_CONSTRUCT_CLASS;
}

CPolygon::CPolygon(long numberOfPoints) : m_deleter(), m_points(&m_deleter)
{
    CVN_CONSTRUCT_CLASS;
    initialiseArray(numberOfPoints);
}

CPolygon::CPolygon(const CPolygon& other) : Basics::CCountedObject(), m_deleter(), m_points(&m_deleter)
{
    CVN_CONSTRUCT_CLASS;
    copyPoints(other);
}

CPolygon::~CPolygon()
{
    CVN_DESTRUCT_CLASS;
}

CPolygon& CPolygon::operator=(const CPolygon& other)
{
    if (this != &other) {
        m_points.freePointers();
        copyPoints(other);
    }
    return *this;
}

bool CPolygon::operator==(const CPolygon& other) const
{
    const long count = getNumberOfPoints();
    if (count != other.getNumberOfPoints()) {
        return false;
    }
    for (long i = 0; i < count; ++i) {
        const CPoint* mine = getPoint(i);
        const CPoint* theirs = other.getPoint(i);
        if (mine == nullptr || theirs == nullptr) {
            if (mine != theirs) {
                return false;
            }
        } else if (!(*mine == *theirs)) {
            return false;
        }
    }
    return true;
}

void CPolygon::copyPoints(const CPolygon& other)
{
    const long count = other.getNumberOfPoints();
    for (long i = 0; i < count; ++i) {
        const CPoint* point = other.getPoint(i);
        m_points.addElement(point != nullptr ? new CPoint(*point) : new CPoint());
    }
}

void CPolygon::initialiseArray(long numberOfPoints)
{
    m_points.freePointers();
    for (long i = 0; i < numberOfPoints; ++i) {
        m_points.addElement(new CPoint(0, 0));
    }
}

long CPolygon::getNumberOfPoints() const
{
    return m_points.getInsertIndex();
}

CPoint* CPolygon::getPoint(long index) const
{
    if (index < 0 || index >= getNumberOfPoints()) {
        return nullptr;
    }
    return m_points.getElementAtIndex(index);
}

void CPolygon::setPoint(const CPoint& point, long index)
{
    setPoint(point.getXPosition(), point.getYPosition(), index);
}

void CPolygon::setPoint(long x, long y, long index)
{
    CPoint* vertex = getPoint(index);
    if (vertex != nullptr) {
        vertex->setPoint(x, y);
    }
}

void CPolygon::addPoint(const CPoint& point)
{
    m_points.addElement(new CPoint(point));
}

void CPolygon::offset(const CPoint& delta)
{
    const long count = getNumberOfPoints();
    for (long i = 0; i < count; ++i) {
        CPoint* vertex = getPoint(i);
        if (vertex != nullptr) {
            vertex->offset(delta);
        }
    }
}

void CPolygon::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<size_t>(size), "[CPolygon with %li points]", getNumberOfPoints());
    }
}

}}  // namespace Corvane::MathTools
