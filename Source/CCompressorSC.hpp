#pragma once

#include "CFastEnvFollower.hpp"
#include "CParabolicShaper.hpp"
#include "DspRelaxed.hpp"

// Side-chain compressor gain computer. The key pair is measured (peak or mean
// square), expressed in dB above the threshold, smoothed with attack and
// release, turned into a gain through the ratio (slope), bent by the knee and
// applied to both audio channels alike.
class CCompressorSC final {
public:
    CCompressorSC();

    virtual void setThresh(double dB);
    virtual double getThresh() const;
    // Rejects a ratio that is not above zero and keeps the previous one.
    virtual void setRatio(double ratio);
    virtual double getRatio() const;

    void setAttack(double ms);
    double getAttack() const;
    // Exactly 0 ms becomes 0.001 ms; a negative or non-finite time is
    // rejected (it would make the release diverge).
    void setRelease(double ms);
    double getRelease() const;
    // Sets the attack/release rate only: the RMS averager stays at 44100 Hz.
    void setSamplerate(double sampleRate);
    void setKnee(double k);
    double getKnee() const;

    // Clears the envelope only; the mean square carries over.
    void reset();

    void process(double& audioL, double& audioR, double keyL, double keyR);
    void processRMS(double& audioL, double& audioR, double keyL, double keyR);

    double getEnvelope() const { return m_envelope; }
    double getMeanSquare() const { return m_meanSquare; }
    const CEnvelopeDetector& getRmsAverager() const { return m_rmsAverager; }
    const CAttRelEnvelopeDetector& getSmoother() const { return m_smoother; }

private:
    void applyGain(double over, double& audioL, double& audioR);

    TRelaxed<double> m_threshold{0.0};
    TRelaxed<double> m_ratio{1.0};
    double m_envelope;
    double m_meanSquare = 0.0;
    CEnvelopeDetector m_rmsAverager;
    CAttRelEnvelopeDetector m_smoother;
    CParabolicShaper m_knee;
};
