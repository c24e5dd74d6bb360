#include "CInfoButtonArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"

namespace Corvane::CorGain::Artwork {

CInfoButtonArtwork::CInfoButtonArtwork(int scale)
    : CArtworkPicture(CArtworkLayout::CARTWORKLAYOUT_INFO_WIDTH, CArtworkLayout::CARTWORKLAYOUT_INFO_HEIGHT, true,
                      scale)
{}

CArtworkPicture::CRGBAImage* CInfoButtonArtwork::createButton(int scale)
{
    CInfoButtonArtwork picture(scale);
    const double width = CArtworkLayout::CARTWORKLAYOUT_INFO_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_INFO_HEIGHT;

    // A light pill set slightly in from the editor's corner, with a thin accent rim.
    const double inset = 2.0;
    const double radius = (height - 2.0 * inset) / 2.0;
    picture.fill(CPath::roundedRectangle(inset - 1.0, inset - 1.0, width - 2.0 * inset + 2.0,
                                         height - 2.0 * inset + 2.0, radius + 1.0),
                 CArtworkPalette::CARTWORKPALETTE_ACCENT);
    picture.shade(CPath::roundedRectangle(inset, inset, width - 2.0 * inset, height - 2.0 * inset, radius), inset,
                  height - 2.0 * inset, CAlphaColour(240, 243, 244), CAlphaColour(190, 198, 201));
    return picture.finish();
}

}  // namespace Corvane::CorGain::Artwork
