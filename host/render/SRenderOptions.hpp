#pragma once

#include <string>
#include <vector>

namespace Tenvira { namespace Render {

/** One `--set KEY=VALUE`: the key is resolved against the effect's names later. */
struct SParameterSetting {
    std::string key;
    float value = 0.0f;
};

/** Everything the command line asks for. */
struct SRenderOptions {
    std::string input;  ///< empty: render the demo signal
    std::string output;
    std::string sidechain;
    std::string plot;
    std::string plugin;
    std::string demoDir = "tenvira-demo";
    std::string program;  ///< number or name; empty keeps the effect's own
    std::vector<SParameterSetting> settings;
    int blockSize = 512;
    bool align = false;
    bool progress = true;
    bool help = false;

    bool isDemo() const { return input.empty(); }
};

}}  // namespace Tenvira::Render
