#pragma once

#include <cmath>

// Level conversions and the floor shared by the envelope detectors.

// The single-precision value of 1e-20 used as a double: keeps logarithms and
// envelopes away from zero (about -400 dB).
constexpr double DSP_DETECTOR_FLOOR = static_cast<double>(1e-20f);

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
