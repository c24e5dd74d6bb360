#include "PluginProgram.hpp"

namespace Corvane { namespace CorGain {

PluginProgram::PluginProgram() : m_name("(empty)")
{
    for (auto& value : m_values) {
        value.store(0.0f, std::memory_order_relaxed);
    }
}

float PluginProgram::getValue(int index) const
{
    if (index < 0 || index >= PLUGINPROGRAM_NUMBER_OF_VALUES) {
        return 0.0f;
    }
    return m_values[index].load(std::memory_order_relaxed);
}

void PluginProgram::setValue(int index, float value)
{
    if (index >= 0 && index < PLUGINPROGRAM_NUMBER_OF_VALUES) {
        m_values[index].store(value, std::memory_order_relaxed);
    }
}

void PluginProgram::copyFrom(const PluginProgram& other)
{
    for (int i = 0; i < PLUGINPROGRAM_NUMBER_OF_VALUES; ++i) {
        setValue(i, other.getValue(i));
    }
    char name[CProgramName::CPROGRAMNAME_MAX_LENGTH + 1];
    other.copyName(name);
    setName(name);
}

}}  // namespace Corvane::CorGain
