#pragma once

#include <cstddef>
#include <vector>

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * An outline in fractional pixels (x to the right, y downwards), filled or
 * stroked through CGraphics, which moves it by its drawing offset like every
 * other shape. Angles are in radians, measured clockwise on screen from the
 * three o'clock direction.
 *
 * @code
 * CPath arrow;
 * arrow.moveTo(10.0, 4.0);
 * arrow.lineTo(17.0, 4.0);
 * arrow.lineTo(13.5, 8.0);
 * arrow.closePath();
 * graphics.fillPath(arrow);
 * @endcode
 */
class CPath {
public:
    enum EElementType {
        CPATH_MOVE_TO,
        CPATH_LINE_TO,
        /** Values: centre x, centre y, radius x, radius y, start angle, end angle. */
        CPATH_ARC,
        CPATH_NEW_SUB_PATH,
        CPATH_CLOSE
    };

    struct SElement {
        EElementType type;
        double values[6];
    };

    /** Single shapes, for drawing in one call. */
    static CPath line(double x1, double y1, double x2, double y2);
    static CPath circle(double centreX, double centreY, double radius);
    static CPath roundedRectangle(double left, double top, double width, double height, double radius);

    CPath();
    virtual ~CPath();

    void moveTo(double x, double y);
    void lineTo(double x, double y);
    /** A circular arc; joined by a line to the current point, if there is one. */
    void arc(double centreX, double centreY, double radius, double startAngle, double endAngle);
    /** An arc of the ellipse with the two radii. */
    void ellipticalArc(double centreX, double centreY, double radiusX, double radiusY, double startAngle,
                       double endAngle);
    void closePath();

    /** The shapes below each start a closed outline of their own. */
    void addRectangle(double left, double top, double width, double height);
    void addCircle(double centreX, double centreY, double radius);
    void addEllipse(double centreX, double centreY, double radiusX, double radiusY);
    /** Round corners of the radius, held to half the shorter side; plain corners for 0. */
    void addRoundedRectangle(double left, double top, double width, double height, double radius);
    /** Elliptical corners, each radius held to half its side; plain corners when either is 0. */
    void addRoundedRectangle(double left, double top, double width, double height, double radiusX, double radiusY);

    void clear();
    bool isEmpty() const { return m_elements.empty(); }
    std::size_t getNumberOfElements() const { return m_elements.size(); }
    const SElement& getElement(std::size_t index) const { return m_elements[index]; }

private:
    void add(EElementType type, double a = 0.0, double b = 0.0, double c = 0.0, double d = 0.0, double e = 0.0,
             double f = 0.0);

    std::vector<SElement> m_elements;
};

}}}  // namespace Corvane::GUI::Graphics
