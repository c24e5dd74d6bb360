// The LV2 module's one exported function. Everything else in the module is hidden.
#include "CCorGainLv2.hpp"

#include "basics/CClass.hpp"

#include <lv2/core/lv2.h>

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index);

namespace {

// The framework's class records register with a manager as the module is
// loaded; the manager goes when the module is unloaded, as hosts unload
// modules they have scanned.
struct SModuleLifetime {
    SModuleLifetime() = default;
    ~SModuleLifetime() { Corvane::Basics::CClass::deleteClassManager(nullptr); }
};

SModuleLifetime moduleLifetime;

}  // namespace

const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    using namespace Corvane;
    static const LV2_Descriptor descriptor =
        Lv2::TLv2Descriptor<CorGain::CCorGainLv2>::make(CorGain::CCorGainLv2Ports::CCORGAINLV2PORTS_URI);
    return index == 0 ? &descriptor : nullptr;
}
