#include "CProgramName.hpp"

#include <cstring>

namespace Corvane { namespace CorGain {

namespace {
constexpr size_t kNameBytes = CProgramName::CPROGRAMNAME_MAX_LENGTH + 1;
}  // namespace

CProgramName::CProgramName(const char* name) : m_sequence(0), m_words{}
{
    set(name);
}

void CProgramName::set(const char* name)
{
    std::uint64_t words[CPROGRAMNAME_WORDS] = {};
    static_assert(sizeof(words) == kNameBytes, "a name and its terminator fill the words exactly");
    if (name != nullptr) {
        std::memcpy(words, name, strnlen(name, CPROGRAMNAME_MAX_LENGTH));
    }
    // A sequence number that is odd marks a write in progress: readers retry,
    // another writer waits for the even number.
    std::uint32_t sequence = m_sequence.load(std::memory_order_relaxed);
    do {
        sequence &= ~1u;
    } while (!m_sequence.compare_exchange_weak(sequence, sequence + 1, std::memory_order_acquire,
                                               std::memory_order_relaxed));
    // Release stores keep the odd number ahead of every word: a reader that
    // sees a new word also sees that a write began.
    for (int i = 0; i < CPROGRAMNAME_WORDS; ++i) {
        m_words[i].store(words[i], std::memory_order_release);
    }
    m_sequence.store(sequence + 2, std::memory_order_release);
}

void CProgramName::copyTo(char* text) const
{
    std::uint64_t words[CPROGRAMNAME_WORDS];
    std::uint32_t before = 0;
    std::uint32_t after = 0;
    do {
        before = m_sequence.load(std::memory_order_acquire);
        // Acquire loads keep the second reading of the number behind every word.
        for (int i = 0; i < CPROGRAMNAME_WORDS; ++i) {
            words[i] = m_words[i].load(std::memory_order_acquire);
        }
        after = m_sequence.load(std::memory_order_relaxed);
    } while ((before & 1u) != 0 || before != after);
    std::memcpy(text, words, kNameBytes);
}

}}  // namespace Corvane::CorGain
