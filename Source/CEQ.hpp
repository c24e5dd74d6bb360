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

    double getLowCoefficient() const { return m_lowCoef; }
    double getHighCoefficient() const { return m_highCoef; }
    double getLowGain() const { return m_lowGain.load(); }
    double getMidGain() const { return m_midGain.load(); }
    double getHighGain() const { return m_highGain.load(); }

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
    TRelaxed<double> m_lowGain{0.0};
    TRelaxed<double> m_midGain{0.0};
    TRelaxed<double> m_highGain{0.0};
    double m_stageOffset = 0.0;
};
