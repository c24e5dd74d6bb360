// The effect's ten programs and which of them is current. The current
// program's values are the effect's parameter values: a parameter change
// writes one value of it, a program change is one store of the index, so
// every state a reader can see is a whole one. Any thread may change it
// without waiting; each change moves a sequence number, so the audio thread
// knows when to derive its settings again.
#pragma once

#include "PluginProgram.hpp"

#include <atomic>
#include <cstdint>

namespace Corvane { namespace CorGain {

class CProgramBank {
public:
    static constexpr int CPROGRAMBANK_NUMBER_OF_PROGRAMS = 10;
    static constexpr int CPROGRAMBANK_NUMBER_OF_VALUES = PluginProgram::PLUGINPROGRAM_NUMBER_OF_VALUES;

    // Ten programs with all values 0 and the name "(empty)"; program 0 current.
    CProgramBank();

    static bool isProgramIndex(int program) { return program >= 0 && program < CPROGRAMBANK_NUMBER_OF_PROGRAMS; }

    // The program at index, which must be 0..9.
    PluginProgram& getProgram(int program) { return m_programs[program]; }
    const PluginProgram& getProgram(int program) const { return m_programs[program]; }

    int getCurrent() const { return m_current.load(std::memory_order_acquire); }
    // Makes program current (ignored outside 0..9).
    void select(int program);

    // The current program's value at index (0 outside 0..19).
    float getValue(int index) const { return m_programs[getCurrent()].getValue(index); }
    // Changes the current program's value at index.
    void setValue(int index, float value);
    // All twenty values of the current program; answers the sequence number
    // they are at least as new as.
    std::uint32_t readValues(float values[CPROGRAMBANK_NUMBER_OF_VALUES]) const;
    // Moved by every change of the current values.
    std::uint32_t getSequence() const { return m_sequence.load(std::memory_order_acquire); }

    // Copies the current program's values and name into destination; false outside 0..9.
    bool copyCurrentTo(int destination);

    CProgramBank(const CProgramBank&) = delete;
    CProgramBank& operator=(const CProgramBank&) = delete;

private:
    void changed() { m_sequence.fetch_add(1, std::memory_order_acq_rel); }

    PluginProgram m_programs[CPROGRAMBANK_NUMBER_OF_PROGRAMS];
    std::atomic<int> m_current;
    std::atomic<std::uint32_t> m_sequence;
};

}}  // namespace Corvane::CorGain
