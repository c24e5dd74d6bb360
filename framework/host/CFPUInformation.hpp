#pragma once

namespace Corvane { namespace Host {

/**
 * Processor feature flags (MMX, SSE, SSE2, SSE3, hyper-threading). All flags
 * read false until initialiseCPUInformation() has asked the processor; on
 * processors other than x86 they stay false.
 */
class CFPUInformation {
public:
    static void initialiseCPUInformation();

    static bool hasMMX();
    static bool hasSSE();
    static bool hasSSE2();
    static bool hasSSE3();
    /** The processor reports more than one logical processor per package. */
    static bool hasHT();

    CFPUInformation() = delete;
};

}}  // namespace Corvane::Host
