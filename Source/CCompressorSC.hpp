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

    double getEnvelope() const { return mEnvelope; }
    double getMeanSquare() const { return mMeanSquare; }
    const CEnvelopeDetector& getRmsAverager() const { return mRmsAverager; }
    const CAttRelEnvelopeDetector& getSmoother() const { return mSmoother; }

private:
    void applyGain(double over, double& audioL, double& audioR);

    TRelaxed<double> mThreshold{0.0};
    TRelaxed<double> mRatio{1.0};
    double mEnvelope;
    double mMeanSquare = 0.0;
    CEnvelopeDetector mRmsAverager;
    CAttRelEnvelopeDetector mSmoother;
    CParabolicShaper mKnee;
};
