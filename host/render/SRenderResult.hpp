#pragma once

#include "CLevelTrack.hpp"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace Tenvira { namespace Render {

/** What one render did and measured. */
struct SRenderResult {
    explicit SRenderResult(int windowFrames) : input(windowFrames), output(windowFrames), alignedOutput(windowFrames) {}

    CLevelTrack input;          ///< the main input as fed to the effect
    CLevelTrack output;         ///< the output as written to the file
    CLevelTrack alignedOutput;  ///< the output shifted by the latency, sample for sample with the input

    int sampleRate = 0;
    std::int64_t frames = 0;  ///< input length; the output has the same length
    int latency = 0;          ///< reported initial delay after resume, samples
    bool aligned = false;
    int program = -1;  ///< selected program, -1 when none was asked for
    std::string programName;
    std::vector<std::pair<int, float>> parameters;  ///< --set values as applied, by index
    std::vector<std::string> parameterNames;        ///< names the effect reported
    int outputFormat = 0;
};

}}  // namespace Tenvira::Render
