#include "gui/graphics/CPen.hpp"

#include <cmath>

namespace Corvane { namespace GUI { namespace Graphics {

CPen::CPen()
    : m_width(1.0),
      m_colour(Basics::CAlphaColour::CALPHACOLOUR_BLACK),
      m_capStyle(CPEN_CAP_BUTT),
      m_effectiveCapStyle(CPEN_CAP_BUTT),
      m_joinStyle(CPEN_JOIN_MITRE)
{}

CPen::~CPen() = default;

void CPen::initialise(long width, const Basics::CAlphaColour& colour)
{
    setPen(width, colour);
    setCapStyle(CPEN_CAP_BUTT);
    setJoinStyle(CPEN_JOIN_MITRE);
}

void CPen::setWidth(long width)
{
    m_width = static_cast<double>(width);
}

void CPen::setLineWidth(double width)
{
    m_width = width;
}

long CPen::getWidth() const
{
    return std::lround(m_width);
}

void CPen::setColour(const Basics::CAlphaColour& colour)
{
    m_colour = colour;
}

void CPen::setPen(long width, const Basics::CAlphaColour& colour)
{
    setWidth(width);
    setColour(colour);
}

void CPen::setCapStyle(EPenCapStyle style)
{
    m_capStyle = style;
    if (style == CPEN_CAP_BUTT || style == CPEN_CAP_SQUARE || style == CPEN_CAP_ROUND) {
        m_effectiveCapStyle = style;
    }
}

void CPen::setJoinStyle(EPenJoinStyle style)
{
    m_joinStyle = style;
}

}}}  // namespace Corvane::GUI::Graphics
