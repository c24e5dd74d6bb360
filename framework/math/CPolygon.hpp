#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TCountedObjectDeleter.hpp"
#include "collections/TPointerCollection.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace MathTools {

/** An ordered list of vertices, each an owned counted CPoint. */
class CPolygon : public Basics::CCountedObject {
public:
    CPolygon();
    explicit CPolygon(long numberOfPoints);
    CPolygon(const CPolygon& other);
    ~CPolygon() override;

    virtual CPolygon& operator=(const CPolygon& other);
    virtual bool operator==(const CPolygon& other) const;
    bool operator!=(const CPolygon& other) const { return !(*this == other); }

    /** Releases every vertex, then creates n vertices at (0, 0). */
    void initialiseArray(long numberOfPoints);

    long getNumberOfPoints() const;
    /** The vertex at index, or null outside the list. */
    CPoint* getPoint(long index) const;
    /** Ignored outside the list. */
    void setPoint(const CPoint& point, long index);
    void setPoint(long x, long y, long index);
    /** Appends a vertex. */
    void addPoint(const CPoint& point);

    /** Moves every vertex by delta. */
    void offset(const CPoint& delta);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    void copyPoints(const CPolygon& other);

    // The vertex array holds one reference on each vertex through its own
    // counted deleter, which is declared first so that it outlives the array.
    Collections::TCountedObjectDeleter<CPoint> m_deleter;
    Collections::TPointerCollection<CPoint> m_points;
};

}}  // namespace Corvane::MathTools
