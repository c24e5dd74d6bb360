#pragma once

#include "CArtworkLayout.hpp"
#include "CPainter.hpp"

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// The editor's panel: header, titled sections, control captions, knob scales, button
// bezels, the light plates under the value labels and the meter's well with its scale.
class CBackgroundArtwork {
public:
    // A new opaque surface of the panel's size; the caller destroys it.
    static cairo_surface_t* createBackground();

private:
    static void drawPanel(cairo_surface_t* surface, CPainter& painter);
    static void drawHeader(CPainter& painter);
    static void drawSection(CPainter& painter, const SSectionPlacement& section);
    static void drawControlSeat(CPainter& painter, const SControlPlacement& control);
    static void drawCaption(CPainter& painter, const SControlPlacement& control);
    static void drawPlate(CPainter& painter, const SControlPlacement& control);
    static void drawMeterWell(CPainter& painter);
};

}  // namespace Corvane::CorGain::Artwork
