#include "gui/graphics/CGradient.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CGradient::CGradient(EGradientType type, double a, double b, double c, double d) : m_type(type), m_geometry{a, b, c, d}
{}

CGradient::~CGradient() = default;

CGradient CGradient::linear(double startX, double startY, double endX, double endY)
{
    return CGradient(CGRADIENT_LINEAR, startX, startY, endX, endY);
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
