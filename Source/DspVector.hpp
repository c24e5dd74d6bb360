// Four doubles side by side, and what the block forms of the DSP stages need
// beyond plain arithmetic: loads and stores, selection, widening and
// narrowing, and the natural logarithm and exponential to within one unit in
// the last place (the classic reduction to a small argument and a rational
// approximation there, written without branches). Arithmetic on v4d is the
// same IEEE arithmetic as on double, lane by lane, whatever the processor;
// in a build for AVX2 a v4d is one register, in one for plain x86-64 two.
#pragma once

#include "DspMath.hpp"

#include <cstdint>
#include <cstring>

// The helpers below take and give vectors by value, which would make their
// calling convention depend on the target; they are always inlined, so it
// never matters. (Left off for the files that use them, where the calls are.)
#pragma GCC diagnostic ignored "-Wpsabi"

namespace DspVector {

typedef double v4d __attribute__((vector_size(32)));
// Two doubles, for work that comes in pairs (a left and a right channel).
typedef double v2d __attribute__((vector_size(16)));
// Four floats, for the host's samples.
typedef float v4f __attribute__((vector_size(16)));
typedef std::int32_t v4fi __attribute__((vector_size(16)));
// Lane masks as comparisons of v4d give them.
typedef std::int64_t v4i __attribute__((vector_size(32)));
// Bit patterns; unsigned, so that shifts are the plain ones.
typedef std::uint64_t v4u __attribute__((vector_size(32)));

constexpr int DSPVECTOR_WIDTH = 4;

DSP_INLINE v4d splat(double x)
{
    return v4d{x, x, x, x};
}
DSP_INLINE v4u splatBits(std::uint64_t x)
{
    return v4u{x, x, x, x};
}
DSP_INLINE v4f splatFloat(float x)
{
    return v4f{x, x, x, x};
}
DSP_INLINE v4f abs(v4f x)
{
    return reinterpret_cast<v4f>(reinterpret_cast<v4fi>(x) & v4fi{0x7fffffff, 0x7fffffff, 0x7fffffff, 0x7fffffff});
}
DSP_INLINE v4f select(v4fi mask, v4f a, v4f b)
{
    return mask ? a : b;
}
DSP_INLINE v4d widen(v4f x)
{
    return __builtin_convertvector(x, v4d);
}
DSP_INLINE v4f narrow(v4d x)
{
    return __builtin_convertvector(x, v4f);
}
// Whole vectors from and to arrays of their elements, aligned or not.
template <typename V, typename T>
DSP_INLINE V loadVector(const T* p)
{
    V v;
    std::memcpy(&v, p, sizeof(v));
    return v;
}
DSP_INLINE v4d load(const double* p)
{
    return loadVector<v4d>(p);
}
DSP_INLINE v4f load(const float* p)
{
    return loadVector<v4f>(p);
}
template <typename T, typename V>
DSP_INLINE void store(T* p, V v)
{
    std::memcpy(p, &v, sizeof(v));
}
DSP_INLINE v4u bits(v4d x)
{
    return reinterpret_cast<v4u>(x);
}
DSP_INLINE v4d fromBits(v4u x)
{
    return reinterpret_cast<v4d>(x);
}
// Lanes of a where mask (all ones or all zeros per lane, as comparisons give) is set, of b elsewhere.
DSP_INLINE v4d select(v4i mask, v4d a, v4d b)
{
    return mask ? a : b;
}
// True when every lane of the mask is set.
DSP_INLINE bool allLanes(v4i mask)
{
    return (mask[0] & mask[1] & mask[2] & mask[3]) != 0;
}
DSP_INLINE v4d abs(v4d x)
{
    return fromBits(bits(x) & splatBits(0x7fffffffffffffffULL));
}

// ifGreater when a > b, else otherwise; without a branch, for recursions
// whose decisions the data make unpredictable.
DSP_INLINE double chooseIfGreater(double a, double b, double ifGreater, double otherwise)
{
    const v2d chosen = v2d{a, a} > v2d{b, b} ? v2d{ifGreater, ifGreater} : v2d{otherwise, otherwise};
    return chosen[0];
}

// Natural logarithm of positive normal numbers.
DSP_INLINE v4d log(v4d x)
{
    const double LN2_HI = 6.93147180369123816490e-01;
    const double LN2_LO = 1.90821492927058770002e-10;
    const double LG1 = 6.666666666666735130e-01;
    const double LG2 = 3.999999999940941908e-01;
    const double LG3 = 2.857142874366239149e-01;
    const double LG4 = 2.222219843214978396e-01;
    const double LG5 = 1.818357216161805012e-01;
    const double LG6 = 1.531383769920937332e-01;
    const double LG7 = 1.479819860511658591e-01;
    // x = 2^k m with m in [sqrt(2)/2, sqrt(2)).
    const v4u b = bits(x);
    const v4u exponent = (b >> 52) & splatBits(0x7ff);
    v4d m = fromBits((b & splatBits(0x000fffffffffffffULL)) | splatBits(0x3ff0000000000000ULL));
    const v4i high = m > splat(1.4142135623730951);
    m = select(high, m * splat(0.5), m);
    // The exponent as a double, exactly: its bits placed under 2^52 and 2^52 taken away.
    const v4d k = fromBits(exponent | splatBits(0x4330000000000000ULL)) - splat(4503599627370496.0) - splat(1023.0) +
                  select(high, splat(1.0), splat(0.0));
    const v4d f = m - splat(1.0);
    const v4d s = f / (splat(2.0) + f);
    const v4d z = s * s;
    const v4d w = z * z;
    const v4d t1 = w * (splat(LG2) + w * (splat(LG4) + w * splat(LG6)));
    const v4d t2 = z * (splat(LG1) + w * (splat(LG3) + w * (splat(LG5) + w * splat(LG7))));
    const v4d r = t2 + t1;
    const v4d hfsq = splat(0.5) * f * f;
    return k * splat(LN2_HI) - ((hfsq - (s * (hfsq + r) + k * splat(LN2_LO))) - f);
}

// Exponential of numbers between -700 and 700.
DSP_INLINE v4d exp(v4d x)
{
    const double LN2_HI = 6.93147180369123816490e-01;
    const double LN2_LO = 1.90821492927058770002e-10;
    const double INV_LN2 = 1.44269504088896338700e+00;
    const double P1 = 1.66666666666666019037e-01;
    const double P2 = -2.77777777770155933842e-03;
    const double P3 = 6.61375632143793436117e-05;
    const double P4 = -1.65339022054652515390e-06;
    const double P5 = 4.13813679705723846039e-08;
    // 1.5 * 2^52: adding it rounds to a whole number and leaves that number in the low bits.
    const v4d shifter = splat(6755399441055744.0);
    const v4d shifted = x * splat(INV_LN2) + shifter;
    const v4d k = shifted - shifter;
    const v4d hi = x - k * splat(LN2_HI);
    const v4d lo = k * splat(LN2_LO);
    const v4d r = hi - lo;
    const v4d t = r * r;
    const v4d c = r - t * (splat(P1) + t * (splat(P2) + t * (splat(P3) + t * (splat(P4) + t * splat(P5)))));
    const v4d y = splat(1.0) - ((lo - (r * c) / (splat(2.0) - c)) - hi);
    return y * fromBits((bits(shifted) + splatBits(1023)) << 52);
}

}  // namespace DspVector
