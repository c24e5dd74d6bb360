#include "gui/graphics/CBrush.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CBrush::CBrush() : m_colour(Basics::CAlphaColour::CALPHACOLOUR_WHITE) {}

CBrush::~CBrush() = default;

void CBrush::initialise(const Basics::CAlphaColour& colour)
{
    setColour(colour);
}

void CBrush::setColour(const Basics::CAlphaColour& colour)
{
    m_colour = colour;
}

}}}  // namespace Corvane::GUI::Graphics
