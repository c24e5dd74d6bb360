#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace MathTools {

/** A pixel position; x grows to the right, y downwards. */
class CPoint : public Basics::CCountedObject {
public:
    CPoint(long x = 0, long y = 0);
    CPoint(const CPoint& other);
    ~CPoint() override;

    CPoint& operator=(const CPoint& other);
    bool operator==(const CPoint& other) const;
    bool operator!=(const CPoint& other) const { return !(*this == other); }
    CPoint& operator+=(const CPoint& other);
    CPoint& operator-=(const CPoint& other);

    void offset(const CPoint& delta);
    void offset(long dx, long dy);

    /** True when the two points share an x or a y coordinate. */
    static bool isStraightLine(const CPoint& a, const CPoint& b);

    long getXPosition() const { return m_x; }
    long getYPosition() const { return m_y; }
    void setXPosition(long x) { m_x = x; }
    void setYPosition(long y) { m_y = y; }
    void setPoint(long x, long y)
    {
        m_x = x;
        m_y = y;
    }

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    long m_x;
    long m_y;
};

}}  // namespace Corvane::MathTools
