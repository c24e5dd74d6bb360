#include "CProgramBank.hpp"

namespace Corvane { namespace CorGain {

CProgramBank::CProgramBank() : m_programs(), m_current(0), m_sequence(0) {}

void CProgramBank::select(int program)
{
    if (isProgramIndex(program)) {
        m_current.store(program, std::memory_order_release);
        changed();
    }
}

void CProgramBank::setValue(int index, float value)
{
    m_programs[getCurrent()].setValue(index, value);
    changed();
}

std::uint32_t CProgramBank::readValues(float values[CPROGRAMBANK_NUMBER_OF_VALUES]) const
{
    // Read first: a change made after this load moves the number again, so
    // the reader comes back for it.
    const std::uint32_t sequence = getSequence();
    const PluginProgram& program = m_programs[getCurrent()];
    for (int i = 0; i < CPROGRAMBANK_NUMBER_OF_VALUES; ++i) {
        values[i] = program.getValue(i);
    }
    return sequence;
}

bool CProgramBank::copyCurrentTo(int destination)
{
    if (!isProgramIndex(destination)) {
        return false;
    }
    const int current = getCurrent();
    if (destination != current) {
        m_programs[destination].copyFrom(m_programs[current]);
    }
    return true;
}

}}  // namespace Corvane::CorGain
