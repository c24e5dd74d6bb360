// tenvira-artwork OUTPUT_FOLDER: writes the editor's pictures into the bundle's resource folder.
#include "CArtworkWriter.hpp"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    std::string error;
    const bool written = Corvane::CorGain::Artwork::CArtworkWriter::writeAll(argv[1], error);
    cairo_debug_reset_static_data();
    FcFini();
    if (!written) {
        std::fprintf(stderr, "tenvira-artwork: cannot write %s\n", error.c_str());
        return 1;
    }
    return 0;
}
