#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

CArtworkPicture::CArtworkPicture(int width, int height, bool alpha, int scale)
    : m_image(new CRGBAImage(static_cast<long>(width) * scale, static_cast<long>(height) * scale, alpha)),
      m_scale(scale)
{
    m_image->initialiseGraphics(m_graphics, scale);
}

CArtworkPicture::~CArtworkPicture()
{
    m_graphics.uninitialise();
    delete m_image;
}

CArtworkPicture::CRGBAImage* CArtworkPicture::finish()
{
    m_graphics.uninitialise();
    CRGBAImage* picture = m_image;
    m_image = nullptr;
    return picture;
}

void CArtworkPicture::fill(const CPath& path, const CAlphaColour& colour)
{
    m_graphics.getMutableBrush().setColour(colour);
    m_graphics.fillPath(path);
}

void CArtworkPicture::shade(const CPath& path, double top, double height, const CAlphaColour& topColour,
                            const CAlphaColour& bottomColour)
{
    m_graphics.fillPath(path, CGradient::linear(0.0, top, 0.0, top + height, topColour, bottomColour));
}

void CArtworkPicture::stroke(const CPath& path, const CAlphaColour& colour, double width,
                             Corvane::GUI::Graphics::CPen::EPenCapStyle cap)
{
    Corvane::GUI::Graphics::CPen& pen = m_graphics.getMutablePen();
    pen.setColour(colour);
    pen.setLineWidth(width);
    pen.setCapStyle(cap);
    m_graphics.strokePath(path);
}

void CArtworkPicture::text(const char* text, double x, double baseline, CGraphics::ETextAnchor anchor, CFont& font,
                           const CAlphaColour& colour, double spacing)
{
    m_graphics.setTextColour(colour);
    m_graphics.drawTextLine(text, x, baseline, &font, anchor, spacing);
}

}  // namespace Corvane::CorGain::Artwork
