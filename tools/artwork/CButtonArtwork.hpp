#pragma once

#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

// The switch button, B in size: a dark key with a lamp that is unlit (up) or lit (down).
class CButtonArtwork : public CArtworkPicture {
public:
    // A new picture with alpha of the button; the caller holds it.
    static CRGBAImage* createButton(bool lit, int scale);

private:
    explicit CButtonArtwork(int scale);
    void draw(bool lit);
};

}  // namespace Corvane::CorGain::Artwork
