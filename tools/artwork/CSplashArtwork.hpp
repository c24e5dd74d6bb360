#pragma once

#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

// The about picture shown centred on the screen by the information button.
class CSplashArtwork : public CArtworkPicture {
public:
    // A new opaque picture; the caller holds it.
    static CRGBAImage* createSplash(int scale);

private:
    explicit CSplashArtwork(int scale);
    void drawTransferCurve(double left, double top, double size);
};

}  // namespace Corvane::CorGain::Artwork
