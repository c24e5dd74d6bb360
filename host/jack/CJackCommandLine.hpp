#pragma once

#include "SJackOptions.hpp"

#include <string>
#include <vector>

namespace Tenvira { namespace Jack {

/** Parses tenvira-jack's command line. Malformed input raises Render::CUsageError. */
class CJackCommandLine {
public:
    static SJackOptions parse(const std::vector<std::string>& arguments);

    /** "PORT,PORT", or one "PORT" for both sides of the pair; `option` names it in the error. */
    static SPortPair parsePortPair(const std::string& text, const std::string& option);

    static std::string helpText(const std::string& defaultPlugin, const std::string& defaultState);
};

}}  // namespace Tenvira::Jack
