// Counts the allocations and frees made on one thread. A test binary linked
// with CountingAllocator.cpp replaces the global allocation functions; when it
// is built with exported symbols, the plug-ins it loads call them too.
#pragma once

namespace TestAllocation {

// From now on this thread's allocations and frees are counted.
void beginCounting();
// Stops counting on this thread; answers how many there were.
long endCounting();

// Counts, from now on, the allocations and frees made on a thread that some library started
// (a real-time thread of an audio server), until endCountingOn.
void beginCountingOn(unsigned long thread);
long endCountingOn();

// The allocations and frees made by what runs inside, on this thread.
template <typename Work>
long countedOnThisThread(Work work)
{
    beginCounting();
    work();
    return endCounting();
}

}  // namespace TestAllocation
