#include "math/CDimension.hpp"
#include "math/CParameter.hpp"
#include "math/CPoint.hpp"
#include "math/CPolygon.hpp"
#include "math/CRect.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using namespace Corvane::MathTools;
using Corvane::Basics::CString;

namespace {

void expectRect(const CRect& r, long left, long top, long width, long height)
{
    EXPECT_EQ(r.getLeft(), left);
    EXPECT_EQ(r.getTop(), top);
    EXPECT_EQ(r.getWidth(), width);
    EXPECT_EQ(r.getHeight(), height);
    EXPECT_EQ(r.getRight(), left + width);
    EXPECT_EQ(r.getBottom(), top + height);
}

}  // namespace

TEST(GeometryRect, HitTestUnionEditsAndTextForms)
{
    const CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.pointIsInside(10, 20));
    EXPECT_TRUE(r.pointIsInside(CPoint(40, 60)));
    for (const CPoint& outside : {CPoint(41, 60), CPoint(40, 61), CPoint(9, 20), CPoint(10, 19)})
        EXPECT_FALSE(r.pointIsInside(outside)) << outside.getXPosition() << "," << outside.getYPosition();
    // A rectangle of width 0 still answers for its one column.
    EXPECT_TRUE(CRect(5, 5, 0, 0).pointIsInside(5, 5));

    CRect u(10, 10, 10, 10);
    u.unionWith(CRect(30, 0, 5, 5));
    expectRect(u, 10, 0, 25, 20);
    u.unionWith(CRect(12, 2, 1, 1));
    expectRect(u, 10, 0, 25, 20);
    u.unionWith(CRect(-5, 40, 1, 1));
    expectRect(u, -5, 0, 40, 41);

    // Edits keep the derived edges in step; text converts both ways.
    u = CRect(1, 2, 10, 20);
    u.setLeft(5);
    u.setHeight(7);
    expectRect(u, 5, 2, 10, 7);
    u.setOrigin(CPoint(100, 200));
    u.setDimensions(CDimension(30, 40));
    u.offset(CPoint(-100, 5));
    expectRect(u, 0, 205, 30, 40);

    u = CRect(0, 0, 20, 20);
    u.inset(5);
    expectRect(u, 5, 5, 10, 10);
    u.inset(-5);
    expectRect(u, 0, 0, 20, 20);

    CRect s(3, 3, 5, 5);
    s.scale(0.5);
    expectRect(s, 1, 1, 2, 2);
    CRect negative(-3, -5, 7, 9);
    negative.scale(0.5);
    expectRect(negative, -1, -2, 3, 4);  // truncation toward zero, not flooring

    EXPECT_EQ(CRect(0, 0, 7, 7).getCentralXPosition(), 3);
    EXPECT_EQ(CRect(10, 10, 7, 9).getCentralYPosition(), 14);
    EXPECT_EQ(CRect(0, 0, -7, 0).getCentralXPosition(), -3);

    EXPECT_STREQ(CRect::convertToString(CRect(-1, 0, 30, 4)).getString(), "-1,0,30,4");
    expectRect(CRect::convertFromString(CString("-1,20,300,4")), -1, 20, 300, 4);
    expectRect(CRect::convertFromString(CString("1,2,3")), 0, 0, 0, 0);
    expectRect(CRect::convertFromString(CString("1,2,3,4,5")), 0, 0, 0, 0);
    expectRect(CRect::convertFromString(CString("x,2,3,4")), 0, 2, 3, 4);
    EXPECT_FALSE(CRect(1, 2, 3, 4) == CRect(1, 2, 3, 5));
    EXPECT_TRUE(CPoint::isStraightLine(CPoint(1, 5), CPoint(1, 9)));
    EXPECT_TRUE(CPoint::isStraightLine(CPoint(3, 5), CPoint(8, 5)));
    EXPECT_FALSE(CPoint::isStraightLine(CPoint(3, 5), CPoint(4, 6)));
}

