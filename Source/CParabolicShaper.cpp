#include "CParabolicShaper.hpp"

void CParabolicShaper::SetBreakpoints(double k)
{
    m_breakpoint.store(k);
}

double CParabolicShaper::GetBreakpoints() const
{
    return m_breakpoint.load();
}

double CParabolicShaper::process(double x) const
{
    const double k = m_breakpoint.load();
    return k * x + (1.0 - k) * x * (x * x + 27.0) / (9.0 * x * x + 27.0);
}
