#include "CArtworkWriter.hpp"

#include "CBackgroundArtwork.hpp"
#include "CButtonArtwork.hpp"
#include "CInfoButtonArtwork.hpp"
#include "CKnobArtwork.hpp"
#include "CSplashArtwork.hpp"

#include "collections/TAutomaticPointer.hpp"

namespace Corvane::CorGain::Artwork {

namespace {

using CRGBAImage = CArtworkPicture::CRGBAImage;

struct SPicture {
    const char* fileName;
    CRGBAImage* (*render)();
};

CRGBAImage* renderButtonUp()
{
    return CButtonArtwork::createButton(false);
}
CRGBAImage* renderButtonDown()
{
    return CButtonArtwork::createButton(true);
}

constexpr SPicture PICTURES[] = {
    {"Background.png", &CBackgroundArtwork::createBackground},
    {"knob.png", &CKnobArtwork::createStrip},
    {"buttonUp.png", &renderButtonUp},
    {"buttonDown.png", &renderButtonDown},
    {"infopro.png", &CInfoButtonArtwork::createButton},
    {"splash.png", &CSplashArtwork::createSplash},
};

}  // namespace

std::vector<std::string> CArtworkWriter::fileNames()
{
    std::vector<std::string> names;
    for (const SPicture& picture : PICTURES) {
        names.emplace_back(picture.fileName);
    }
    return names;
}

bool CArtworkWriter::writeAll(const std::string& folder, std::string& error)
{
    for (const SPicture& picture : PICTURES) {
        const std::string path = folder + "/" + picture.fileName;
        Corvane::Collections::TAutomaticPointer<CRGBAImage> image;
        image = picture.render();
        if (!image->hasImageLoaded()) {
            error = path + ": the picture could not be drawn";
            return false;
        }
        if (!image->writeToPNG(path.c_str())) {
            error = path + ": the file could not be written";
            return false;
        }
    }
    return true;
}

}  // namespace Corvane::CorGain::Artwork
