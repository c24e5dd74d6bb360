#include "DspAssert.hpp"

#include <atomic>

namespace {
std::atomic<const char*> gLastFile{nullptr};
std::atomic<const char*> gLastCondition{nullptr};
std::atomic<int> gLastLine{0};
std::atomic<std::uint64_t> gFailures{0};
}  // namespace

bool dspRequire(bool ok, const char* file, int line, const char* condition) noexcept
{
    if (!ok) {
        gLastFile.store(file, std::memory_order_relaxed);
        gLastLine.store(line, std::memory_order_relaxed);
        gLastCondition.store(condition, std::memory_order_relaxed);
        gFailures.fetch_add(1, std::memory_order_relaxed);
    }
    return ok;
}

SDspCondition dspLastFailedCondition() noexcept
{
    return SDspCondition{gLastFile.load(std::memory_order_relaxed), gLastLine.load(std::memory_order_relaxed),
                         gLastCondition.load(std::memory_order_relaxed)};
}

std::uint64_t dspFailedConditionCount() noexcept
{
    return gFailures.load(std::memory_order_relaxed);
}
