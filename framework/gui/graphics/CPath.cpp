#include "gui/graphics/CPath.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace GUI { namespace Graphics {

CPath CPath::line(double x1, double y1, double x2, double y2)
{
    CPath path;
    path.moveTo(x1, y1);
    path.lineTo(x2, y2);
    return path;
}

CPath CPath::circle(double centreX, double centreY, double radius)
{
    CPath path;
    path.addCircle(centreX, centreY, radius);
    return path;
}

CPath CPath::roundedRectangle(double left, double top, double width, double height, double radius)
{
    CPath path;
    path.addRoundedRectangle(left, top, width, height, radius);
    return path;
}

CPath::CPath() = default;

CPath::~CPath() = default;

void CPath::add(EElementType type, double a, double b, double c, double d, double e, double f)
{
    m_elements.push_back(SElement{type, {a, b, c, d, e, f}});
}

void CPath::moveTo(double x, double y)
{
    add(CPATH_MOVE_TO, x, y);
}

void CPath::lineTo(double x, double y)
{
    add(CPATH_LINE_TO, x, y);
}

void CPath::arc(double centreX, double centreY, double radius, double startAngle, double endAngle)
{
    ellipticalArc(centreX, centreY, radius, radius, startAngle, endAngle);
}

void CPath::ellipticalArc(double centreX, double centreY, double radiusX, double radiusY, double startAngle,
                          double endAngle)
{
    add(CPATH_ARC, centreX, centreY, radiusX, radiusY, startAngle, endAngle);
}

void CPath::closePath()
{
    add(CPATH_CLOSE);
}

void CPath::addRectangle(double left, double top, double width, double height)
{
    add(CPATH_NEW_SUB_PATH);
    moveTo(left, top);
    lineTo(left + width, top);
    lineTo(left + width, top + height);
    lineTo(left, top + height);
    closePath();
}

void CPath::addCircle(double centreX, double centreY, double radius)
{
    addEllipse(centreX, centreY, radius, radius);
}

void CPath::addEllipse(double centreX, double centreY, double radiusX, double radiusY)
{
    add(CPATH_NEW_SUB_PATH);
    ellipticalArc(centreX, centreY, radiusX, radiusY, 0.0, 2.0 * M_PI);
    closePath();
}

void CPath::addRoundedRectangle(double left, double top, double width, double height, double radius)
{
    const double r = std::min(radius, std::min(width, height) / 2.0);
    addRoundedRectangle(left, top, width, height, r, r);
}

void CPath::addRoundedRectangle(double left, double top, double width, double height, double radiusX, double radiusY)
{
    const double rx = std::min(radiusX, width / 2.0);
    const double ry = std::min(radiusY, height / 2.0);
    if (rx <= 0.0 || ry <= 0.0) {
        addRectangle(left, top, width, height);
        return;
    }
    const double right = left + width;
    const double bottom = top + height;
    add(CPATH_NEW_SUB_PATH);
    ellipticalArc(right - rx, top + ry, rx, ry, -M_PI / 2.0, 0.0);
    ellipticalArc(right - rx, bottom - ry, rx, ry, 0.0, M_PI / 2.0);
    ellipticalArc(left + rx, bottom - ry, rx, ry, M_PI / 2.0, M_PI);
    ellipticalArc(left + rx, top + ry, rx, ry, M_PI, 1.5 * M_PI);
    closePath();
}

void CPath::clear()
{
    m_elements.clear();
}

}}}  // namespace Corvane::GUI::Graphics
