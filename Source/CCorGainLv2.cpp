#include "CCorGainLv2.hpp"

#include "CCorGainFactoryPrograms.hpp"

namespace Corvane { namespace CorGain {

CCorGainLv2::CCorGainLv2(double sampleRate, const char*, const LV2_Feature* const*)
    : m_sampleRate(sampleRate),
      m_table(),
      m_chain(),
      m_inputs(),
      m_outputs(),
      m_controls(),
      m_values(),
      m_latency(nullptr),
      m_level(nullptr)
{
    // Until the host's controls are read, the instance holds program 0.
    const float* program = CCorGainFactoryPrograms::getValues(0);
    for (int i = 0; i < CCORGAINLV2_CONTROLS; ++i) {
        m_values[i] = program[i];
    }
    m_chain.apply(m_table.settingsFor(m_values));
    m_chain.prepare(m_sampleRate);
}

CCorGainLv2::~CCorGainLv2() = default;

void CCorGainLv2::connectPort(std::uint32_t port, void* data)
{
    if (port >= CCorGainLv2Ports::CCORGAINLV2PORTS_COUNT) {
        return;
    }
    const CCorGainLv2Ports::SPort& description = CCorGainLv2Ports::getPort(port);
    float* buffer = static_cast<float*>(data);
    switch (description.type) {
    case CCorGainLv2Ports::CCORGAINLV2PORTS_AUDIO_IN:
        m_inputs[port - CCorGainLv2Ports::CCORGAINLV2PORTS_IN_L] = buffer;
        break;
    case CCorGainLv2Ports::CCORGAINLV2PORTS_AUDIO_OUT:
        m_outputs[port - CCorGainLv2Ports::CCORGAINLV2PORTS_OUT_L] = buffer;
        break;
    case CCorGainLv2Ports::CCORGAINLV2PORTS_CONTROL_IN:
        m_controls[description.parameter].connect(buffer);
        break;
    case CCorGainLv2Ports::CCORGAINLV2PORTS_CONTROL_OUT:
        (port == CCorGainLv2Ports::CCORGAINLV2PORTS_LATENCY_PORT ? m_latency : m_level) = buffer;
        break;
    }
}

void CCorGainLv2::activate()
{
    // As the VST build's resume: the limiter's delay emptied, the detectors restarted.
    m_chain.prepare(m_sampleRate);
}

void CCorGainLv2::readControls()
{
    bool changed = false;
    for (int i = 0; i < CCORGAINLV2_CONTROLS; ++i) {
        if (m_controls[i].read()) {
            m_values[i] = CCorGainLv2Ports::valueForUnits(
                m_table, CCorGainLv2Ports::CCORGAINLV2PORTS_FIRST_CONTROL + static_cast<std::uint32_t>(i),
                m_controls[i].getValue());
            changed = true;
        }
    }
    if (changed) {
        m_chain.apply(m_table.settingsFor(m_values));
    }
}

void CCorGainLv2::run(std::uint32_t frames)
{
    // Changes made since the last block take effect from its first sample, all of them together.
    readControls();
    m_chain.process(m_inputs, m_outputs, static_cast<int>(frames));
    if (m_latency != nullptr) {
        *m_latency = static_cast<float>(m_chain.getLatency());
    }
    if (m_level != nullptr) {
        *m_level = m_chain.getBlockPeak();
    }
}

}}  // namespace Corvane::CorGain
