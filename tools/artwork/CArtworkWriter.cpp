#include "CArtworkWriter.hpp"

#include "CBackgroundArtwork.hpp"
#include "CButtonArtwork.hpp"
#include "CInfoButtonArtwork.hpp"
#include "CKnobArtwork.hpp"
#include "CSplashArtwork.hpp"

#include <cairo.h>

namespace Corvane::CorGain::Artwork {

namespace {

struct SPicture {
    const char* fileName;
    cairo_surface_t* (*render)();
};

cairo_surface_t* renderButtonUp()
{
    return CButtonArtwork::createButton(false);
}
cairo_surface_t* renderButtonDown()
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
        cairo_surface_t* surface = picture.render();
        cairo_status_t status = cairo_surface_status(surface);
        if (status == CAIRO_STATUS_SUCCESS) {
            status = cairo_surface_write_to_png(surface, path.c_str());
        }
        cairo_surface_destroy(surface);
        if (status != CAIRO_STATUS_SUCCESS) {
            error = path + ": " + cairo_status_to_string(status);
            return false;
        }
    }
    return true;
}

}  // namespace Corvane::CorGain::Artwork
