#include "CSplashArtwork.hpp"

#include "CArtworkIdentity.hpp"
#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"

#include <string>

namespace Corvane::CorGain::Artwork {

namespace {

using P = CArtworkPalette;
using Id = CArtworkIdentity;
using G = CArtworkPicture::CGraphics;

}  // namespace

CSplashArtwork::CSplashArtwork(int scale)
    : CArtworkPicture(CArtworkLayout::CARTWORKLAYOUT_SPLASH_WIDTH, CArtworkLayout::CARTWORKLAYOUT_SPLASH_HEIGHT, false,
                      scale)
{}

// A compressor's transfer curve with a soft knee, drawn as the picture's emblem.
void CSplashArtwork::drawTransferCurve(double left, double top, double size)
{
    stroke(CPath::roundedRectangle(left, top, size, size, 4.0), CAlphaColour(255, 255, 255, 28), 1.0);
    for (int i = 1; i < 4; ++i) {
        const double offset = size * i / 4.0;
        stroke(CPath::line(left + offset, top + 1.0, left + offset, top + size - 1.0), CAlphaColour(255, 255, 255, 16),
               1.0);
        stroke(CPath::line(left + 1.0, top + offset, left + size - 1.0, top + offset), CAlphaColour(255, 255, 255, 16),
               1.0);
    }
    stroke(CPath::line(left, top + size, left + size, top), CAlphaColour(255, 255, 255, 40), 1.0);

    const double threshold = 0.55;
    const double ratio = 4.0;
    const double knee = 0.18;
    CPath curve;
    for (int step = 0; step <= 100; ++step) {
        const double in = step / 100.0;
        double out = in;
        const double over = in - threshold;
        if (over > knee / 2.0) {
            out = threshold + over / ratio;
        } else if (over > -knee / 2.0) {
            const double x = over + knee / 2.0;
            out = in + (1.0 / ratio - 1.0) * x * x / (2.0 * knee);
        }
        const double x = left + in * size;
        const double y = top + size - out * size;
        if (step == 0) {
            curve.moveTo(x, y);
        } else {
            curve.lineTo(x, y);
        }
    }
    graphics().getMutablePen().setJoinStyle(Corvane::GUI::Graphics::CPen::CPEN_JOIN_ROUND);
    stroke(curve, P::CARTWORKPALETTE_ACCENT.withAlpha(70), 6.0);
    stroke(curve, P::CARTWORKPALETTE_ACCENT, 2.0);
    graphics().getMutablePen().setJoinStyle(Corvane::GUI::Graphics::CPen::CPEN_JOIN_MITRE);
}

CArtworkPicture::CRGBAImage* CSplashArtwork::createSplash(int scale)
{
    const double width = CArtworkLayout::CARTWORKLAYOUT_SPLASH_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_SPLASH_HEIGHT;
    CSplashArtwork picture(scale);

    picture.shade(CPath::roundedRectangle(0.0, 0.0, width, height, 0.0), 0.0, height, CAlphaColour(40, 44, 49),
                  CAlphaColour(14, 16, 18));
    picture.fill(CPath::roundedRectangle(0.0, 0.0, width, 3.0, 0.0), P::CARTWORKPALETTE_ACCENT);
    picture.stroke(CPath::roundedRectangle(0.5, 0.5, width - 1.0, height - 1.0, 0.0), CAlphaColour(90, 98, 105), 1.0);

    picture.drawTransferCurve(width - 140.0, 26.0, 108.0);

    CFont product = Id::font(46.0, true);
    picture.text(Id::CARTWORKIDENTITY_PRODUCT, 26.0, 78.0, G::CGRAPHICS_ANCHOR_LEFT, product,
                 P::CARTWORKPALETTE_CAPTION);
    CFont kind = Id::font(10.0, true);
    picture.text(Id::CARTWORKIDENTITY_KIND, 28.0, 100.0, G::CGRAPHICS_ANCHOR_LEFT, kind, P::CARTWORKPALETTE_ACCENT,
                 2.2);

    const std::string version = std::string("Version ") + Id::CARTWORKIDENTITY_VERSION;
    CFont versionFont = Id::font(12.0, false);
    picture.text(version.c_str(), 28.0, 124.0, G::CGRAPHICS_ANCHOR_LEFT, versionFont, P::CARTWORKPALETTE_MUTED);

    picture.stroke(CPath::line(26.0, 152.5, width - 26.0, 152.5), CAlphaColour(255, 255, 255, 30), 1.0);
    CFont description = Id::font(11.0, false);
    picture.text(Id::CARTWORKIDENTITY_DESCRIPTION, width / 2.0, 176.0, G::CGRAPHICS_ANCHOR_CENTRE, description,
                 P::CARTWORKPALETTE_CAPTION);

    CFont vendor = Id::font(12.0, true);
    picture.text(Id::CARTWORKIDENTITY_VENDOR, 28.0, 212.0, G::CGRAPHICS_ANCHOR_LEFT, vendor,
                 P::CARTWORKPALETTE_CAPTION);
    CFont note = Id::font(9.5, false);
    picture.text("VST 2.4 for Linux  -  click to close", width - 26.0, 212.0, G::CGRAPHICS_ANCHOR_RIGHT, note,
                 P::CARTWORKPALETTE_MUTED);
    return picture.finish();
}

}  // namespace Corvane::CorGain::Artwork
