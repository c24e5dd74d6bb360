#pragma once

#include "basics/CCountedObject.hpp"

#include <mutex>

namespace Corvane { namespace Threading {

/**
 * The framework's lock: a mutual-exclusion region with a timed acquire.
 * The region lives as long as the object. The lock operations are const so
 * that a const owner can still guard its state.
 */
class CCriticalSection : public Basics::CCountedObject {
public:
    CCriticalSection();
    ~CCriticalSection() override;

    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;

    /** Waits at most the given number of milliseconds; true when the region was entered. */
    bool tryToEnterCriticalSection(long milliseconds) const;

    /** Waits without limit for the region. */
    void enterCriticalSection() const;

    /** Releases the region entered by the calling thread. */
    void leaveCriticalSection() const;

    CVN_DECLARE_CLASS

private:
    mutable std::timed_mutex m_region;
};

}}  // namespace Corvane::Threading
