#include "CButtonArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"
#include "CPainter.hpp"

namespace Corvane::CorGain::Artwork {

cairo_surface_t* CButtonArtwork::createButton(bool lit)
{
    const double width = CArtworkLayout::CARTWORKLAYOUT_BUTTON_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_BUTTON_HEIGHT;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    CPainter painter(cr);

    // Key body: a dark rim, then the key face; a pressed key is flatter and darker.
    painter.fillRoundedRectangle(0.0, 0.0, width, height, 4.5, SColour{8, 9, 10});
    if (lit) {
        painter.fillRoundedGradient(1.0, 1.0, width - 2.0, height - 2.0, 3.5, SColour{50, 55, 60}, SColour{62, 67, 73});
    } else {
        painter.fillRoundedGradient(1.0, 1.0, width - 2.0, height - 2.0, 3.5, SColour{96, 102, 109},
                                    SColour{48, 52, 57});
        painter.drawLine(4.0, 1.5, width - 4.0, 1.5, SColour{255, 255, 255, 60}, 1.0);
    }

    // Lamp in the middle of the key.
    const double lampWidth = 22.0;
    const double lampHeight = 6.0;
    const double lampLeft = (width - lampWidth) / 2.0;
    const double lampTop = (height - lampHeight) / 2.0 + (lit ? 0.5 : 0.0);
    if (lit) {
        cairo_save(cr);
        painter.roundedRectanglePath(1.0, 1.0, width - 2.0, height - 2.0, 3.5);
        cairo_clip(cr);
        cairo_scale(cr, 1.0, 0.55);
        painter.fillGlow(width / 2.0, (lampTop + lampHeight / 2.0) / 0.55, 24.0,
                         CArtworkPalette::CARTWORKPALETTE_ACCENT.withAlpha(130));
        cairo_restore(cr);
        painter.fillRoundedRectangle(lampLeft - 1.0, lampTop - 1.0, lampWidth + 2.0, lampHeight + 2.0, 3.0,
                                     SColour{40, 90, 94});
        painter.fillRoundedGradient(lampLeft, lampTop, lampWidth, lampHeight, 2.0, SColour{214, 252, 255},
                                    SColour{128, 206, 210});
    } else {
        painter.fillRoundedRectangle(lampLeft - 1.0, lampTop - 1.0, lampWidth + 2.0, lampHeight + 2.0, 3.0,
                                     SColour{10, 12, 13});
        painter.fillRoundedGradient(lampLeft, lampTop, lampWidth, lampHeight, 2.0, SColour{22, 34, 36},
                                    SColour{38, 56, 58});
    }

    cairo_destroy(cr);
    return surface;
}

}  // namespace Corvane::CorGain::Artwork
