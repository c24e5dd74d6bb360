// Writes the LV2 bundle's Turtle from the plug-in's own tables: the port list,
// the parameter table (ranges, defaults, stop labels, units) and the factory
// programs. Every number is written as the shortest decimal that the plug-in
// reads back as the very same value, so the presets are the programs exactly.
#pragma once

#include "CCorGainParameterTable.hpp"

#include <string>

namespace Tenvira { namespace Lv2Turtle {

class CCorGainTurtle {
public:
    static constexpr const char* CCORGAINTURTLE_PLUGIN_FILE = "Tenvira.ttl";
    static constexpr const char* CCORGAINTURTLE_PRESETS_FILE = "presets.ttl";

    // dspBinary and uiBinary are file names inside the bundle; an empty uiBinary declares no UI.
    CCorGainTurtle(std::string dspBinary, std::string uiBinary);

    std::string manifest() const;
    std::string plugin() const;
    std::string presets() const;

    // The URI of factory program 0..9 as a preset.
    static std::string presetUri(int program);
    // Control parameter index's normalised value in units, as the shortest decimal
    // (with a point) that reads back as the same setting. Throws std::runtime_error
    // when no decimal does.
    std::string decimalFor(int index, float value) const;

private:
    std::string controlPort(unsigned port) const;
    bool sameSetting(int index, float a, float b) const;

    Corvane::CorGain::CCorGainParameterTable m_table;
    std::string m_dspBinary;
    std::string m_uiBinary;
};

}}  // namespace Tenvira::Lv2Turtle
