#pragma once

// Memoryless valve curve a x - b x |x|: odd-symmetric, folds back beyond its
// peak at |x| = a / (2 b). The caller passes the coefficients on every call.
class CValveModel {
public:
    double process(double a, double b, double x) const;
};
