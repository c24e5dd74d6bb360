// tenvira-artwork-preview OUT.png [--value V] [--resources FOLDER]
// Composes the editor as it looks with every knob and the meter at V (default 0.5).
#include "CPreviewComposer.hpp"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#ifndef TENVIRA_ARTWORK_RESOURCE_DIR
#define TENVIRA_ARTWORK_RESOURCE_DIR "."
#endif

namespace {

int usage(const char* program)
{
    std::fprintf(stderr, "usage: %s OUT.png [--value V] [--resources FOLDER]\n", program);
    return 2;
}

bool parseValue(const char* text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value >= 0.0 && value <= 1.0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string output;
    std::string folder = TENVIRA_ARTWORK_RESOURCE_DIR;
    double value = 0.5;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--value") == 0 && i + 1 < argc) {
            if (!parseValue(argv[++i], value)) {
                std::fprintf(stderr, "%s: the value must be a number from 0 to 1\n", argv[0]);
                return 2;
            }
        } else if (std::strcmp(argv[i], "--resources") == 0 && i + 1 < argc) {
            folder = argv[++i];
        } else if (argv[i][0] != '-' && output.empty()) {
            output = argv[i];
        } else {
            return usage(argv[0]);
        }
    }
    if (output.empty()) {
        return usage(argv[0]);
    }

    std::string error;
    bool composed = false;
    {
        Corvane::CorGain::Artwork::CPreviewComposer composer(folder, value);
        composed = composer.compose(output, error);
    }
    cairo_debug_reset_static_data();
    FcFini();
    if (!composed) {
        std::fprintf(stderr, "tenvira-artwork-preview: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
