// corvane-gallery [--resources FOLDER] [--seconds N] [--snapshot OUT.png]
// Opens a window with one of each editor control, each showing its value in a
// label, and serves it until it is closed: the toolkit to try by hand. With
// --snapshot it paints the window's content into a PNG instead, without a display.
#include "CGallery.hpp"

#include "gui/CvnGUI.hpp"
#include "host/CvnCore.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifndef CORVANE_GALLERY_RESOURCE_DIR
#define CORVANE_GALLERY_RESOURCE_DIR "."
#endif

namespace {

int usage(const char* program)
{
    std::fprintf(stderr, "usage: %s [--resources FOLDER] [--seconds N] [--snapshot OUT.png]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string resources = CORVANE_GALLERY_RESOURCE_DIR;
    std::string snapshot;
    double seconds = 0.0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--resources") == 0 && i + 1 < argc) {
            resources = argv[++i];
        } else if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (std::strcmp(argv[i], "--snapshot") == 0 && i + 1 < argc) {
            snapshot = argv[++i];
        } else {
            return usage(argv[0]);
        }
    }

    Corvane::CvnCore::start("Tolvek Orvasse Audio", "Corvane gallery", "Corvane controls", "1.0.0",
                            "com.TOA.CorvaneGallery", "", nullptr);
    Corvane::CvnGUI::start();
    int result = 0;
    {
        Corvane::Gallery::CGallery gallery(resources.c_str());
        if (!snapshot.empty()) {
            result = gallery.writeSnapshot(snapshot.c_str()) ? 0 : 1;
        } else if (gallery.open()) {
            gallery.run(seconds);
        } else {
            std::fprintf(stderr, "%s: no display to open the window on (is DISPLAY set?)\n", argv[0]);
            result = 1;
        }
    }
    Corvane::CvnGUI::stop();
    Corvane::CvnCore::stop(nullptr);
    return result;
}
