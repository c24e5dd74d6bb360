#include "CPainter.hpp"

#include <cmath>
#include <string>

namespace Corvane::CorGain::Artwork {

namespace {

double channel(int value)
{
    return value / 255.0;
}

}  // namespace

CPainter::CPainter(cairo_t* context) : m_context(context) {}

void CPainter::setColour(const SColour& colour)
{
    cairo_set_source_rgba(m_context, channel(colour.red), channel(colour.green), channel(colour.blue),
                          channel(colour.alpha));
}

void CPainter::roundedRectanglePath(double left, double top, double width, double height, double radius)
{
    const double r = std::fmin(radius, std::fmin(width, height) / 2.0);
    const double right = left + width;
    const double bottom = top + height;
    cairo_new_sub_path(m_context);
    cairo_arc(m_context, right - r, top + r, r, -M_PI / 2.0, 0.0);
    cairo_arc(m_context, right - r, bottom - r, r, 0.0, M_PI / 2.0);
    cairo_arc(m_context, left + r, bottom - r, r, M_PI / 2.0, M_PI);
    cairo_arc(m_context, left + r, top + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(m_context);
}

void CPainter::fillRoundedRectangle(double left, double top, double width, double height, double radius,
                                    const SColour& colour)
{
    roundedRectanglePath(left, top, width, height, radius);
    setColour(colour);
    cairo_fill(m_context);
}

void CPainter::fillRoundedGradient(double left, double top, double width, double height, double radius,
                                   const SColour& topColour, const SColour& bottomColour)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0.0, top, 0.0, top + height);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, channel(topColour.red), channel(topColour.green),
                                      channel(topColour.blue), channel(topColour.alpha));
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, channel(bottomColour.red), channel(bottomColour.green),
                                      channel(bottomColour.blue), channel(bottomColour.alpha));
    roundedRectanglePath(left, top, width, height, radius);
    cairo_set_source(m_context, gradient);
    cairo_fill(m_context);
    cairo_pattern_destroy(gradient);
}

void CPainter::strokeRoundedRectangle(double left, double top, double width, double height, double radius,
                                      const SColour& colour, double lineWidth)
{
    roundedRectanglePath(left, top, width, height, radius);
    setColour(colour);
    cairo_set_line_width(m_context, lineWidth);
    cairo_stroke(m_context);
}

void CPainter::fillCircle(double centreX, double centreY, double radius, const SColour& colour)
{
    cairo_new_sub_path(m_context);
    cairo_arc(m_context, centreX, centreY, radius, 0.0, 2.0 * M_PI);
    setColour(colour);
    cairo_fill(m_context);
}

void CPainter::fillGlow(double centreX, double centreY, double radius, const SColour& colour)
{
    cairo_pattern_t* glow = cairo_pattern_create_radial(centreX, centreY, 0.0, centreX, centreY, radius);
    cairo_pattern_add_color_stop_rgba(glow, 0.0, channel(colour.red), channel(colour.green), channel(colour.blue),
                                      channel(colour.alpha));
    cairo_pattern_add_color_stop_rgba(glow, 1.0, channel(colour.red), channel(colour.green), channel(colour.blue), 0.0);
    cairo_new_sub_path(m_context);
    cairo_arc(m_context, centreX, centreY, radius, 0.0, 2.0 * M_PI);
    cairo_set_source(m_context, glow);
    cairo_fill(m_context);
    cairo_pattern_destroy(glow);
}

void CPainter::drawLine(double x1, double y1, double x2, double y2, const SColour& colour, double lineWidth)
{
    cairo_move_to(m_context, x1, y1);
    cairo_line_to(m_context, x2, y2);
    setColour(colour);
    cairo_set_line_width(m_context, lineWidth);
    cairo_stroke(m_context);
}

void CPainter::setFont(const char* family, double size, bool bold)
{
    cairo_select_font_face(m_context, family, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(m_context, size);
    // Unhinted metrics keep letter-spaced captions evenly spaced.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
}

double CPainter::textWidth(const char* text, double spacing)
{
    if (spacing == 0.0) {
        cairo_text_extents_t extents;
        cairo_text_extents(m_context, text, &extents);
        return extents.x_advance;
    }
    double width = 0.0;
    std::size_t count = 0;
    for (const char* c = text; *c != '\0'; ++c, ++count) {
        const char glyph[2] = {*c, '\0'};
        cairo_text_extents_t extents;
        cairo_text_extents(m_context, glyph, &extents);
        width += extents.x_advance;
    }
    return count > 1 ? width + spacing * static_cast<double>(count - 1) : width;
}

void CPainter::drawText(const char* text, double x, double baseline, EAlign align, const SColour& colour,
                        double spacing)
{
    double left = x;
    if (align != EAlign::Left) {
        const double width = textWidth(text, spacing);
        left = align == EAlign::Centre ? x - width / 2.0 : x - width;
    }
    setColour(colour);
    if (spacing == 0.0) {
        cairo_move_to(m_context, left, baseline);
        cairo_show_text(m_context, text);
        return;
    }
    for (const char* c = text; *c != '\0'; ++c) {
        const char glyph[2] = {*c, '\0'};
        cairo_text_extents_t extents;
        cairo_text_extents(m_context, glyph, &extents);
        cairo_move_to(m_context, left, baseline);
        cairo_show_text(m_context, glyph);
        left += extents.x_advance + spacing;
    }
}

void CPainter::drawTextInBox(const char* text, double left, double top, double width, double height, EAlign align,
                             const SColour& colour)
{
    cairo_font_extents_t font;
    cairo_font_extents(m_context, &font);
    const double baseline = top + (height - (font.ascent + font.descent)) / 2.0 + font.ascent;
    const double x = align == EAlign::Centre ? left + width / 2.0 : left;
    drawText(text, x, baseline, align == EAlign::Centre ? EAlign::Centre : EAlign::Left, colour);
}

}  // namespace Corvane::CorGain::Artwork
