#include "host/CDisplayInformation.hpp"

#include <atomic>

namespace Corvane { namespace Host {

namespace {
std::atomic<long> g_screenWidth{0};
std::atomic<long> g_screenHeight{0};
}  // namespace

long CDisplayInformation::getMonitorScreenWidth()
{
    return g_screenWidth.load(std::memory_order_relaxed);
}

long CDisplayInformation::getMonitorScreenHeight()
{
    return g_screenHeight.load(std::memory_order_relaxed);
}

void CDisplayInformation::setMonitorScreenSize(long width, long height)
{
    g_screenWidth.store(width > 0 ? width : 0, std::memory_order_relaxed);
    g_screenHeight.store(height > 0 ? height : 0, std::memory_order_relaxed);
}

void CDisplayInformation::clearMonitorScreenSize()
{
    setMonitorScreenSize(0, 0);
}

}}  // namespace Corvane::Host
