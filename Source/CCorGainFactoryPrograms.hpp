// The ten factory programs: their names and their twenty normalised values,
// as every plug-in format offers them (VST programs, LV2 presets).
#pragma once

#include "SCorGainParameter.hpp"

namespace Corvane { namespace CorGain {

class CCorGainFactoryPrograms {
public:
    static constexpr int CCORGAINFACTORYPROGRAMS_COUNT = 10;

    // Program must be 0..9.
    static const char* getName(int program);
    // Twenty values, indexed by parameter; program must be 0..9.
    static const float* getValues(int program);

    CCorGainFactoryPrograms() = delete;
};

}}  // namespace Corvane::CorGain
