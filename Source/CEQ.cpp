#include "CEQ.hpp"

#include "DspMath.hpp"

#include <cmath>

void CEQ::initEQ(int lowFreq, int highFreq, double sampleRate)
{
    // Pi rounded to single precision: the corner coefficients depend on it.
    const double PI_SINGLE = 3.1415927410125732;
    m_lowCoef = 2.0 * std::sin(lowFreq / sampleRate * PI_SINGLE);
    m_highCoef = 2.0 * std::sin(highFreq / sampleRate * PI_SINGLE);
}

void CEQ::setGain(double low, double mid, double high)
{
    m_lowGain = low;
    m_midGain = mid;
    m_highGain = high;
}

double CEQ::processEQ(double x)
{
    // The filter state is never cleared, so a NaN or infinity must not enter it.
    x = dspSilenceIfNonFinite(x);

    const double cL = m_lowCoef;
    m_low1 = (x - m_low1) * cL + m_stageOffset + m_low1;
    m_low2 = (m_low1 - m_low2) * cL + m_low2;
    m_low3 = (m_low2 - m_low3) * cL + m_low3;
    m_low4 = (m_low3 - m_low4) * cL + m_low4;
    const double low = m_low4;

    const double cH = m_highCoef;
    m_high1 = (x - m_high1) * cH + m_stageOffset + m_high1;
    m_high2 = (m_high1 - m_high2) * cH + m_high2;
    m_high3 = (m_high2 - m_high3) * cH + m_high3;
    m_high4 = (m_high3 - m_high4) * cH + m_high4;

    const double high = m_history3 - m_high4;
    const double mid = m_history3 - (low + high);

    m_history3 = m_history2;
    m_history2 = m_history1;
    m_history1 = x;

    return low * m_lowGain + mid * m_midGain + high * m_highGain;
}
