#include "CParabolicShaper.hpp"
#include "DspVector.hpp"

void CParabolicShaper::SetBreakpoints(double k)
{
    m_breakpoint = k;
}

double CParabolicShaper::GetBreakpoints() const
{
    return m_breakpoint;
}

double CParabolicShaper::process(double x) const
{
    return bend(m_breakpoint, x);
}
