// The LV2 UI module's one exported function. Everything else in the module is hidden.
#include "CCorGainFramework.hpp"
#include "CCorGainLv2Ports.hpp"
#include "CCorGainLv2Ui.hpp"

LV2_SYMBOL_EXPORT const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index);

namespace {

// The framework starts as the module is loaded and stops as it is unloaded, as hosts unload modules they
// have used. A module whose framework could not start offers no UI.
struct SModuleLifetime {
    SModuleLifetime()
    {
        try {
            Corvane::CorGain::CCorGainFramework::start();
            started = true;
        } catch (...) {
            // Nothing may leave a module initialiser: the host would die while loading.
        }
    }
    ~SModuleLifetime() { Corvane::CorGain::CCorGainFramework::stop(); }

    bool started = false;
};

SModuleLifetime moduleLifetime;

}  // namespace

const LV2UI_Descriptor* lv2ui_descriptor(uint32_t index)
{
    using namespace Corvane;
    static const LV2UI_Descriptor descriptor =
        Lv2::TLv2UiDescriptor<CorGain::CCorGainLv2Ui>::make(CorGain::CCorGainLv2Ports::CCORGAINLV2PORTS_UI_URI);
    return index == 0 && moduleLifetime.started ? &descriptor : nullptr;
}
