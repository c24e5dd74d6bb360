#pragma once

#include "DspRelaxed.hpp"

// Three-band equaliser for one channel. Two cascades of four one-pole
// low-pass stages split the bands: low = low cascade output, high = input
// delayed by three samples minus the high cascade output, mid = the rest.
// With unity gains the output is the input delayed by exactly three samples.
// A freshly constructed equaliser has zero gains and outputs silence.
class CEQ {
public:
    CEQ() = default;

    void initEQ(int lowFreq, int highFreq, double sampleRate);
    void setGain(double low, double mid, double high);
    double processEQ(double x);

    double getLowCoefficient() const { return mLowCoef; }
    double getHighCoefficient() const { return mHighCoef; }
    double getLowGain() const { return mLowGain.load(); }
    double getMidGain() const { return mMidGain.load(); }
    double getHighGain() const { return mHighGain.load(); }

private:
    double mLowCoef = 0.0;
    double mLow1 = 0.0;
    double mLow2 = 0.0;
    double mLow3 = 0.0;
    double mLow4 = 0.0;
    double mHighCoef = 0.0;
    double mHigh1 = 0.0;
    double mHigh2 = 0.0;
    double mHigh3 = 0.0;
    double mHigh4 = 0.0;
    double mHistory1 = 0.0;
    double mHistory2 = 0.0;
    double mHistory3 = 0.0;
    TRelaxed<double> mLowGain{0.0};
    TRelaxed<double> mMidGain{0.0};
    TRelaxed<double> mHighGain{0.0};
    double mStageOffset = 0.0;
};
