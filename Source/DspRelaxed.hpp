#pragma once

#include <atomic>

// A value written by the parameter thread and read by the audio thread.
// Loads and stores are relaxed atomics (plain moves on x86-64), and unlike
// std::atomic the holder can be copied, so the DSP blocks stay value types.
template <typename T>
class TRelaxed {
public:
    TRelaxed(T value = T()) noexcept : m_value(value) {}
    TRelaxed(const TRelaxed& other) noexcept : m_value(other.load()) {}
    TRelaxed& operator=(const TRelaxed& other) noexcept
    {
        store(other.load());
        return *this;
    }

    T load() const noexcept { return m_value.load(std::memory_order_relaxed); }
    void store(T value) noexcept { m_value.store(value, std::memory_order_relaxed); }

private:
    std::atomic<T> m_value;
};
