#include "CValveModel.hpp"

#include <cmath>

double CValveModel::process(double a, double b, double x) const
{
    if (x > 0.0)
        return a * x - x * (b * x);
    return a * x + x * (b * x);
}
