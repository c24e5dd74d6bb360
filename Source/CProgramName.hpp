// The name of one program: at most 23 characters, renamed by the host's
// user-interface thread while other threads copy it out.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace Corvane { namespace CorGain {

class CProgramName {
public:
    // Characters kept, not counting the terminator: what a host buffer holds.
    static constexpr size_t CPROGRAMNAME_MAX_LENGTH = 23;

    explicit CProgramName(const char* name = "");

    // Keeps the first 23 characters of name (a null name is empty). Writers
    // take turns; readers never wait for them.
    void set(const char* name);
    // Writes the name and a terminator into text, which holds at least 24
    // characters. The copy is always one whole name, never parts of two.
    void copyTo(char* text) const;

    CProgramName(const CProgramName&) = delete;
    CProgramName& operator=(const CProgramName&) = delete;

private:
    static constexpr int CPROGRAMNAME_WORDS = 3;

    // Odd while a writer is storing the words.
    std::atomic<std::uint32_t> m_sequence;
    // The 24 characters, terminator included, as whole words so that no
    // access is ever a plain read or write of memory another thread changes.
    std::atomic<std::uint64_t> m_words[CPROGRAMNAME_WORDS];
};

}}  // namespace Corvane::CorGain
