#include "gui/controls/CLevelMeter.hpp"

#include "gui/graphics/CGraphics.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace GUI { namespace Controls {

using Basics::CAlphaColour;
using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CLevelMeter, "CControl")

namespace {

// The segments are 2 pixels from each edge and from each other.
constexpr long kMargin = 2;

long channelStep(unsigned long start, unsigned long end, long segments)
{
    return (static_cast<long>(end) - static_cast<long>(start)) / segments;
}

}  // namespace

CLevelMeter::CLevelMeter(IControlRoot* root, long id, const CRect& area, long numberOfSegments)
    : CControl(root, id, area, nullptr),
      m_litSegments(0),
      // Every size and colour step divides by the count.
      m_numberOfSegments(std::max(1L, numberOfSegments)),
      m_vertical(true),
      m_colourStep{0, 0, 0}
{
    CVN_CONSTRUCT_CLASS;
    CControl::setValue(0.0);
    layOutSegments();
    setLineColour(CAlphaColour::CALPHACOLOUR_BLUE, CAlphaColour::CALPHACOLOUR_WHITE);
}

CLevelMeter::~CLevelMeter()
{
    CVN_DESTRUCT_CLASS;
}

void CLevelMeter::setArea(const CRect& area)
{
    CControl::setArea(area);
    layOutSegments();
}

void CLevelMeter::layOutSegments()
{
    const long width = getArea().getWidth();
    const long height = getArea().getHeight();
    const long n = m_numberOfSegments;
    m_vertical = width < height;
    if (m_vertical) {
        m_segmentSize.setDimension(width - 2 * kMargin, (height - 2 * kMargin - (2 * n + 2)) / n);
    } else {
        m_segmentSize.setDimension((width - 2 * kMargin - (2 * n + 2)) / n, height - 2 * kMargin);
    }
}

void CLevelMeter::setLineColour(const CAlphaColour& start, const CAlphaColour& end)
{
    m_startColour = start;
    m_endColour = end;
    m_colourStep[0] = channelStep(start.getRed(), end.getRed(), m_numberOfSegments);
    m_colourStep[1] = channelStep(start.getGreen(), end.getGreen(), m_numberOfSegments);
    m_colourStep[2] = channelStep(start.getBlue(), end.getBlue(), m_numberOfSegments);
}

void CLevelMeter::setValue(double value)
{
    // The level comes from the audio path: NaN must not reach the segment count.
    const double level = value > 0.0 ? std::min(value, 1.0) : 0.0;
    CControl::setValue(level);
    m_litSegments = static_cast<long>(std::ceil(static_cast<double>(m_numberOfSegments) * level));
}

void CLevelMeter::drawControl(Graphics::CGraphics& graphics)
{
    if (!drawEnabledControl(graphics)) {
        return;
    }
    drawPrimaryImage(graphics, getDefaultDrawing());
    const long width = m_segmentSize.getWidth();
    const long height = m_segmentSize.getHeight();
    CRect segment(kMargin, kMargin, width, height);
    if (m_vertical) {
        segment.setTop(getArea().getHeight() - height - kMargin);
    }
    CAlphaColour colour(m_startColour);
    for (long i = 0; i < m_litSegments; ++i) {
        graphics.getMutablePen().setColour(colour);
        graphics.getMutableBrush().setColour(colour);
        graphics.drawFilledBorderedRectangle(segment);
        // Steps are truncated towards zero, so no channel passes the end colour (or drops below 0).
        colour.setColour(static_cast<unsigned long>(static_cast<long>(colour.getRed()) + m_colourStep[0]),
                         static_cast<unsigned long>(static_cast<long>(colour.getGreen()) + m_colourStep[1]),
                         static_cast<unsigned long>(static_cast<long>(colour.getBlue()) + m_colourStep[2]), 255);
        if (m_vertical) {
            segment.setTop(segment.getTop() - height - kMargin);
        } else {
            segment.setLeft(segment.getLeft() + width + kMargin);
        }
    }
}

}}}  // namespace Corvane::GUI::Controls
