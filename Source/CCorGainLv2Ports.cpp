#include "CCorGainLv2Ports.hpp"

#include "CCorGainParameterTable.hpp"

namespace Corvane { namespace CorGain {

namespace {

using P = SCorGainParameter;
using L = CCorGainLv2Ports;

constexpr unsigned kChoice = L::CCORGAINLV2PORTS_ENUMERATION | L::CCORGAINLV2PORTS_INTEGER;
constexpr unsigned kToggle = L::CCORGAINLV2PORTS_TOGGLED | L::CCORGAINLV2PORTS_INTEGER;

const L::SPort kPorts[L::CCORGAINLV2PORTS_COUNT] = {
    {"in_l", "Left input", L::CCORGAINLV2PORTS_AUDIO_IN, -1, 0},
    {"in_r", "Right input", L::CCORGAINLV2PORTS_AUDIO_IN, -1, 0},
    {"key_l", "Key left", L::CCORGAINLV2PORTS_AUDIO_IN, -1, L::CCORGAINLV2PORTS_SIDE_CHAIN},
    {"key_r", "Key right", L::CCORGAINLV2PORTS_AUDIO_IN, -1, L::CCORGAINLV2PORTS_SIDE_CHAIN},
    {"out_l", "Left output", L::CCORGAINLV2PORTS_AUDIO_OUT, -1, 0},
    {"out_r", "Right output", L::CCORGAINLV2PORTS_AUDIO_OUT, -1, 0},
    {"master", "Master", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_MASTER, 0},
    {"threshold", "Threshold", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_THRESHOLD, 0},
    {"ratio", "Ratio", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_RATIO, 0},
    {"attack", "Attack", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_ATTACK, L::CCORGAINLV2PORTS_LOGARITHMIC},
    {"release", "Release", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_RELEASE, L::CCORGAINLV2PORTS_LOGARITHMIC},
    {"mix", "Mix", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_MIX, 0},
    {"eq_low", "Key EQ low", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_EQ_LOW, 0},
    {"eq_mid", "Key EQ mid", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_EQ_MID, 0},
    {"eq_high", "Key EQ high", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_EQ_HIGH, 0},
    {"sidechain", "Side chain", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_SIDECHAIN, kChoice},
    {"monitor", "Monitor", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_MONITOR, kChoice},
    {"makeup", "Make-up gain", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_MAKEUP_GAIN, kToggle},
    {"key_input", "Key input", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_KEY_INPUT, kChoice},
    {"knee", "Soft knee", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_SOFT_KNEE, 0},
    {"valve", "Valve", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_VALVE, kChoice},
    {"mid_side", "Key mid/side", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_MID_SIDE, 0},
    {"limiter", "Limiter", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_LIMIT_ON_OFF, kToggle},
    {"limiter_release", "Limiter release", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_LIMIT_RELEASE,
     L::CCORGAINLV2PORTS_LOGARITHMIC},
    {"limiter_threshold", "Limiter threshold", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_LIMIT_THRESHOLD, 0},
    {"limiter_ceiling", "Limiter ceiling", L::CCORGAINLV2PORTS_CONTROL_IN, P::CCORGAIN_LIMIT_CEILING, 0},
    {"latency", "Latency", L::CCORGAINLV2PORTS_CONTROL_OUT, -1,
     L::CCORGAINLV2PORTS_LATENCY | L::CCORGAINLV2PORTS_INTEGER},
    {"level", "Level", L::CCORGAINLV2PORTS_CONTROL_OUT, -1, 0},
};

}  // namespace

const CCorGainLv2Ports::SPort& CCorGainLv2Ports::getPort(std::uint32_t index)
{
    return kPorts[index];
}

float CCorGainLv2Ports::valueForUnits(const CCorGainParameterTable& table, std::uint32_t port, float units)
{
    const SPort& control = getPort(port);
    if ((control.hints & CCORGAINLV2PORTS_TOGGLED) != 0) {
        units = units > 0.0f ? 1.0f : 0.0f;
    }
    return table.valueForUnits(control.parameter, static_cast<double>(units));
}

}}  // namespace Corvane::CorGain
