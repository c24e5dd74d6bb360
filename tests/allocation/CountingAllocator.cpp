#include "CountingAllocator.hpp"

#include <pthread.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

thread_local bool t_counting = false;
thread_local long t_calls = 0;
// Another thread's count: the watched thread adds, the test's thread reads.
std::atomic<bool> g_watching{false};
std::atomic<pthread_t> g_watched{};
std::atomic<long> g_watchedCalls{0};

void count()
{
    if (t_counting) {
        ++t_calls;
    } else if (g_watching.load(std::memory_order_relaxed) && pthread_equal(pthread_self(), g_watched.load())) {
        g_watchedCalls.fetch_add(1, std::memory_order_relaxed);
    }
}

void* allocate(std::size_t size, std::size_t alignment = 0)
{
    count();
    size = size == 0 ? 1 : size;
    void* memory = alignment > alignof(std::max_align_t)
                       ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
                       : std::malloc(size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void release(void* memory) noexcept
{
    if (memory != nullptr) {
        count();
    }
    std::free(memory);
}

}  // namespace

namespace TestAllocation {

void beginCounting()
{
    t_calls = 0;
    t_counting = true;
}

long endCounting()
{
    t_counting = false;
    return t_calls;
}

void beginCountingOn(unsigned long thread)
{
    g_watchedCalls.store(0);
    g_watched.store(static_cast<pthread_t>(thread));
    g_watching.store(true);
}

long endCountingOn()
{
    g_watching.store(false);
    return g_watchedCalls.load();
}

}  // namespace TestAllocation

void* operator new(std::size_t size)
{
    return allocate(size);
}
void* operator new[](std::size_t size)
{
    return allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return operator new(size, tag);
}
void operator delete(void* memory) noexcept
{
    release(memory);
}
void operator delete[](void* memory) noexcept
{
    release(memory);
}
void operator delete(void* memory, std::size_t) noexcept
{
    release(memory);
}
void operator delete[](void* memory, std::size_t) noexcept
{
    release(memory);
}
void operator delete(void* memory, std::align_val_t) noexcept
{
    release(memory);
}
void operator delete[](void* memory, std::align_val_t) noexcept
{
    release(memory);
}
void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    release(memory);
}
void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    release(memory);
}
