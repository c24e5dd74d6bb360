#include "CKnobArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"

#include <cmath>

namespace Corvane::CorGain::Artwork {

namespace {

constexpr double TRACK_RADIUS = 15.0;
constexpr double TRACK_WIDTH = 2.6;
constexpr double SKIRT_RADIUS = 12.2;
constexpr double FACE_RADIUS = 9.8;
constexpr double POINTER_INNER = 3.2;
constexpr double POINTER_OUTER = 10.6;

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// Cairo measures angles from three o'clock, clockwise on screen.
double cairoAngle(double clockDegrees)
{
    return radians(clockDegrees - 90.0);
}

cairo_pattern_t* diagonalGradient(double cx, double cy, double r, const SColour& light, const SColour& dark)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(gradient, 0.0, light.red / 255.0, light.green / 255.0, light.blue / 255.0);
    cairo_pattern_add_color_stop_rgb(gradient, 1.0, dark.red / 255.0, dark.green / 255.0, dark.blue / 255.0);
    return gradient;
}

void fillDisc(cairo_t* cr, double cx, double cy, double r, cairo_pattern_t* pattern)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0.0, 2.0 * M_PI);
    cairo_set_source(cr, pattern);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

}  // namespace

void CKnobArtwork::drawKnob(CPainter& painter, double left, double top, double value)
{
    cairo_t* cr = painter.context();
    const double half = CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE / 2.0;
    const double cx = left + half;
    const double cy = top + half;
    const double travel = CArtworkLayout::CARTWORKLAYOUT_KNOB_TRAVEL_DEGREES;
    const double start = -travel / 2.0;
    const double angle = start + travel * value;

    // Value ring: a dark groove over the whole travel, lit up to the current value.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, TRACK_WIDTH);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, TRACK_RADIUS, cairoAngle(start), cairoAngle(start + travel));
    painter.setColour(SColour{14, 16, 18});
    cairo_stroke(cr);
    if (angle > start) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, TRACK_RADIUS, cairoAngle(start), cairoAngle(angle));
        painter.setColour(CArtworkPalette::CARTWORKPALETTE_ACCENT);
        cairo_stroke(cr);
    }

    // Cap: shadow, bevelled skirt, then the face.
    painter.fillCircle(cx, cy + 1.2, SKIRT_RADIUS + 0.6, SColour{0, 0, 0, 120});
    fillDisc(cr, cx, cy, SKIRT_RADIUS,
             diagonalGradient(cx, cy, SKIRT_RADIUS, SColour{176, 182, 188}, SColour{40, 44, 48}));
    fillDisc(cr, cx, cy, FACE_RADIUS,
             diagonalGradient(cx, cy, FACE_RADIUS, SColour{78, 83, 89}, SColour{118, 124, 130}));
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, FACE_RADIUS, 0.0, 2.0 * M_PI);
    painter.setColour(SColour{22, 24, 27, 200});
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);

    // Pointer: a bright line from near the centre to the skirt.
    const double a = radians(angle);
    const double dx = std::sin(a);
    const double dy = -std::cos(a);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    painter.drawLine(cx + dx * POINTER_INNER, cy + dy * POINTER_INNER, cx + dx * POINTER_OUTER, cy + dy * POINTER_OUTER,
                     SColour{0, 0, 0, 90}, 3.4);
    painter.drawLine(cx + dx * POINTER_INNER, cy + dy * POINTER_INNER, cx + dx * POINTER_OUTER, cy + dy * POINTER_OUTER,
                     SColour{250, 252, 252}, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

cairo_surface_t* CKnobArtwork::createStrip()
{
    const int size = CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE;
    const int frames = CArtworkLayout::CARTWORKLAYOUT_KNOB_FRAMES;
    cairo_surface_t* strip = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size * frames);
    cairo_t* cr = cairo_create(strip);
    CPainter painter(cr);
    for (int frame = 0; frame < frames; ++frame) {
        // Each frame is clipped to its own square so nothing bleeds into its neighbours.
        cairo_save(cr);
        cairo_rectangle(cr, 0, frame * size, size, size);
        cairo_clip(cr);
        drawKnob(painter, 0.0, frame * size, frame / static_cast<double>(frames - 1));
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    return strip;
}

}  // namespace Corvane::CorGain::Artwork
