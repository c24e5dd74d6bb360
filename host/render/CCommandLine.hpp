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
    /** Parses a whole number within minimum..maximum; `what` names it in the error. */
    static long parseWholeNumber(const std::string& text, const std::string& what, long minimum, long maximum);
    /** Parses the block size: a whole number within 1..MAX_BLOCK_SIZE. */
    static int parseBlockSize(const std::string& text);
    /**
     * Parses NAME_OR_INDEX=VALUE into a normalised value: a bare number within
     * 0..1 as it stands, anything else in Tenvira's units (CParameterUnits).
     */
    static SParameterSetting parseSetting(const std::string& text);

    static std::string helpText(const std::string& defaultPlugin);

    static constexpr int MAX_BLOCK_SIZE = 65536;
};

}}  // namespace Tenvira::Render
