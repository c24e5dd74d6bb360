#include "CInfoButtonArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"
#include "CPainter.hpp"

namespace Corvane::CorGain::Artwork {

cairo_surface_t* CInfoButtonArtwork::createButton()
{
    const double width = CArtworkLayout::CARTWORKLAYOUT_INFO_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_INFO_HEIGHT;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    CPainter painter(cr);

    // A light pill set slightly in from the editor's corner, with a thin accent rim.
    const double inset = 2.0;
    const double radius = (height - 2.0 * inset) / 2.0;
    painter.fillRoundedRectangle(inset - 1.0, inset - 1.0, width - 2.0 * inset + 2.0, height - 2.0 * inset + 2.0,
                                 radius + 1.0, CArtworkPalette::CARTWORKPALETTE_ACCENT);
    painter.fillRoundedGradient(inset, inset, width - 2.0 * inset, height - 2.0 * inset, radius, SColour{240, 243, 244},
                                SColour{190, 198, 201});

    cairo_destroy(cr);
    return surface;
}

}  // namespace Corvane::CorGain::Artwork
