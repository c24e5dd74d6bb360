#pragma once

#include "SRenderOptions.hpp"

#include <string>
#include <vector>

namespace Tenvira { namespace Editor {

/** Everything tenvira-editor's command line asks for. */
struct SEditorOptions {
    std::string plugin;   ///< empty: the plug-in of the build tree
    std::string program;  ///< number or name; empty keeps the effect's own
    std::vector<Render::SParameterSetting> settings;
    std::string snapshot;  ///< empty: run until the window is closed
    long afterMilliseconds = DEFAULT_AFTER_MILLISECONDS;
    bool help = false;

    static constexpr long DEFAULT_AFTER_MILLISECONDS = 500;
    static constexpr long MAX_AFTER_MILLISECONDS = 3600000;
};

}}  // namespace Tenvira::Editor
