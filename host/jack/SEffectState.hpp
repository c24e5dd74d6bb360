#pragma once

#include <vector>

namespace Tenvira { namespace Jack {

/** What tenvira-jack remembers between runs: the program and every parameter's host value. */
struct SEffectState {
    int program = 0;
    std::vector<float> values;  ///< normalised 0..1, one per parameter in index order
};

}}  // namespace Tenvira::Jack
