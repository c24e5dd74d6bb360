#pragma once

#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

// The knob strip: 63 frames of K x K stacked top to bottom, value 0 in the top frame.
class CKnobArtwork : public CArtworkPicture {
public:
    // A new picture with alpha of the whole strip; the caller holds it.
    static CRGBAImage* createStrip(int scale);

private:
    explicit CKnobArtwork(int scale);
    // Draws one knob at value (0..1) with its top-left corner at (left, top).
    void drawKnob(double left, double top, double value);
};

}  // namespace Corvane::CorGain::Artwork
