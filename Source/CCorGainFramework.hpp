// The framework started and stopped with Tenvira's identity, once per module
// load and unload, in every module that shows the editor (the VST plug-in,
// the LV2 UI). Neither needs a display.
#pragma once

namespace Corvane { namespace CorGain {

class CCorGainFramework {
public:
    static constexpr const char* CCORGAINFRAMEWORK_VERSION = "1.0.0";

    // The core (identity, install path), then the GUI toolkit (default font,
    // image manager). Throws CException when the core cannot start.
    static void start();
    // The core, then the GUI toolkit; whatever either says, both are stopped and nothing is thrown.
    static void stop();

    CCorGainFramework() = delete;
};

}}  // namespace Corvane::CorGain
