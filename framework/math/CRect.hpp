#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"
#include "math/CDimension.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace MathTools {

/**
 * A pixel rectangle made from left, top, width and height. Right and bottom are
 * derived (left + width, top + height) and kept in step by every setter.
 * Sizes are never normalised: a negative width or height is stored as it is,
 * which is how a failed intersection shows itself.
 */
class CRect : public Basics::CCountedObject {
public:
    CRect(long left = 0, long top = 0, long width = 0, long height = 0);
    CRect(const CPoint& origin, const CDimension& size);
    CRect(const CRect& other);
    ~CRect() override;

    virtual CRect& operator=(const CRect& other);
    virtual bool operator==(const CRect& other) const;
    bool operator!=(const CRect& other) const { return !(*this == other); }

    void setRect(long left, long top, long width, long height);
    void setRect(const CPoint& origin, const CDimension& size);
    /** Moves the rectangle horizontally, keeping its width. */
    void setLeft(long left);
    /** Moves the rectangle vertically, keeping its height. */
    void setTop(long top);
    /** Keeps the left edge and moves the right one. */
    void setWidth(long width);
    /** Keeps the top edge and moves the bottom one. */
    void setHeight(long height);
    void setOrigin(const CPoint& origin);
    /** Resizes from the top-left corner. */
    void setDimensions(const CDimension& size);

    long getLeft() const { return m_left; }
    long getTop() const { return m_top; }
    long getRight() const { return m_right; }
    long getBottom() const { return m_bottom; }
    long getWidth() const { return m_width; }
    long getHeight() const { return m_height; }
    CPoint getOrigin() const;
    CDimension getDimension() const;

    void offset(const CPoint& delta);
    /** Shrinks by n on every side (grows for a negative n). */
    void inset(long n);
    /** Multiplies left, top, width and height by f, truncating toward zero. */
    void scale(double f);

    long getCentralXPosition() const;
    long getCentralYPosition() const;

    /** Hit test: both edges count as inside, so width w covers w + 1 columns. */
    bool pointIsInside(long x, long y) const;
    bool pointIsInside(const CPoint& point) const;

    /** This rectangle becomes the smallest one that contains both. */
    void unionWith(const CRect& other);

    /**
     * Overlap of a and b written into out exactly as computed: for rectangles
     * that do not overlap the width or height comes out negative, and a shared
     * edge only gives 0.
     */
    static void getIntersectionArea(const CRect& a, const CRect& b, CRect& out);

    /** Overlap of a and b as a new rectangle the caller deletes; all zero when they do not overlap. */
    static CRect* getIntersectionArea(const CRect& a, const CRect& b);

    /** "left,top,width,height". */
    static Basics::CString convertToString(const CRect& rect);
    /** Parses "left,top,width,height"; any other number of fields gives an all-zero rectangle. */
    static CRect convertFromString(const Basics::CString& text);

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    void updateEdges();

    long m_width;
    long m_height;
    long m_left;
    long m_right;
    long m_top;
    long m_bottom;
};

}}  // namespace Corvane::MathTools
