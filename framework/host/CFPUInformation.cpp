#include "host/CFPUInformation.hpp"

#include <atomic>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#endif

namespace Corvane { namespace Host {

namespace {
std::atomic<bool> g_mmx{false};
std::atomic<bool> g_sse{false};
std::atomic<bool> g_sse2{false};
std::atomic<bool> g_sse3{false};
std::atomic<bool> g_hyperThreading{false};
}  // namespace

void CFPUInformation::initialiseCPUInformation()
{
#if defined(__i386__) || defined(__x86_64__)
    __builtin_cpu_init();
    g_mmx.store(__builtin_cpu_supports("mmx") != 0, std::memory_order_relaxed);
    g_sse.store(__builtin_cpu_supports("sse") != 0, std::memory_order_relaxed);
    g_sse2.store(__builtin_cpu_supports("sse2") != 0, std::memory_order_relaxed);
    g_sse3.store(__builtin_cpu_supports("sse3") != 0, std::memory_order_relaxed);
    unsigned int eax = 0;
    unsigned int ebx = 0;
    unsigned int ecx = 0;
    unsigned int edx = 0;
    // Leaf 1, EDX bit 28: the package holds more than one logical processor.
    const bool hyperThreading = __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (edx & (1u << 28)) != 0;
    g_hyperThreading.store(hyperThreading, std::memory_order_relaxed);
#endif
}

bool CFPUInformation::hasMMX()
{
    return g_mmx.load(std::memory_order_relaxed);
}
bool CFPUInformation::hasSSE()
{
    return g_sse.load(std::memory_order_relaxed);
}
bool CFPUInformation::hasSSE2()
{
    return g_sse2.load(std::memory_order_relaxed);
}
bool CFPUInformation::hasSSE3()
{
    return g_sse3.load(std::memory_order_relaxed);
}
bool CFPUInformation::hasHT()
{
    return g_hyperThreading.load(std::memory_order_relaxed);
}

}}  // namespace Corvane::Host
