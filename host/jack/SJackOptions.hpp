#pragma once

#include "SRenderOptions.hpp"

#include <string>
#include <vector>

namespace Tenvira { namespace Jack {

/** Two JACK ports named on the command line for a stereo pair; empty when none were named. */
struct SPortPair {
    std::string left;
    std::string right;

    bool isSet() const { return !left.empty(); }
};

/** Everything tenvira-jack's command line asks for. */
struct SJackOptions {
    std::string plugin;   ///< empty: the plug-in found beside the program or in the build tree
    std::string program;  ///< number or name; empty keeps the saved one
    std::vector<Render::SParameterSetting> settings;
    std::string stateFile;  ///< empty: the file under the user's configuration folder
    bool connect = false;   ///< main pair from the first capture ports, outputs to the first playback ports
    SPortPair in;
    SPortPair key;
    SPortPair out;
    bool gui = true;
    bool help = false;
};

}}  // namespace Tenvira::Jack
