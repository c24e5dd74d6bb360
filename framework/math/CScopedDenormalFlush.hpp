#pragma once

namespace Corvane { namespace MathTools {

/**
 * While alive, the calling thread's floating-point unit flushes denormal
 * results to zero and reads denormal operands as zero; the destructor puts
 * back the mode the thread had before.
 *
 * Decaying filter and detector states pass through the denormal range on
 * their way to silence, where each operation can cost a hundred times its
 * normal price. The audio path holds one of these for the duration of a
 * processing call, so the host's own setting is left as it found it.
 * On processors without these modes the guard does nothing.
 */
class CScopedDenormalFlush {
public:
    CScopedDenormalFlush() noexcept;
    ~CScopedDenormalFlush();

    CScopedDenormalFlush(const CScopedDenormalFlush&) = delete;
    CScopedDenormalFlush& operator=(const CScopedDenormalFlush&) = delete;

    /** True when the current thread flushes denormals (both modes set). */
    static bool isFlushing() noexcept;

private:
    unsigned int m_savedMode;
};

}}  // namespace Corvane::MathTools
