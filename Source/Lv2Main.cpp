// The LV2 module's one exported function. Everything else in the module is hidden.
#include "CCorGainLv2.hpp"

#include <lv2/core/lv2.h>

LV2_SYMBOL_EXPORT const LV2_Descriptor* lv2_descriptor(uint32_t index);

const LV2_Descriptor* lv2_descriptor(uint32_t index)
{
    using namespace Corvane;
    static const LV2_Descriptor descriptor =
        Lv2::TLv2Descriptor<CorGain::CCorGainLv2>::make(CorGain::CCorGainLv2Ports::CCORGAINLV2PORTS_URI);
    return index == 0 ? &descriptor : nullptr;
}
