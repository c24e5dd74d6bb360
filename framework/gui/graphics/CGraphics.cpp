#include "gui/graphics/CGraphics.hpp"

#include "exceptions/CException.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/fonts/CFontConfigFace.hpp"
#include "gui/fonts/CTextEncoding.hpp"
#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CPath.hpp"
#include "gui/graphics/IImage.hpp"

#include <cmath>
#include <string>

namespace Corvane { namespace GUI { namespace Graphics {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

Fonts::CFont* fontOrSystemFont(Fonts::CFont* font)
{
    return font != nullptr ? font : Fonts::CFont::CFONT_SYSTEM_FONT;
}

}  // namespace

CGraphics::CGraphics()
    : m_textColour(Basics::CAlphaColour::CALPHACOLOUR_BLACK),
      m_alphaDrawing(false),
      m_renderingQuality(CGRAPHICS_QUALITY_ANTIALIASED),
      m_context(nullptr)
{}

CGraphics::~CGraphics()
{
    uninitialise();
}

void CGraphics::initialise(CCairoContext* context, const CDimension& size)
{
    if (context == nullptr) {
        throw Corvane::Exceptions::CException("Context is NULL", "initialise", true);
    }
    uninitialise();
    m_context = context;
    m_contextSize = size;
    m_pen.initialise(1, Basics::CAlphaColour::CALPHACOLOUR_BLACK);
    m_brush.initialise(Basics::CAlphaColour::CALPHACOLOUR_WHITE);
    m_clip.initialise(context, CRect(0, 0, size.getWidth(), size.getHeight()));
    m_drawingOffset.setPoint(0, 0);
    m_updateArea.setRect(0, 0, size.getWidth(), size.getHeight());
    m_alphaDrawing = false;
    m_context->setGlobalAlpha(1.0);
    m_context->setAntialias(m_renderingQuality != CGRAPHICS_QUALITY_ALIASED);
}

void CGraphics::uninitialise()
{
    if (m_context == nullptr) {
        return;
    }
    m_clip.uninitialise();
    delete m_context;
    m_context = nullptr;
    m_alphaDrawing = false;
}

double CGraphics::getScaleFactor() const
{
    return m_context != nullptr ? m_context->getScaleFactor() : 1.0;
}

void CGraphics::setRenderingQuality(ERenderingQuality quality)
{
    m_renderingQuality = quality;
    if (m_context != nullptr) {
        m_context->setAntialias(quality != CGRAPHICS_QUALITY_ALIASED);
    }
}

void CGraphics::beginAlphaDrawing(double alpha)
{
    if (m_alphaDrawing || m_context == nullptr) {
        return;
    }
    m_context->setGlobalAlpha(alpha);
    m_alphaDrawing = true;
}

void CGraphics::endAlphaDrawing()
{
    if (!m_alphaDrawing) {
        return;
    }
    m_context->setGlobalAlpha(1.0);
    m_alphaDrawing = false;
}

CRect CGraphics::moved(const CRect& rect) const
{
    CRect result(rect);
    result.offset(m_drawingOffset);
    return result;
}

void CGraphics::fillRectangle(const CRect& rect)
{
    if (m_context == nullptr || rect.getWidth() <= 0 || rect.getHeight() <= 0) {
        return;
    }
    const CRect r = moved(rect);
    m_context->fillRectangle(r.getLeft(), r.getTop(), r.getWidth(), r.getHeight(), m_brush.getColour());
}

void CGraphics::drawRectangle(const CRect& rect)
{
    if (m_context == nullptr || rect.getWidth() <= 0 || rect.getHeight() <= 0) {
        return;
    }
    m_context->strokeRectangle(moved(rect), m_pen);
}

void CGraphics::drawFilledBorderedRectangle(const CRect& rect)
{
    fillRectangle(rect);
    drawRectangle(rect);
}

void CGraphics::roundedPath(const CRect& rect, const CDimension& corner, CPath& path) const
{
    path.addRoundedRectangle(rect.getLeft() + 0.5, rect.getTop() + 0.5, rect.getWidth() - 1.0, rect.getHeight() - 1.0,
                             corner.getWidth() / 2.0, corner.getHeight() / 2.0);
}

void CGraphics::fillRoundedRectangle(const CRect& rect, const CDimension& corner)
{
    CPath path;
    roundedPath(rect, corner, path);
    fillPath(path);
}

void CGraphics::drawRoundedRectangle(const CRect& rect, const CDimension& corner)
{
    CPath path;
    roundedPath(rect, corner, path);
    strokePath(path);
}

void CGraphics::drawLine(const CPoint& from, const CPoint& to)
{
    if (m_context == nullptr) {
        return;
    }
    CPath path;
    path.moveTo(static_cast<double>(from.getXPosition()), static_cast<double>(from.getYPosition()));
    path.lineTo(static_cast<double>(to.getXPosition()), static_cast<double>(to.getYPosition()));
    strokePath(path);
}

void CGraphics::drawImage(IImage* image, const CRect& destination, const CRect& source)
{
    if (image != nullptr && image->imageHasAlpha()) {
        drawImageWithAlpha(image, destination, source, 1.0);
    } else {
        paintImage(image, destination, source, 1.0);
    }
}

void CGraphics::drawImageWithAlpha(IImage* image, const CRect& destination, const CRect& source, double alpha)
{
    if (image == nullptr || !image->imageHasAlpha()) {
        drawImage(image, destination, source);
    } else {
        paintImage(image, destination, source, alpha);
    }
}

void CGraphics::paintImage(IImage* image, const CRect& destination, const CRect& source, double alpha)
{
    if (m_context == nullptr || image == nullptr || !image->hasImageLoaded()) {
        return;
    }
    // Above factor 1 the picture comes from a larger set of itself where it has one; its size stays its own.
    double pixelsPerUnit = 1.0;
    const CCairoImage* pixels = image->getImageHandleForScale(m_context->getScaleFactor(), pixelsPerUnit);
    if (pixels == nullptr) {
        return;
    }
    const CRect d = moved(destination);
    const CDimension size = image->getImageSize();
    if (source.getWidth() == size.getWidth() && source.getHeight() == size.getHeight()) {
        m_context->drawImageStretched(*pixels, d, alpha);
    } else {
        // Unscaled, the source's corner on the destination's; the clip to the destination cuts the rest away.
        m_context->drawImageAt(*pixels, pixelsPerUnit, d.getLeft() - source.getLeft(), d.getTop() - source.getTop(), d,
                               alpha);
    }
}

void CGraphics::drawText(const Corvane::Basics::CString& text, const CRect& area, Fonts::CFont* font,
                         ETextAlignment alignment)
{
    Fonts::CFont* chosen = fontOrSystemFont(font);
    if (m_context == nullptr || chosen == nullptr || alignment < CGRAPHICS_TEXT_TOP_LEFT ||
        alignment > CGRAPHICS_TEXT_CENTRED) {
        return;
    }
    const Fonts::CFontConfigFace* face = chosen->getFontHandle();
    if (face == nullptr) {
        return;
    }
    const std::string utf8 = Fonts::CTextEncoding::toUTF8(text.getString());
    const Fonts::STextExtents extents = face->measure(utf8.c_str(), 0.0);
    const double textWidth = std::ceil(extents.inkWidth);
    const double textHeight = std::ceil(extents.inkHeight);
    const CRect a = moved(area);

    // 9 and 10 are the left and centred columns of the middle row.
    const long column =
        alignment == CGRAPHICS_TEXT_LEFT ? 0 : (alignment == CGRAPHICS_TEXT_CENTRED ? 1 : alignment % 3);
    const long row = alignment >= CGRAPHICS_TEXT_LEFT ? 1 : alignment / 3;
    double x = a.getLeft() + 0.5;
    if (column == 1) {
        x = a.getCentralXPosition() - textWidth / 2.0;
    } else if (column == 2) {
        x = a.getRight() - textWidth - 0.5;
    }
    double baseline = a.getTop() + textHeight + 1.5;
    if (row == 1) {
        baseline = a.getCentralYPosition() + textHeight / 2.0 - 1.5;
    } else if (row == 2) {
        baseline = a.getBottom() - 1.5;
    }

    m_context->saveState();
    m_context->clipToRectangle(a.getLeft(), a.getTop(), a.getWidth(), a.getHeight());
    m_context->drawText(*face, utf8.c_str(), x, baseline, 0.0, m_textColour);
    m_context->restoreState();
}

void CGraphics::getStringBounds(const Corvane::Basics::CString& text, CDimension& size, Fonts::CFont* font)
{
    Fonts::CFont* chosen = fontOrSystemFont(font);
    if (chosen == nullptr) {
        size.setDimension(0, 0);
        return;
    }
    const Fonts::STextExtents extents = chosen->measureText(text);
    size.setDimension(static_cast<long>(std::ceil(extents.inkWidth)), static_cast<long>(std::ceil(extents.inkHeight)));
}

void CGraphics::fillPath(const CPath& path)
{
    if (m_context != nullptr) {
        m_context->fillPath(path, offsetX(), offsetY(), m_brush.getColour());
    }
}

void CGraphics::fillPath(const CPath& path, const CGradient& gradient)
{
    if (m_context != nullptr) {
        m_context->fillPath(path, offsetX(), offsetY(), gradient);
    }
}

void CGraphics::strokePath(const CPath& path)
{
    if (m_context != nullptr) {
        m_context->strokePath(path, offsetX(), offsetY(), m_pen);
    }
}

void CGraphics::drawTextLine(const Corvane::Basics::CString& text, double x, double baseline, Fonts::CFont* font,
                             ETextAnchor anchor, double spacing)
{
    Fonts::CFont* chosen = fontOrSystemFont(font);
    const Fonts::CFontConfigFace* face = chosen != nullptr ? chosen->getFontHandle() : nullptr;
    if (m_context == nullptr || face == nullptr) {
        return;
    }
    const std::string utf8 = Fonts::CTextEncoding::toUTF8(text.getString());
    double left = x;
    if (anchor == CGRAPHICS_ANCHOR_CENTRE || anchor == CGRAPHICS_ANCHOR_RIGHT) {
        const double advance = face->measure(utf8.c_str(), spacing).advance;
        left -= anchor == CGRAPHICS_ANCHOR_CENTRE ? advance / 2.0 : advance;
    }
    m_context->drawText(*face, utf8.c_str(), left + offsetX(), baseline + offsetY(), spacing, m_textColour);
}

}}}  // namespace Corvane::GUI::Graphics
