#include "PluginProgram.hpp"

#include <cstring>
#include <string>

namespace Corvane { namespace CorGain {

namespace {
// A host name is read up to this many characters, so an unterminated buffer cannot run away.
constexpr size_t kLongestName = 1023;
}  // namespace

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

void PluginProgram::setName(const char* name)
{
    if (name == nullptr) {
        m_name = "";
        return;
    }
    m_name = std::string(name, strnlen(name, kLongestName)).c_str();
}

void PluginProgram::copyFrom(const PluginProgram& other)
{
    for (int i = 0; i < PLUGINPROGRAM_NUMBER_OF_VALUES; ++i) {
        setValue(i, other.getValue(i));
    }
    m_name = other.m_name;
}

}}  // namespace Corvane::CorGain
