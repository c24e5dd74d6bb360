#include "CButtonArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"

namespace Corvane::CorGain::Artwork {

CButtonArtwork::CButtonArtwork(int scale)
    : CArtworkPicture(CArtworkLayout::CARTWORKLAYOUT_BUTTON_WIDTH, CArtworkLayout::CARTWORKLAYOUT_BUTTON_HEIGHT, true,
                      scale)
{}

CArtworkPicture::CRGBAImage* CButtonArtwork::createButton(bool lit, int scale)
{
    CButtonArtwork picture(scale);
    picture.draw(lit);
    return picture.finish();
}

void CButtonArtwork::draw(bool lit)
{
    const double width = CArtworkLayout::CARTWORKLAYOUT_BUTTON_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_BUTTON_HEIGHT;

    // Key body: a dark rim, then the key face; a pressed key is flatter and darker.
    fill(CPath::roundedRectangle(0.0, 0.0, width, height, 4.5), CAlphaColour(8, 9, 10));
    const CPath face = CPath::roundedRectangle(1.0, 1.0, width - 2.0, height - 2.0, 3.5);
    if (lit) {
        shade(face, 1.0, height - 2.0, CAlphaColour(50, 55, 60), CAlphaColour(62, 67, 73));
    } else {
        shade(face, 1.0, height - 2.0, CAlphaColour(96, 102, 109), CAlphaColour(48, 52, 57));
        stroke(CPath::line(4.0, 1.5, width - 4.0, 1.5), CAlphaColour(255, 255, 255, 60), 1.0);
    }

    // Lamp in the middle of the key.
    const double lampWidth = 22.0;
    const double lampHeight = 6.0;
    const double lampLeft = (width - lampWidth) / 2.0;
    const double lampTop = (height - lampHeight) / 2.0 + (lit ? 0.5 : 0.0);
    const CPath lamp = CPath::roundedRectangle(lampLeft, lampTop, lampWidth, lampHeight, 2.0);
    const CPath lampRim =
        CPath::roundedRectangle(lampLeft - 1.0, lampTop - 1.0, lampWidth + 2.0, lampHeight + 2.0, 3.0);
    if (lit) {
        // A flat glow around the lamp, kept on the key face (it has faded out before the face's corners).
        const double centreY = lampTop + lampHeight / 2.0;
        graphics().getClippingRegion().setCurrentClipRegion(
            Corvane::MathTools::CRect(1, 1, static_cast<long>(width) - 2, static_cast<long>(height) - 2));
        CPath glow;
        glow.addEllipse(width / 2.0, centreY, 24.0, 24.0 * 0.55);
        graphics().fillPath(glow, CGradient::glow(width / 2.0, centreY, 24.0, 24.0 * 0.55,
                                                  CArtworkPalette::CARTWORKPALETTE_ACCENT.withAlpha(130)));
        graphics().getClippingRegion().clearClipRegion();
        fill(lampRim, CAlphaColour(40, 90, 94));
        shade(lamp, lampTop, lampHeight, CAlphaColour(214, 252, 255), CAlphaColour(128, 206, 210));
    } else {
        fill(lampRim, CAlphaColour(10, 12, 13));
        shade(lamp, lampTop, lampHeight, CAlphaColour(22, 34, 36), CAlphaColour(38, 56, 58));
    }
}

}  // namespace Corvane::CorGain::Artwork
