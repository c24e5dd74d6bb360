#pragma once

#include "CArtworkPicture.hpp"

#include <string>
#include <vector>

namespace Corvane::CorGain::Artwork {

// Renders the editor's six pictures and writes them as PNG files, each in its own size and
// in the larger sets that screens which scale draw from ("knob@2x.png" beside "knob.png",
// twice as large each way: the toolkit's naming of larger sets, CBaseImage::getLargerSetPath).
class CArtworkWriter {
public:
    // The file names the editor reads from its resource folder.
    static std::vector<std::string> fileNames();
    // The factors of the larger sets written beside them.
    static std::vector<int> largerSets();
    // A new picture (for the caller to hold) of the file of that name at that scale; null for another name.
    static CArtworkPicture::CRGBAImage* render(const std::string& fileName, int scale);
    // Writes every picture, and every larger set, into `folder`. On the first failure answers
    // false and puts the file and the reason into `error`; files already written stay.
    static bool writeAll(const std::string& folder, std::string& error);
};

}  // namespace Corvane::CorGain::Artwork
