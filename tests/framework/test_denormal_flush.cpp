#include "math/CScopedDenormalFlush.hpp"

#include <gtest/gtest.h>

#include <xmmintrin.h>
#include <cfloat>

using Corvane::MathTools::CScopedDenormalFlush;

namespace {
// Kept out of the optimiser's reach so the product is computed at run time.
volatile double g_smallest = DBL_MIN;
}  // namespace

TEST(ScopedDenormalFlush, FlushesInsideAndRestoresTheCallersModeWhateverItWas)
{
    const unsigned int original = _mm_getcsr();
    for (unsigned int callerMode : {original & ~0x8040u, original | 0x8040u}) {
        _mm_setcsr(callerMode);
        {
            const CScopedDenormalFlush flush;
            EXPECT_TRUE(CScopedDenormalFlush::isFlushing());
            EXPECT_EQ(g_smallest * 0.5, 0.0);  // would be a denormal otherwise
        }
        EXPECT_EQ(_mm_getcsr(), callerMode);
    }
    _mm_setcsr(original & ~0x8040u);
    EXPECT_FALSE(CScopedDenormalFlush::isFlushing());
    EXPECT_GT(g_smallest * 0.5, 0.0);
    _mm_setcsr(original);
}
