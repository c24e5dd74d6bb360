#pragma once

#include "SEditorOptions.hpp"

#include <string>
#include <vector>

namespace Tenvira { namespace Editor {

/** Parses tenvira-editor's command line. Malformed input raises Render::CUsageError. */
class CEditorCommandLine {
public:
    static SEditorOptions parse(const std::vector<std::string>& arguments);
    static std::string helpText(const std::string& defaultPlugin);
};

}}  // namespace Tenvira::Editor
