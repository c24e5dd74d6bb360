#include "CParabolicShaper.hpp"

void CParabolicShaper::SetBreakpoints(double k)
{
    mBreakpoint.store(k);
}

double CParabolicShaper::GetBreakpoints() const
{
    return mBreakpoint.load();
}

double CParabolicShaper::process(double x) const
{
    const double k = mBreakpoint.load();
    return k * x + (1.0 - k) * x * (x * x + 27.0) / (9.0 * x * x + 27.0);
}
