#pragma once

#include "SRenderOptions.hpp"

#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/** Parses the renderer's command line. Malformed input raises CUsageError. */
class CCommandLine {
public:
    static SRenderOptions parse(const std::vector<std::string>& arguments);
    static SRenderOptions parse(int argc, char** argv);

    /** Parses a normalised value: a finite number within 0..1. */
    static float parseNormalised(const std::string& text, const std::string& what);
    /** Parses the block size: a whole number within 1..MAX_BLOCK_SIZE. */
    static int parseBlockSize(const std::string& text);

    static std::string helpText(const std::string& defaultPlugin);

    static constexpr int MAX_BLOCK_SIZE = 65536;
};

}}  // namespace Tenvira::Render
