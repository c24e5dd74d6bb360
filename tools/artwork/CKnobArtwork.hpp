#pragma once

#include "CPainter.hpp"

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// The knob strip: 63 frames of K x K stacked top to bottom, value 0 in the top frame.
class CKnobArtwork {
public:
    // Draws one knob at `value` (0..1) with its top-left corner at (left, top).
    static void drawKnob(CPainter& painter, double left, double top, double value);
    // A new ARGB surface with the whole strip; the caller destroys it.
    static cairo_surface_t* createStrip();
};

}  // namespace Corvane::CorGain::Artwork
