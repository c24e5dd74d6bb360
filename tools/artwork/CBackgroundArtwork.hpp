#pragma once

#include "CArtworkLayout.hpp"
#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

// The editor's panel: header, titled sections, control captions, knob scales, button
// bezels, the light plates under the value labels and the meter's well with its scale.
class CBackgroundArtwork : public CArtworkPicture {
public:
    // A new opaque picture of the panel's size; the caller holds it.
    static CRGBAImage* createBackground(int scale);

private:
    explicit CBackgroundArtwork(int scale);

    void drawPanel();
    void drawHeader();
    void drawSection(const SSectionPlacement& section);
    void drawControlSeat(const SControlPlacement& control);
    void drawCaption(const SControlPlacement& control);
    void drawPlate(const SControlPlacement& control);
    void drawMeterWell();

    CFont m_captionFont;
    CFont m_titleFont;
};

}  // namespace Corvane::CorGain::Artwork
