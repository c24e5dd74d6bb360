#pragma once

#include "gui/basics/CAlphaColour.hpp"

#include <cstddef>
#include <vector>

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * A colour blend for filling paths: linear between two points, or radial
 * from a centre out to an ellipse. Colour stops are placed at offsets from
 * 0 (start point, centre) to 1 (end point, ellipse); coordinates are moved by
 * the graphics' drawing offset like the path they fill.
 *
 * @code
 * CGradient shade = CGradient::linear(0.0, top, 0.0, top + height);
 * shade.addColourStop(0.0, CAlphaColour(50, 54, 59));
 * shade.addColourStop(1.0, CAlphaColour(30, 33, 36));
 * graphics.fillPath(panel, shade);
 * @endcode
 */
class CGradient {
public:
    enum EGradientType {
        CGRADIENT_LINEAR,
        CGRADIENT_RADIAL
    };

    struct SColourStop {
        double offset;
        Basics::CAlphaColour colour;
    };

    static CGradient linear(double startX, double startY, double endX, double endY);
    /** From one colour at the start point to another at the end point. */
    static CGradient linear(double startX, double startY, double endX, double endY, const Basics::CAlphaColour& from,
                            const Basics::CAlphaColour& to);
    static CGradient radial(double centreX, double centreY, double radiusX, double radiusY);
    /** A glow: the colour at the centre fading to transparent at the ellipse. */
    static CGradient glow(double centreX, double centreY, double radiusX, double radiusY,
                          const Basics::CAlphaColour& colour);

    virtual ~CGradient();

    void addColourStop(double offset, const Basics::CAlphaColour& colour);

    EGradientType getType() const { return m_type; }
    /** Linear: start x, start y, end x, end y. Radial: centre x, centre y, radius x, radius y. */
    double getGeometry(std::size_t index) const { return m_geometry[index]; }
    std::size_t getNumberOfStops() const { return m_stops.size(); }
    const SColourStop& getStop(std::size_t index) const { return m_stops[index]; }

private:
    CGradient(EGradientType type, double a, double b, double c, double d);

    EGradientType m_type;
    double m_geometry[4];
    std::vector<SColourStop> m_stops;
};

}}}  // namespace Corvane::GUI::Graphics
