// One program of the effect: the host's twenty normalised values and a name.
#pragma once

#include "basics/CString.hpp"

#include <atomic>

namespace Corvane { namespace CorGain {

class PluginProgram {
public:
    static constexpr int PLUGINPROGRAM_NUMBER_OF_VALUES = 20;

    // All values 0, name "(empty)".
    PluginProgram();

    // The value at index, 0 for an index outside 0..19.
    float getValue(int index) const;
    // Ignored for an index outside 0..19. May run on the audio thread (MIDI).
    void setValue(int index, float value);

    const Basics::CString& getName() const { return m_name; }
    void setName(const char* name);

    // Copies the values and the name of other.
    void copyFrom(const PluginProgram& other);

    PluginProgram(const PluginProgram&) = delete;
    PluginProgram& operator=(const PluginProgram&) = delete;

private:
    std::atomic<float> m_values[PLUGINPROGRAM_NUMBER_OF_VALUES];
    Basics::CString m_name;
};

}}  // namespace Corvane::CorGain
