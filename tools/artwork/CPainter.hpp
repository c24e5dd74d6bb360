#pragma once

#include "SColour.hpp"

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// Drawing helpers over a Cairo context: rounded boxes, gradients and text.
class CPainter {
public:
    enum class EAlign {
        Left,
        Centre,
        Right
    };

    explicit CPainter(cairo_t* context);

    cairo_t* context() const { return m_context; }

    void setColour(const SColour& colour);
    void roundedRectanglePath(double left, double top, double width, double height, double radius);
    void fillRoundedRectangle(double left, double top, double width, double height, double radius,
                              const SColour& colour);
    // A vertical gradient from `topColour` to `bottomColour`.
    void fillRoundedGradient(double left, double top, double width, double height, double radius,
                             const SColour& topColour, const SColour& bottomColour);
    void strokeRoundedRectangle(double left, double top, double width, double height, double radius,
                                const SColour& colour, double lineWidth);
    void fillCircle(double centreX, double centreY, double radius, const SColour& colour);
    // A soft disc: `colour` at the centre fading to transparent at `radius`.
    void fillGlow(double centreX, double centreY, double radius, const SColour& colour);
    void drawLine(double x1, double y1, double x2, double y2, const SColour& colour, double lineWidth);

    void setFont(const char* family, double size, bool bold);
    // Advance width of `text` in the current font, `spacing` added after every character but the last.
    double textWidth(const char* text, double spacing = 0.0);
    // Draws `text` with its baseline at `baseline`; `x` is its left, centre or right by `align`.
    void drawText(const char* text, double x, double baseline, EAlign align, const SColour& colour,
                  double spacing = 0.0);
    // Draws `text` vertically centred in the box, aligned left within it or centred.
    void drawTextInBox(const char* text, double left, double top, double width, double height, EAlign align,
                       const SColour& colour);

private:
    cairo_t* m_context;
};

}  // namespace Corvane::CorGain::Artwork
