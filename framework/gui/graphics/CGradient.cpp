#include "gui/graphics/CGradient.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CGradient::CGradient(EGradientType type, double a, double b, double c, double d) : m_type(type), m_geometry{a, b, c, d}
{}

CGradient::~CGradient() = default;

CGradient CGradient::linear(double startX, double startY, double endX, double endY)
{
    return CGradient(CGRADIENT_LINEAR, startX, startY, endX, endY);
}

CGradient CGradient::linear(double startX, double startY, double endX, double endY, const Basics::CAlphaColour& from,
                            const Basics::CAlphaColour& to)
{
    CGradient gradient = linear(startX, startY, endX, endY);
    gradient.addColourStop(0.0, from);
    gradient.addColourStop(1.0, to);
    return gradient;
}

CGradient CGradient::glow(double centreX, double centreY, double radiusX, double radiusY,
                          const Basics::CAlphaColour& colour)
{
    CGradient gradient = radial(centreX, centreY, radiusX, radiusY);
    gradient.addColourStop(0.0, colour);
    gradient.addColourStop(1.0, colour.withAlpha(0));
    return gradient;
}

CGradient CGradient::radial(double centreX, double centreY, double radiusX, double radiusY)
{
    return CGradient(CGRADIENT_RADIAL, centreX, centreY, radiusX, radiusY);
}

void CGradient::addColourStop(double offset, const Basics::CAlphaColour& colour)
{
    m_stops.push_back(SColourStop{offset, colour});
}

}}}  // namespace Corvane::GUI::Graphics
