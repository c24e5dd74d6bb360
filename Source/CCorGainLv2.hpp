// Tenvira as an LV2 plug-in instance: the ports of CCorGainLv2Ports around
// the same parameter table and processing chain as the VST effect. Control
// inputs are in units; each run reads them once, and when any has moved the
// twenty values become one settings snapshot for the whole block.
#pragma once

#include "CCorGainChain.hpp"
#include "CCorGainLv2Ports.hpp"
#include "CCorGainParameterTable.hpp"

#include "lv2/CLv2ControlInput.hpp"
#include "lv2/CLv2Plugin.hpp"

#include <cstdint>

namespace Corvane { namespace CorGain {

class CCorGainLv2 : public Lv2::CLv2Plugin {
public:
    static constexpr int CCORGAINLV2_CONTROLS = SCorGainParameter::SCORGAINPARAMETER_COUNT;

    // Any rate: rates the chain cannot run at are run as 44100 Hz, as in the VST build.
    CCorGainLv2(double sampleRate, const char* bundlePath, const LV2_Feature* const* features);
    ~CCorGainLv2() override;

    void connectPort(std::uint32_t port, void* data) override;
    void activate() override;
    // No allocation, lock, output or system call.
    void run(std::uint32_t frames) override;

private:
    void readControls();

    double m_sampleRate;
    CCorGainParameterTable m_table;
    CCorGainChain m_chain;
    // Audio buffers as connected; null reads as silence, or goes nowhere.
    const float* m_inputs[CCorGainChain::CCORGAINCHAIN_INPUTS];
    float* m_outputs[CCorGainChain::CCORGAINCHAIN_OUTPUTS];
    Lv2::CLv2ControlInput m_controls[CCORGAINLV2_CONTROLS];
    // The normalised values the chain's settings were made from.
    float m_values[CCORGAINLV2_CONTROLS];
    float* m_latency;
    float* m_level;
};

}}  // namespace Corvane::CorGain
