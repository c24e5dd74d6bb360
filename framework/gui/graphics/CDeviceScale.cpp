#include "gui/graphics/CDeviceScale.hpp"

#include <cmath>

namespace Corvane { namespace GUI { namespace Graphics {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

CDeviceScale::CDeviceScale(double factor) : m_factor(factor >= 1.0 && std::isfinite(factor) ? factor : 1.0) {}

double CDeviceScale::snap(double logical) const
{
    return std::floor(logical * m_factor + 0.5);
}

long CDeviceScale::toDevice(long logical) const
{
    return static_cast<long>(snap(static_cast<double>(logical)));
}

CPoint CDeviceScale::toDevice(const CPoint& logical) const
{
    return CPoint(toDevice(logical.getXPosition()), toDevice(logical.getYPosition()));
}

CDimension CDeviceScale::toDevice(const CDimension& logical) const
{
    return CDimension(toDevice(logical.getWidth()), toDevice(logical.getHeight()));
}

CRect CDeviceScale::toDevice(const CRect& logical) const
{
    const long left = toDevice(logical.getLeft());
    const long top = toDevice(logical.getTop());
    return CRect(left, top, toDevice(logical.getRight()) - left, toDevice(logical.getBottom()) - top);
}

long CDeviceScale::toLogical(long device) const
{
    // The logical pixel x holds the device pixels from round(x f) to round((x + 1) f) - 1: x is the
    // largest with x f < device + 0.5.
    return static_cast<long>(std::ceil((static_cast<double>(device) + 0.5) / m_factor)) - 1;
}

CPoint CDeviceScale::toLogical(const CPoint& device) const
{
    return CPoint(toLogical(device.getXPosition()), toLogical(device.getYPosition()));
}

CRect CDeviceScale::toLogical(const CRect& device) const
{
    if (device.getWidth() <= 0 || device.getHeight() <= 0) {
        const CPoint corner = toLogical(device.getOrigin());
        return CRect(corner.getXPosition(), corner.getYPosition(), 0, 0);
    }
    const long left = toLogical(device.getLeft());
    const long top = toLogical(device.getTop());
    return CRect(left, top, toLogical(device.getRight() - 1) + 1 - left, toLogical(device.getBottom() - 1) + 1 - top);
}

CDimension CDeviceScale::toLogical(const CDimension& device) const
{
    const CRect area = toLogical(CRect(0, 0, device.getWidth(), device.getHeight()));
    return CDimension(area.getWidth(), area.getHeight());
}

}}}  // namespace Corvane::GUI::Graphics
