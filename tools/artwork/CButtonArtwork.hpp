#pragma once

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// The switch button, B in size: a dark key with a lamp that is unlit (up) or lit (down).
class CButtonArtwork {
public:
    // A new ARGB surface with the button; the caller destroys it.
    static cairo_surface_t* createButton(bool lit);
};

}  // namespace Corvane::CorGain::Artwork
