// x86 control-register access for the denormal modes (SSE MXCSR).
#include "math/CScopedDenormalFlush.hpp"

#if defined(__SSE__) || defined(__x86_64__)
#include <xmmintrin.h>
#define CVN_HAS_MXCSR 1
#else
#define CVN_HAS_MXCSR 0
#endif

namespace Corvane { namespace MathTools {

namespace {
// Flush-to-zero (bit 15) and denormals-are-zero (bit 6).
constexpr unsigned int FLUSH_MODES = 0x8040u;
}  // namespace

CScopedDenormalFlush::CScopedDenormalFlush() noexcept : m_savedMode(0)
{
#if CVN_HAS_MXCSR
    m_savedMode = _mm_getcsr();
    _mm_setcsr(m_savedMode | FLUSH_MODES);
#endif
}

CScopedDenormalFlush::~CScopedDenormalFlush()
{
#if CVN_HAS_MXCSR
    _mm_setcsr(m_savedMode);
#endif
}

bool CScopedDenormalFlush::isFlushing() noexcept
{
#if CVN_HAS_MXCSR
    return (_mm_getcsr() & FLUSH_MODES) == FLUSH_MODES;
#else
    return false;
#endif
}

}}  // namespace Corvane::MathTools
