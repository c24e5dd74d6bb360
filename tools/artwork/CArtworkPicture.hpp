#pragma once

#include "gui/basics/CAlphaColour.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CGradient.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPath.hpp"
#include "gui/graphics/CRGBAImage.hpp"

namespace Corvane::CorGain::Artwork {

// One of the editor's pictures while it is drawn: the bitmap and the graphics
// drawing on it, with the shorthand the pictures share for colour fills,
// strokes and text. Everything is drawn through the framework's CGraphics, in
// the picture's own pixels: at a scale of 2 the bitmap has twice the pixels
// each way and the same drawing comes out finer, for screens that scale.
class CArtworkPicture {
public:
    using CAlphaColour = Corvane::GUI::Basics::CAlphaColour;
    using CFont = Corvane::GUI::Fonts::CFont;
    using CGradient = Corvane::GUI::Graphics::CGradient;
    using CGraphics = Corvane::GUI::Graphics::CGraphics;
    using CPath = Corvane::GUI::Graphics::CPath;
    using CRGBAImage = Corvane::GUI::Graphics::CRGBAImage;

    CArtworkPicture(const CArtworkPicture&) = delete;
    CArtworkPicture& operator=(const CArtworkPicture&) = delete;

protected:
    // A transparent bitmap with alpha, an opaque black one without; width x height of the
    // picture's own pixels, scale bitmap pixels each way to one of them.
    CArtworkPicture(int width, int height, bool alpha, int scale);
    virtual ~CArtworkPicture();

    // Ends the drawing and hands the picture over, unreferenced, to the caller.
    CRGBAImage* finish();

    CGraphics& graphics() { return m_graphics; }
    CRGBAImage& image() { return *m_image; }
    // Bitmap pixels per pixel of the picture's own, each way.
    int scale() const { return m_scale; }

    void fill(const CPath& path, const CAlphaColour& colour);
    // A vertical blend from the top colour at top to the bottom colour height pixels lower.
    void shade(const CPath& path, double top, double height, const CAlphaColour& topColour,
               const CAlphaColour& bottomColour);
    void stroke(const CPath& path, const CAlphaColour& colour, double width,
                Corvane::GUI::Graphics::CPen::EPenCapStyle cap = Corvane::GUI::Graphics::CPen::CPEN_CAP_BUTT);
    void text(const char* text, double x, double baseline, CGraphics::ETextAnchor anchor, CFont& font,
              const CAlphaColour& colour, double spacing = 0.0);

private:
    // Nobody else holds the picture until finish() hands it over.
    CRGBAImage* m_image;
    CGraphics m_graphics;
    int m_scale;
};

}  // namespace Corvane::CorGain::Artwork
