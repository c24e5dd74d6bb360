#pragma once

#include <cmath>

// Level conversions and the floor shared by the envelope detectors.

// The block forms of the DSP stages are defined in the headers and always
// inlined, so that a caller built for a wider vector unit compiles them for
// it: the processing chain is built for AVX2 as well as for plain x86-64
// (DSP_TARGET_CLONES; the loader picks what the processor runs, and
// TENVIRA_PORTABLE_VECTORS keeps only the plain build). Neither build fuses
// multiplies and adds, so both give the same results to the last bit.
#define DSP_INLINE __attribute__((always_inline)) inline
#if defined(TENVIRA_PORTABLE_VECTORS)
#define DSP_TARGET_CLONES
#else
#define DSP_TARGET_CLONES __attribute__((target_clones("avx2", "default")))
#endif

// The single-precision value of 1e-20 used as a double: keeps logarithms and
// envelopes away from zero (about -400 dB).
constexpr double DSP_DETECTOR_FLOOR = static_cast<double>(1e-20f);

// ln(10) / 20 and 20 / ln(10): decibels to natural logarithms and back.
constexpr double DSP_DB_TO_LOG = 0.11512925464970228;
constexpr double DSP_LOG_TO_DB = 8.685889638065037;

// Most frames a block form of a DSP stage takes in one call; its arrays hold
// this many values (the last vector may be worked on beyond the frame count).
constexpr int DSP_BLOCK_FRAMES = 128;

// exp(dB * ln(10) / 20)
double dB2lin(double dB);

// ln(x) * 20 / ln(10); x must be above zero.
double lin2dB(double x);

// A sample that is NaN or infinite is read as silence by every stateful
// block, so one bad sample cannot poison a filter, envelope or delay line.
inline double dspSilenceIfNonFinite(double x)
{
    return std::isfinite(x) ? x : 0.0;
}

// The same for a block of samples.
DSP_INLINE void dspSilenceNonFinite(double* x, int frames)
{
    for (int i = 0; i < frames; ++i) {
        // Written as a comparison so that the loop runs on whole vectors; NaN fails it too.
        x[i] = std::fabs(x[i]) <= 1.7976931348623157e308 ? x[i] : 0.0;
    }
}
