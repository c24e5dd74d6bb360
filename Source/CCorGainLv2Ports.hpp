// The LV2 plug-in's identity and ports: the audio pairs, one control input
// per parameter (in the parameter's units) and two control outputs. The URI
// and the port symbols are what hosts store in sessions: they never change.
// The ranges, defaults and stop labels are not here: they come from the
// parameter table, so the description cannot drift from the code.
#pragma once

#include "SCorGainParameter.hpp"

#include <cstdint>

namespace Corvane { namespace CorGain {

class CCorGainParameterTable;

class CCorGainLv2Ports {
public:
    static constexpr const char* CCORGAINLV2PORTS_URI = "https://tolvek-orvasse.audio/plugins/tenvira";
    // The plug-in's editor as an LV2 UI.
    static constexpr const char* CCORGAINLV2PORTS_UI_URI = "https://tolvek-orvasse.audio/plugins/tenvira#ui";

    enum EType {
        CCORGAINLV2PORTS_AUDIO_IN,
        CCORGAINLV2PORTS_AUDIO_OUT,
        CCORGAINLV2PORTS_CONTROL_IN,
        CCORGAINLV2PORTS_CONTROL_OUT
    };

    // Port properties, combined.
    enum EHint : unsigned {
        CCORGAINLV2PORTS_SIDE_CHAIN = 1u << 0,
        CCORGAINLV2PORTS_TOGGLED = 1u << 1,
        CCORGAINLV2PORTS_ENUMERATION = 1u << 2,
        CCORGAINLV2PORTS_INTEGER = 1u << 3,
        CCORGAINLV2PORTS_LOGARITHMIC = 1u << 4,
        CCORGAINLV2PORTS_LATENCY = 1u << 5
    };

    struct SPort {
        const char* symbol;
        const char* name;
        EType type;
        int parameter;  // the parameter index of a control input, else -1
        unsigned hints;
    };

    // Ports in index order: in_l, in_r, key_l, key_r, out_l, out_r, the twenty
    // controls in parameter order, latency, level.
    static constexpr std::uint32_t CCORGAINLV2PORTS_IN_L = 0;
    static constexpr std::uint32_t CCORGAINLV2PORTS_OUT_L = 4;
    static constexpr std::uint32_t CCORGAINLV2PORTS_FIRST_CONTROL = 6;
    static constexpr std::uint32_t CCORGAINLV2PORTS_LATENCY_PORT =
        CCORGAINLV2PORTS_FIRST_CONTROL + SCorGainParameter::SCORGAINPARAMETER_COUNT;
    static constexpr std::uint32_t CCORGAINLV2PORTS_LEVEL_PORT = CCORGAINLV2PORTS_LATENCY_PORT + 1;
    static constexpr std::uint32_t CCORGAINLV2PORTS_COUNT = CCORGAINLV2PORTS_LEVEL_PORT + 1;

    // Index must be below CCORGAINLV2PORTS_COUNT.
    static const SPort& getPort(std::uint32_t index);
    // The normalised value of a control input's value in units, through the parameter table's mapping: a
    // toggle is on above 0, anything else is held inside the range. Port must be a control input. No allocation.
    static float valueForUnits(const CCorGainParameterTable& table, std::uint32_t port, float units);

    CCorGainLv2Ports() = delete;
};

}}  // namespace Corvane::CorGain
