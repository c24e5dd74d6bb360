#include "CSplashArtwork.hpp"

#include "CArtworkIdentity.hpp"
#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"
#include "CPainter.hpp"

#include <cmath>
#include <string>

namespace Corvane::CorGain::Artwork {

namespace {

using P = CArtworkPalette;
using Id = CArtworkIdentity;

// A compressor's transfer curve with a soft knee, drawn as the picture's emblem.
void drawTransferCurve(CPainter& painter, double left, double top, double size)
{
    cairo_t* cr = painter.context();
    painter.strokeRoundedRectangle(left, top, size, size, 4.0, SColour{255, 255, 255, 28}, 1.0);
    for (int i = 1; i < 4; ++i) {
        const double offset = size * i / 4.0;
        painter.drawLine(left + offset, top + 1.0, left + offset, top + size - 1.0, SColour{255, 255, 255, 16}, 1.0);
        painter.drawLine(left + 1.0, top + offset, left + size - 1.0, top + offset, SColour{255, 255, 255, 16}, 1.0);
    }
    painter.drawLine(left, top + size, left + size, top, SColour{255, 255, 255, 40}, 1.0);

    const double threshold = 0.55;
    const double ratio = 4.0;
    const double knee = 0.18;
    cairo_new_path(cr);
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
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    painter.setColour(P::CARTWORKPALETTE_ACCENT.withAlpha(70));
    cairo_set_line_width(cr, 6.0);
    cairo_stroke_preserve(cr);
    painter.setColour(P::CARTWORKPALETTE_ACCENT);
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

}  // namespace

cairo_surface_t* CSplashArtwork::createSplash()
{
    const double width = CArtworkLayout::CARTWORKLAYOUT_SPLASH_WIDTH;
    const double height = CArtworkLayout::CARTWORKLAYOUT_SPLASH_HEIGHT;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width), static_cast<int>(height));
    cairo_t* cr = cairo_create(surface);
    CPainter painter(cr);

    painter.fillRoundedGradient(0.0, 0.0, width, height, 0.0, SColour{40, 44, 49}, SColour{14, 16, 18});
    painter.fillRoundedRectangle(0.0, 0.0, width, 3.0, 0.0, P::CARTWORKPALETTE_ACCENT);
    painter.strokeRoundedRectangle(0.5, 0.5, width - 1.0, height - 1.0, 0.0, SColour{90, 98, 105}, 1.0);

    drawTransferCurve(painter, width - 140.0, 26.0, 108.0);

    const char* font = Id::CARTWORKIDENTITY_FONT;
    painter.setFont(font, 46.0, true);
    painter.drawText(Id::CARTWORKIDENTITY_PRODUCT, 26.0, 78.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_CAPTION);
    painter.setFont(font, 10.0, true);
    painter.drawText(Id::CARTWORKIDENTITY_KIND, 28.0, 100.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_ACCENT, 2.2);

    const std::string version = std::string("Version ") + Id::CARTWORKIDENTITY_VERSION;
    painter.setFont(font, 12.0, false);
    painter.drawText(version.c_str(), 28.0, 124.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_MUTED);

    painter.drawLine(26.0, 152.5, width - 26.0, 152.5, SColour{255, 255, 255, 30}, 1.0);
    painter.setFont(font, 11.0, false);
    painter.drawText(Id::CARTWORKIDENTITY_DESCRIPTION, width / 2.0, 176.0, CPainter::EAlign::Centre,
                     P::CARTWORKPALETTE_CAPTION);

    painter.setFont(font, 12.0, true);
    painter.drawText(Id::CARTWORKIDENTITY_VENDOR, 28.0, 212.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_CAPTION);
    painter.setFont(font, 9.5, false);
    painter.drawText("VST 2.4 for Linux  -  click to close", width - 26.0, 212.0, CPainter::EAlign::Right,
                     P::CARTWORKPALETTE_MUTED);

    cairo_destroy(cr);
    return surface;
}

}  // namespace Corvane::CorGain::Artwork
