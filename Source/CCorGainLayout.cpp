#include "CCorGainLayout.hpp"

namespace Corvane { namespace CorGain {

namespace {

using K = EControlKind;

// Positions are left and top in pixels.
constexpr SControlLayout CONTROLS[] = {
    {K::InfoButton, 22, 0, 0, false, 0, 0, nullptr},
    {K::Knob, 0, 410, 405, true, 395, 440, nullptr},              // Master
    {K::Knob, 5, 332, 405, true, 332, 440, nullptr},              // Mix
    {K::Knob, 1, 20, 80, true, 10, 115, nullptr},                 // Threshold
    {K::Knob, 2, 100, 80, true, 90, 115, nullptr},                // Ratio
    {K::Knob, 3, 175, 80, true, 164, 115, nullptr},               // Attack
    {K::Knob, 4, 252, 80, true, 241, 115, nullptr},               // Release
    {K::Knob, 13, 331, 80, true, 320, 115, nullptr},              // Soft-Knee
    {K::Knob, 6, 20, 190, true, 10, 225, nullptr},                // EQ Low
    {K::Knob, 7, 100, 190, true, 90, 225, nullptr},               // EQ Mid
    {K::Knob, 8, 175, 190, true, 164, 225, nullptr},              // EQ High
    {K::Knob, 15, 252, 190, true, 250, 225, nullptr},             // Mid/Side
    {K::LatchingButton, 10, 331, 190, true, 325, 225, "Output"},  // Monitor
    {K::LatchingButton, 11, 252, 405, true, 255, 441, "Output"},  // MakeUpGain
    {K::PopupButton, 14, 175, 405, true, 170, 440, "Valve"},      // Valve Modelling
    {K::PopupButton, 12, 20, 405, true, 20, 440, "SC Input"},     // Key Input
    {K::LatchingButton, 9, 100, 405, true, 90, 440, "Output"},    // SideChain
    {K::Knob, 18, 20, 299, true, 10, 334, nullptr},               // limiter Threshold
    {K::Knob, 19, 100, 299, true, 90, 334, nullptr},              // LimitCeil
    {K::Knob, 17, 175, 299, true, 165, 334, nullptr},             // LimitRel
    {K::LatchingButton, 16, 333, 299, true, 335, 334, "Off"},     // LimitOnOff
    {K::Meter, -1, CCorGainLayout::CCORGAINLAYOUT_METER_LEFT, CCorGainLayout::CCORGAINLAYOUT_METER_TOP, false, 0, 0,
     nullptr},
};

}  // namespace

const SControlLayout* CCorGainLayout::controls()
{
    return CONTROLS;
}

std::size_t CCorGainLayout::controlCount()
{
    return sizeof(CONTROLS) / sizeof(CONTROLS[0]);
}

}}  // namespace Corvane::CorGain
