#pragma once

#include "CArtworkPicture.hpp"

namespace Corvane::CorGain::Artwork {

// The small information button in the editor's top-left corner, I in size. The editor
// writes "info" over it in black, so the face is light.
class CInfoButtonArtwork : public CArtworkPicture {
public:
    // A new picture with alpha of the button; the caller holds it.
    static CRGBAImage* createButton(int scale);

private:
    explicit CInfoButtonArtwork(int scale);
};

}  // namespace Corvane::CorGain::Artwork
