#pragma once

#include <cstdint>

// Preconditions of the DSP blocks. A plug-in must never stop its host, so a
// violated condition does not abort: the caller rejects the value (keeping
// its previous state) and the failure is recorded here, lock-free, so that it
// is visible to diagnostics and tests without printing on the audio thread.
struct SDspCondition {
    const char* file;  // e.g. "Source/CLimiter"
    int line;
    const char* condition;  // e.g. "samp < BUFFER_SIZE"
};

// Answers ok; when ok is false, records the condition as the last failure.
bool dspRequire(bool ok, const char* file, int line, const char* condition) noexcept;

// The most recent failed condition (file and condition null when none), and
// how many conditions have failed since the program started.
SDspCondition dspLastFailedCondition() noexcept;
std::uint64_t dspFailedConditionCount() noexcept;

#define DSP_REQUIRE(file, cond) dspRequire((cond), (file), __LINE__, #cond)
