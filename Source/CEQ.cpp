#include "CEQ.hpp"

#include "DspMath.hpp"

#include <cmath>

void CEQ::initEQ(int lowFreq, int highFreq, double sampleRate)
{
    // Pi rounded to single precision: the corner coefficients depend on it.
    const double PI_SINGLE = 3.1415927410125732;
    mLowCoef = 2.0 * std::sin(lowFreq / sampleRate * PI_SINGLE);
    mHighCoef = 2.0 * std::sin(highFreq / sampleRate * PI_SINGLE);
}

void CEQ::setGain(double low, double mid, double high)
{
    mLowGain.store(low);
    mMidGain.store(mid);
    mHighGain.store(high);
}

double CEQ::processEQ(double x)
{
    // The filter state is never cleared, so a NaN or infinity must not enter it.
    x = dspSilenceIfNonFinite(x);

    const double cL = mLowCoef;
    mLow1 = (x - mLow1) * cL + mStageOffset + mLow1;
    mLow2 = (mLow1 - mLow2) * cL + mLow2;
    mLow3 = (mLow2 - mLow3) * cL + mLow3;
    mLow4 = (mLow3 - mLow4) * cL + mLow4;
    const double low = mLow4;

    const double cH = mHighCoef;
    mHigh1 = (x - mHigh1) * cH + mStageOffset + mHigh1;
    mHigh2 = (mHigh1 - mHigh2) * cH + mHigh2;
    mHigh3 = (mHigh2 - mHigh3) * cH + mHigh3;
    mHigh4 = (mHigh3 - mHigh4) * cH + mHigh4;

    const double high = mHistory3 - mHigh4;
    const double mid = mHistory3 - (low + high);

    mHistory3 = mHistory2;
    mHistory2 = mHistory1;
    mHistory1 = x;

    return low * mLowGain.load() + mid * mMidGain.load() + high * mHighGain.load();
}
