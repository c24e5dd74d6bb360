#pragma once

#include "DspMath.hpp"

#include <cmath>

// Memoryless valve curve a x - b x |x|: odd-symmetric, folds back beyond its
// peak at |x| = a / (2 b). The caller passes the coefficients on every call.
class CValveModel {
public:
    double process(double a, double b, double x) const;
    // process(a, b, x) * scale for each sample of a block, in place.
    void processBlock(double a, double b, double scale, double* x, int frames) const;
};

DSP_INLINE void CValveModel::processBlock(double a, double b, double scale, double* x, int frames) const
{
    // a x - x (b x) above zero and a x + x (b x) below, to the last bit, without a branch:
    // (b x) |x| is x (b x) with the sign that makes the difference a sum below zero.
    for (int i = 0; i < frames; ++i) {
        x[i] = (a * x[i] - (b * x[i]) * std::fabs(x[i])) * scale;
    }
}
