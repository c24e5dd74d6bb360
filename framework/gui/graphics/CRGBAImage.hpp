#pragma once

#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/CBaseImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

class CGraphics;

/**
 * A bitmap the program fills: drawn into through a CGraphics, read back pixel
 * by pixel, written as PNG. It is how tests, tools and snapshots draw without
 * a display.
 *
 * @code
 * CRGBAImage image(96, 20);
 * CGraphics graphics;
 * image.initialiseGraphics(graphics);
 * graphics.drawText("-12.00 dB", CRect(1, 1, 96, 20), nullptr, CGraphics::CGRAPHICS_TEXT_LEFT);
 * graphics.uninitialise();
 * image.writeToPNG("label.png");
 * @endcode
 */
class CRGBAImage : public CBaseImage {
public:
    /**
     * A width x height bitmap: with an alpha channel it starts transparent,
     * without one it starts black and stays opaque. Nothing is loaded (see
     * hasImageLoaded) when the size is not positive or too large.
     */
    CRGBAImage(long width, long height, bool hasAlpha = true);
    ~CRGBAImage() override;

    long getImageFormat() const override { return IIMAGE_FORMAT_RGBA; }
    /** A bitmap the program fills has no file: always false. */
    bool loadFromFile(const Corvane::Basics::CSystemString& path) override;

    /**
     * Initialises graphics on the bitmap, the whole of it as context and
     * update area; graphics.uninitialise() ends the drawing. False when there
     * is no bitmap. With a scale above 1 the bitmap's pixels are that many
     * per pixel drawn: a 926 x 930 bitmap at scale 2 takes a 463 x 465 picture.
     */
    bool initialiseGraphics(CGraphics& graphics, double scale = 1.0);

    /** The pixel with straight (not premultiplied) alpha; transparent outside the bitmap. */
    Basics::CAlphaColour getPixel(long x, long y) const;
    /** Ignored outside the bitmap. */
    void setPixel(long x, long y, const Basics::CAlphaColour& colour);

    /** Writes the bitmap as a PNG file (with alpha when it has it); false on failure. */
    bool writeToPNG(const Corvane::Basics::CSystemString& path) const;

    CVN_DECLARE_CLASS
};

}}}  // namespace Corvane::GUI::Graphics
