#pragma once

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

// The small information button in the editor's top-left corner, I in size. The editor
// writes "info" over it in black, so the face is light.
class CInfoButtonArtwork {
public:
    // A new ARGB surface with the button; the caller destroys it.
    static cairo_surface_t* createButton();
};

}  // namespace Corvane::CorGain::Artwork
