#pragma once

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// The about picture shown centred on the screen by the information button.
class CSplashArtwork {
public:
    // A new opaque surface with the picture; the caller destroys it.
    static cairo_surface_t* createSplash();
};

}  // namespace Corvane::CorGain::Artwork
