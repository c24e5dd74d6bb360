#pragma once

// One-pole envelope smoothers, coefficient = exp(-1000 / (ms * sampleRate)).
//
// The three detector classes share this file: CEnvelopeDetector is the plain,
// unvalidated value type; CFastEnvelopeDetector adds setters that reject
// invalid times and rates; CAttRelEnvelopeDetector pairs an attack and a
// release detector.

class CEnvelopeDetector {
public:
    CEnvelopeDetector() = default;
    CEnvelopeDetector(double ms, double rate);

    // coefficient = exp(-1000 / (timeConstant * sampleRate)); validates nothing.
    void setCoef();

    double sampleRate = 0.0;    // Hz
    double timeConstant = 0.0;  // ms
    double coefficient = 0.0;
};

class CFastEnvelopeDetector {
public:
    // A rate or time that is not above zero is rejected; the detector then
    // keeps 44100 Hz and 1 ms for that field.
    CFastEnvelopeDetector(double ms, double sampleRate);

    // Both reject values that are not above zero (NaN included) and keep the
    // previous setting.
    void setTimeConstant(double ms);
    void setSampleRate(double sampleRate);
    void setCoef();

    double getTimeConstant() const { return m_detector.timeConstant; }
    double getSampleRate() const { return m_detector.sampleRate; }
    double getCoef() const { return m_detector.coefficient; }

private:
    CEnvelopeDetector m_detector;
};

class CAttRelEnvelopeDetector {
public:
    // Both detectors at 44100 Hz and 1 ms.
    CAttRelEnvelopeDetector();

    // The attack detector validates the rate; the release detector follows
    // it, so a rejected rate leaves both at their previous rate.
    void setSampleRate(double sampleRate);

    // Moves state toward input with the attack coefficient while the input
    // is above the state, with the release coefficient otherwise.
    void run(double input, double& state) const
    {
        if (input > state)
            state = input + (state - input) * m_attack.getCoef();
        else
            state = input + (state - input) * m_release.coefficient;
    }

    CFastEnvelopeDetector& attack() { return m_attack; }
    const CFastEnvelopeDetector& attack() const { return m_attack; }
    CEnvelopeDetector& release() { return m_release; }
    const CEnvelopeDetector& release() const { return m_release; }

private:
    CFastEnvelopeDetector m_attack;
    CEnvelopeDetector m_release;
};
