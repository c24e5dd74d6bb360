// One program of the effect: the host's twenty normalised values and a name.
#pragma once

#include "CProgramName.hpp"

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

    // Writes the name (at most 23 characters) and a terminator into text, which holds at least 24.
    void copyName(char* text) const { m_name.copyTo(text); }
    // Keeps the first 23 characters; a null name is empty.
    void setName(const char* name) { m_name.set(name); }

    // Copies the values and the name of other.
    void copyFrom(const PluginProgram& other);

    PluginProgram(const PluginProgram&) = delete;
    PluginProgram& operator=(const PluginProgram&) = delete;

private:
    std::atomic<float> m_values[PLUGINPROGRAM_NUMBER_OF_VALUES];
    CProgramName m_name;
};

}}  // namespace Corvane::CorGain