TEST(GeometryRect, IntersectionOfOverlappingDisjointAndTouchingRectangles)
{
    const CRect a(0, 0, 10, 10);
    CRect out(99, 99, 99, 99);

    CRect::getIntersectionArea(a, CRect(5, 5, 10, 10), out);
    expectRect(out, 5, 5, 5, 5);
    std::unique_ptr<CRect> owned(CRect::getIntersectionArea(a, CRect(5, 5, 10, 10)));
    expectRect(*owned, 5, 5, 5, 5);

    // Disjoint: the in-place form keeps the negative sizes, the allocating form zeroes everything.
    CRect::getIntersectionArea(a, CRect(20, 20, 5, 5), out);
    expectRect(out, 20, 20, -10, -10);
    owned.reset(CRect::getIntersectionArea(a, CRect(20, 20, 5, 5)));
    expectRect(*owned, 0, 0, 0, 0);
    owned.reset(CRect::getIntersectionArea(a, CRect(0, 20, 10, 5)));
    expectRect(*owned, 0, 0, 0, 0);

    // Sharing an edge only gives a zero size.
    CRect::getIntersectionArea(a, CRect(10, 0, 5, 10), out);
    expectRect(out, 10, 0, 0, 10);

    // Containment gives the inner rectangle, whichever comes first.
    CRect::getIntersectionArea(CRect(2, 3, 4, 5), a, out);
    expectRect(out, 2, 3, 4, 5);
}

TEST(GeometryPolygon, VerticesAreOwnedAndBoundsChecked)
{
    const long livePointsBefore = CPoint::CCLASS_THE_CLASS.getInstanceCount();
    {
        CPolygon polygon(3);
        polygon.setPoint(CPoint(1, 1), 0);
        polygon.setPoint(2, 3, 2);
        polygon.setPoint(9, 9, 3);   // ignored
        polygon.setPoint(9, 9, -1);  // ignored
        EXPECT_EQ(polygon.getPoint(3), nullptr);
        EXPECT_EQ(polygon.getPoint(-1), nullptr);
        ASSERT_NE(polygon.getPoint(2), nullptr);
        EXPECT_EQ(*polygon.getPoint(2), CPoint(2, 3));

        CPolygon copy(polygon);
        EXPECT_TRUE(copy == polygon);
        copy.offset(CPoint(10, 10));
        EXPECT_FALSE(copy == polygon);
        EXPECT_EQ(*copy.getPoint(0), CPoint(11, 11));
        EXPECT_EQ(*polygon.getPoint(0), CPoint(1, 1));  // deep copy

        copy = polygon;
        EXPECT_TRUE(copy == polygon);
        copy.addPoint(CPoint(0, 0));
        EXPECT_FALSE(copy == polygon);

        polygon.initialiseArray(1);
        EXPECT_EQ(polygon.getNumberOfPoints(), 1);
        EXPECT_EQ(*polygon.getPoint(0), CPoint(0, 0));
    }
    // Every vertex was released with its polygon.
    EXPECT_EQ(CPoint::CCLASS_THE_CLASS.getInstanceCount(), livePointsBefore);
}

TEST(GeometryParameter, RangeMappingAndConversions)
{
    CParameter inverted(5, 1, 0.5);
    EXPECT_DOUBLE_EQ(inverted.getRange(), 0.0);
    EXPECT_DOUBLE_EQ(inverted.getValue(), 0.0);

    CParameter p(-10, 30, 0.25);
    EXPECT_DOUBLE_EQ(p.getValue(), 0.0);
    EXPECT_DOUBLE_EQ(p.setAndGetValue(1.0), 30.0);
    p.setRange(10, 0);  // ignored
    EXPECT_DOUBLE_EQ(p.setAndGetValue(0.5), 10.0);
    p.setRange(100, 200);
    EXPECT_DOUBLE_EQ(p.setAndGetValue(0.5), 150.0);
    CString text;
    p.setValue(0.123456);
    p.getValue(text);
    EXPECT_STREQ(text.getString(), "112.35");

    EXPECT_EQ(CParameter::doubleToLong(0, 10, 0.01), 1);
    EXPECT_EQ(CParameter::doubleToLong(0, 50, 1.0), 50);
    // Levels that no long can hold are answered, not converted with undefined results.
    EXPECT_EQ(CParameter::doubleToLong(3, 50, std::nan("")), 3);
    EXPECT_EQ(CParameter::doubleToLong(0, 50, HUGE_VAL), std::numeric_limits<long>::max());
    EXPECT_EQ(CParameter::doubleToLong(0, 50, -HUGE_VAL), std::numeric_limits<long>::min());
    EXPECT_DOUBLE_EQ(CParameter::longToDouble(0, 10, 10), 0.99999);
    EXPECT_DOUBLE_EQ(CParameter::longToDouble(10, 20, 10), 0.0);
    EXPECT_DOUBLE_EQ(CParameter::longToDouble(4, 4, 4), 0.0);  // empty range: no division by zero
    EXPECT_DOUBLE_EQ(CParameter::doubleToDouble(-1.0, 1.0, 0.75), 0.5);
}
