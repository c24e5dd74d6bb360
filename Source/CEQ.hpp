#pragma once

#include "DspMath.hpp"
#include "DspVector.hpp"

#include <cmath>

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
    // processEQ of left on each sample of leftX and of right on each of
    // rightX, in place, the two channels side by side; equal but for rounding.
    static void processStereoBlock(CEQ& left, CEQ& right, double* leftX, double* rightX, int frames);

    double getLowCoefficient() const { return m_lowCoef; }
    double getHighCoefficient() const { return m_highCoef; }
    double getLowGain() const { return m_lowGain; }
    double getMidGain() const { return m_midGain; }
    double getHighGain() const { return m_highGain; }

private:
    double m_lowCoef = 0.0;
    double m_low1 = 0.0;
    double m_low2 = 0.0;
    double m_low3 = 0.0;
    double m_low4 = 0.0;
    double m_highCoef = 0.0;
    double m_high1 = 0.0;
    double m_high2 = 0.0;
    double m_high3 = 0.0;
    double m_high4 = 0.0;
    double m_history1 = 0.0;
    double m_history2 = 0.0;
    double m_history3 = 0.0;
    double m_lowGain = 0.0;
    double m_midGain = 0.0;
    double m_highGain = 0.0;
    double m_stageOffset = 0.0;
};

DSP_INLINE void CEQ::processStereoBlock(CEQ& left, CEQ& right, double* leftX, double* rightX, int frames)
{
    using namespace DspVector;
    if (left.m_stageOffset != 0.0 || right.m_stageOffset != 0.0) {
        for (int i = 0; i < frames; ++i) {
            leftX[i] = left.processEQ(leftX[i]);
            rightX[i] = right.processEQ(rightX[i]);
        }
        return;
    }
    // The low and the high cascade of both channels run side by side: lanes
    // low left, low right, high left, high right.
    // Each stage as s c' + x c (c' = 1 - c): equal to (x - s) c + s but for
    // rounding, with one operation less between a stage's successive values.
    const v4d c = {left.m_lowCoef, right.m_lowCoef, left.m_highCoef, right.m_highCoef};
    const v4d keep = splat(1.0) - c;
    v4d stage1 = {left.m_low1, right.m_low1, left.m_high1, right.m_high1};
    v4d stage2 = {left.m_low2, right.m_low2, left.m_high2, right.m_high2};
    v4d stage3 = {left.m_low3, right.m_low3, left.m_high3, right.m_high3};
    v4d stage4 = {left.m_low4, right.m_low4, left.m_high4, right.m_high4};
    // low gL + mid gM + high gH with mid = h3 - (low + high) and high = h3 - t4
    // is h3 gH + low (gL - gM) + t4 (gM - gH): equal but for rounding.
    const v4d bandGains = {left.m_lowGain - left.m_midGain, right.m_lowGain - right.m_midGain,
                           left.m_midGain - left.m_highGain, right.m_midGain - right.m_highGain};
    const v2d gHigh = {left.m_highGain, right.m_highGain};
    v2d h1 = {left.m_history1, right.m_history1};
    v2d h2 = {left.m_history2, right.m_history2};
    v2d h3 = {left.m_history3, right.m_history3};
    // The filter state is never cleared, so a NaN or infinity must not enter it.
    dspSilenceNonFinite(leftX, frames);
    dspSilenceNonFinite(rightX, frames);
    for (int i = 0; i < frames; ++i) {
        const v2d x = {leftX[i], rightX[i]};
        const v4d input = {x[0], x[1], x[0], x[1]};
        stage1 = stage1 * keep + input * c;
        stage2 = stage2 * keep + stage1 * c;
        stage3 = stage3 * keep + stage2 * c;
        stage4 = stage4 * keep + stage3 * c;
        const v4d bands = stage4 * bandGains;
        const v2d y = h3 * gHigh + v2d{bands[0], bands[1]} + v2d{bands[2], bands[3]};
        h3 = h2;
        h2 = h1;
        h1 = x;
        leftX[i] = y[0];
        rightX[i] = y[1];
    }
    left.m_low1 = stage1[0], right.m_low1 = stage1[1], left.m_high1 = stage1[2], right.m_high1 = stage1[3];
    left.m_low2 = stage2[0], right.m_low2 = stage2[1], left.m_high2 = stage2[2], right.m_high2 = stage2[3];
    left.m_low3 = stage3[0], right.m_low3 = stage3[1], left.m_high3 = stage3[2], right.m_high3 = stage3[3];
    left.m_low4 = stage4[0], right.m_low4 = stage4[1], left.m_high4 = stage4[2], right.m_high4 = stage4[3];
    left.m_history1 = h1[0], right.m_history1 = h1[1];
    left.m_history2 = h2[0], right.m_history2 = h2[1];
    left.m_history3 = h3[0], right.m_history3 = h3[1];
}
