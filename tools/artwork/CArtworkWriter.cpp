#include "CArtworkWriter.hpp"

#include "CBackgroundArtwork.hpp"
#include "CButtonArtwork.hpp"
#include "CInfoButtonArtwork.hpp"
#include "CKnobArtwork.hpp"
#include "CSplashArtwork.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/graphics/CBaseImage.hpp"

#include <iterator>

namespace Corvane::CorGain::Artwork {

namespace {

using CRGBAImage = CArtworkPicture::CRGBAImage;

struct SPicture {
    const char* fileName;
    CRGBAImage* (*render)(int scale);
};

CRGBAImage* renderButtonUp(int scale)
{
    return CButtonArtwork::createButton(false, scale);
}
CRGBAImage* renderButtonDown(int scale)
{
    return CButtonArtwork::createButton(true, scale);
}

constexpr SPicture PICTURES[] = {
    {"Background.png", &CBackgroundArtwork::createBackground},
    {"knob.png", &CKnobArtwork::createStrip},
    {"buttonUp.png", &renderButtonUp},
    {"buttonDown.png", &renderButtonDown},
    {"infopro.png", &CInfoButtonArtwork::createButton},
    {"splash.png", &CSplashArtwork::createSplash},
};

// Twice the size is what a 200 % screen shows; 125 % to 175 % draw from it too, finer than from
// the pictures' own size. Screens above 200 % draw it a little enlarged.
constexpr int LARGER_SETS[] = {2};

bool write(const SPicture& picture, const std::string& path, int scale, std::string& error)
{
    Corvane::Collections::TAutomaticPointer<CRGBAImage> image;
    image = picture.render(scale);
    if (!image->hasImageLoaded()) {
        error = path + ": the picture could not be drawn";
        return false;
    }
    if (!image->writeToPNG(path.c_str())) {
        error = path + ": the file could not be written";
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> CArtworkWriter::fileNames()
{
    std::vector<std::string> names;
    for (const SPicture& picture : PICTURES) {
        names.emplace_back(picture.fileName);
    }
    return names;
}

std::vector<int> CArtworkWriter::largerSets()
{
    return std::vector<int>(std::begin(LARGER_SETS), std::end(LARGER_SETS));
}

CRGBAImage* CArtworkWriter::render(const std::string& fileName, int scale)
{
    for (const SPicture& picture : PICTURES) {
        if (fileName == picture.fileName) {
            return picture.render(scale);
        }
    }
    return nullptr;
}

bool CArtworkWriter::writeAll(const std::string& folder, std::string& error)
{
    for (const SPicture& picture : PICTURES) {
        const std::string path = folder + "/" + picture.fileName;
        if (!write(picture, path, 1, error)) {
            return false;
        }
        for (int scale : LARGER_SETS) {
            if (!write(picture, Corvane::GUI::Graphics::CBaseImage::getLargerSetPath(path.c_str(), scale).getString(),
                       scale, error)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace Corvane::CorGain::Artwork
