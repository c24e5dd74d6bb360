// The effect's twenty parameter objects, made in one place so that the
// effect and its editor describe every parameter alike.
#pragma once

#include "CVstParam.hpp"

namespace Corvane { namespace CorGain {

class CCorGainParameterFactory {
public:
    // A new object (count 0) with the name, unit label, range, default and display of parameter index;
    // null for an index outside 0..19.
    static CVstParam* createParameter(int index);

    CCorGainParameterFactory() = delete;
};

}}  // namespace Corvane::CorGain
