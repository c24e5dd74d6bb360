#include "threading/CCriticalSection.hpp"

#include <chrono>

namespace Corvane { namespace Threading {

CVN_IMPLEMENT_CLASS(CCriticalSection, "CCountedObject")

CCriticalSection::CCriticalSection()
{
    CVN_CONSTRUCT_CLASS;
}

CCriticalSection::~CCriticalSection()
{
    CVN_DESTRUCT_CLASS;
}

bool CCriticalSection::tryToEnterCriticalSection(long milliseconds) const
{
    if (milliseconds <= 0) {
        return m_region.try_lock();
    }
    return m_region.try_lock_for(std::chrono::milliseconds(milliseconds));
}

void CCriticalSection::enterCriticalSection() const
{
    m_region.lock();
}

void CCriticalSection::leaveCriticalSection() const
{
    m_region.unlock();
}

}}  // namespace Corvane::Threading
