// tenvira-lv2-turtle BUNDLE_DIR DSP_BINARY [UI_BINARY]
// Writes manifest.ttl, Tenvira.ttl and presets.ttl of the LV2 bundle; run by the build.
#include "CCorGainTurtle.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

namespace {

void write(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s BUNDLE_DIR DSP_BINARY [UI_BINARY]\n", argv[0]);
        return 2;
    }
    try {
        using Tenvira::Lv2Turtle::CCorGainTurtle;
        const CCorGainTurtle turtle(argv[2], argc > 3 ? argv[3] : "");
        const std::string bundle = std::string(argv[1]) + "/";
        write(bundle + "manifest.ttl", turtle.manifest());
        write(bundle + CCorGainTurtle::CCORGAINTURTLE_PLUGIN_FILE, turtle.plugin());
        write(bundle + CCorGainTurtle::CCORGAINTURTLE_PRESETS_FILE, turtle.presets());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
