#pragma once

#include "DspRelaxed.hpp"

// Soft knee for the compressor gain: blends the straight line (k = 1) with the
// rational curve x (x^2 + 27) / (9 x^2 + 27) (k = 0), which follows tanh(x)
// closely for |x| <= 3 and reaches 1 at x = 3.
class CParabolicShaper {
public:
    CParabolicShaper() = default;

    void SetBreakpoints(double k);
    double GetBreakpoints() const;

    double process(double x) const;

private:
    TRelaxed<double> m_breakpoint{0.0};
};
