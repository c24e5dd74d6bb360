#pragma once

#include "math/CDimension.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * How a window's own pixels (logical pixels, what controls, events and sizes
 * are measured in) lie on the device's pixels at a scale factor f: the
 * logical edge x falls on the device edge round(x f), halves rounded up. A
 * logical rectangle covers the device pixels between its rounded edges, so
 * rectangles that meet in logical pixels meet in device pixels too, without
 * a gap or an overlap, whatever the factor, and every device pixel belongs to
 * exactly one logical pixel. Factor 1 maps every value to itself.
 *
 * @code
 * const CDeviceScale scale(1.5);
 * scale.toDevice(CRect(1, 1, 3, 3));      // (2, 2, 4, 4): edges 1.5 -> 2 and 6 -> 6
 * scale.toLogical(CPoint(2, 5));          // (1, 3): the logical pixels drawn there
 * @endcode
 */
class CDeviceScale {
public:
    /** Factors below 1, and values that are not numbers, count as 1. */
    explicit CDeviceScale(double factor = 1.0);

    double getFactor() const { return m_factor; }
    bool isIdentity() const { return m_factor == 1.0; }

    /** The device edge of a logical edge, which may be fractional. */
    double snap(double logical) const;
    long toDevice(long logical) const;
    Corvane::MathTools::CPoint toDevice(const Corvane::MathTools::CPoint& logical) const;
    /** The size of a logical area whose corner is at the origin. */
    Corvane::MathTools::CDimension toDevice(const Corvane::MathTools::CDimension& logical) const;
    Corvane::MathTools::CRect toDevice(const Corvane::MathTools::CRect& logical) const;

    /** The logical pixel a device pixel belongs to (negative ones too). */
    long toLogical(long device) const;
    Corvane::MathTools::CPoint toLogical(const Corvane::MathTools::CPoint& device) const;
    /** The logical pixels that together cover every device pixel of the area. */
    Corvane::MathTools::CRect toLogical(const Corvane::MathTools::CRect& device) const;
    /** The logical size of an area of that device size at the origin: toLogical(toDevice(size)) is size. */
    Corvane::MathTools::CDimension toLogical(const Corvane::MathTools::CDimension& device) const;

private:
    double m_factor;
};

}}}  // namespace Corvane::GUI::Graphics
