#pragma once

#include <string>
#include <vector>

namespace Corvane::CorGain::Artwork {

// Renders the editor's six pictures and writes them as PNG files.
class CArtworkWriter {
public:
    // The file names the editor reads from its resource folder.
    static std::vector<std::string> fileNames();
    // Writes every picture into `folder`. On the first failure answers false and puts the
    // file and the reason into `error`; files already written stay.
    static bool writeAll(const std::string& folder, std::string& error);
};

}  // namespace Corvane::CorGain::Artwork
