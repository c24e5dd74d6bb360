// A test binary that links CountingAllocator.cpp has its global allocation
// functions replaced by ones that count the allocations and frees made while
// the binary's own counts() answers true (on some thread, in some phase).
// Libraries' C++ allocations, the plug-in's included, reach them too.
#pragma once

namespace CountingAllocator {

/** Whether an allocation or free made now, on the calling thread, counts; each test binary defines it. */
bool counts();
/** The allocations and frees counted so far. */
long calls();

}  // namespace CountingAllocator
