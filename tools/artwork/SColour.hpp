#pragma once

namespace Corvane::CorGain::Artwork {

// An 8-bit RGBA colour; alpha 255 is opaque.
struct SColour {
    int red;
    int green;
    int blue;
    int alpha = 255;

    constexpr SColour withAlpha(int newAlpha) const { return SColour{red, green, blue, newAlpha}; }
};

}  // namespace Corvane::CorGain::Artwork
