#pragma once

#include <string>

namespace Corvane::CorGain::Artwork {

// Sample value-label texts for the preview: what the editor shows for a parameter index
// at a normalised value, with the units and formats of its labels.
class CPreviewValueText {
public:
    // `on` chooses the text of the on/off parameters; `value` drives the others.
    static std::string text(int parameter, double value, bool on);
};

}  // namespace Corvane::CorGain::Artwork
