#pragma once

#include "DspMath.hpp"

// Soft knee for the compressor gain: blends the straight line (k = 1) with the
// rational curve x (x^2 + 27) / (9 x^2 + 27) (k = 0), which follows tanh(x)
// closely for |x| <= 3 and reaches 1 at x = 3.
class CParabolicShaper {
public:
    CParabolicShaper() = default;

    void SetBreakpoints(double k);
    double GetBreakpoints() const;

    double process(double x) const;
    // process for each value of a block, in place.
    void processBlock(double* x, int frames) const;

private:
    static double bend(double k, double x) { return k * x + (1.0 - k) * x * (x * x + 27.0) / (9.0 * x * x + 27.0); }

    double m_breakpoint = 0.0;
};

DSP_INLINE void CParabolicShaper::processBlock(double* x, int frames) const
{
    const double k = m_breakpoint;
    for (int i = 0; i < frames; ++i) {
        x[i] = bend(k, x[i]);
    }
}
