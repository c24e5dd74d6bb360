#pragma once

#include "CFastEnvFollower.hpp"
#include "CParabolicShaper.hpp"
#include "DspMath.hpp"
#include "DspVector.hpp"

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
    // processRMS for each frame of a block (at most DSP_BLOCK_FRAMES; the
    // arrays hold that many), stage by stage over the whole block: the
    // envelope runs sample by sample, the mean square four samples a step,
    // logarithms, exponentials and the knee on four samples at a time.
    // Agrees with processRMS but for rounding.
    void processBlockRMS(double* audioL, double* audioR, const double* keyL, const double* keyR, int frames);

    double getEnvelope() const { return m_envelope; }
    double getMeanSquare() const { return m_meanSquare; }
    const CEnvelopeDetector& getRmsAverager() const { return m_rmsAverager; }
    const CAttRelEnvelopeDetector& getSmoother() const { return m_smoother; }

private:
    void applyGain(double over, double& audioL, double& audioR);

    double m_threshold = 0.0;
    // Mean squares below this are below the threshold however a logarithm rounds.
    double m_quietMeanSquare = 1.0;
    double m_ratio = 1.0;
    double m_envelope;
    double m_meanSquare = 0.0;
    CEnvelopeDetector m_rmsAverager;
    CAttRelEnvelopeDetector m_smoother;
    CParabolicShaper m_knee;
    // Per-sample values of one block: mean square, then target, then gain.
    alignas(32) double m_blockValues[DSP_BLOCK_FRAMES] = {};
    // The target's share of each attack step.
    alignas(32) double m_blockParts[DSP_BLOCK_FRAMES] = {};
};

DSP_INLINE void CCompressorSC::processBlockRMS(double* audioL, double* audioR, const double* keyL, const double* keyR,
                                               int frames)
{
    using namespace DspVector;
    if (frames <= 0) {
        return;
    }
    double* values = m_blockValues;
    // The mean square follows ms' = ms c + m (1 - c), equal to (ms - m) c + m
    // but for rounding. Four frames a step: each of them is ms c^k plus what
    // the frames before it in the step contribute, so that only one multiply
    // and one add lie between a step's mean square and the next one's.
    const double c = m_rmsAverager.coefficient;
    for (int i = 0; i < frames; ++i) {
        const double m = keyL[i] * keyL[i] + keyR[i] * keyR[i] + DSP_DETECTOR_FLOOR;
        // NaN, infinite or overflowing keys read as silence.
        values[i] = (m <= 1.7976931348623157e308 ? m : DSP_DETECTOR_FLOOR) * (1.0 - c);
    }
    const v4d powers = {c, c * c, c * c * c, c * c * c * c};
    const v4d zero = splat(0.0);
    v4d running = splat(m_meanSquare);
    for (int i = 0; i < frames; i += DSPVECTOR_WIDTH) {
        v4d sum = load(values + i);
        sum = sum + splat(c) * __builtin_shufflevector(zero, sum, 0, 4, 5, 6);
        sum = sum + splat(c * c) * __builtin_shufflevector(zero, sum, 0, 1, 4, 5);
        running = powers * __builtin_shufflevector(running, running, 3, 3, 3, 3) + sum;
        store(values + i, running);
    }
    m_meanSquare = values[frames - 1];
    // The level above the threshold, floored, as the smoother's target. The
    // level is the square root of the mean square (the floor added to it is
    // far below one unit in the last place at any level a threshold can
    // reach), so its logarithm is half the mean square's.
    // Where all four mean squares are clearly below the threshold's, the
    // target is the floor and no logarithm is needed.
    const v4d floor = splat(DSP_DETECTOR_FLOOR);
    const v4d threshold = splat(m_threshold);
    const v4d quiet = splat(m_quietMeanSquare);
    for (int i = 0; i < frames; i += DSPVECTOR_WIDTH) {
        const v4d meanSquare = load(values + i);
        if (allLanes(meanSquare < quiet)) {
            store(values + i, floor);
            continue;
        }
        const v4d over = log(meanSquare) * splat(0.5 * DSP_LOG_TO_DB) - threshold;
        store(values + i, select(over >= splat(0.0), over + floor, floor));
    }
    // The smoothed level, recursively: attack while the target is above it, release otherwise.
    // Both candidates as e c + t (1 - c), chosen afterwards: the choice no longer delays the arithmetic.
    const double attack = m_smoother.attack().getCoef();
    const double release = m_smoother.release().coefficient;
    double* attackPart = m_blockParts;
    for (int i = 0; i < frames; ++i) {
        attackPart[i] = values[i] * (1.0 - attack);
    }
    double envelope = m_envelope;
    for (int i = 0; i < frames; ++i) {
        const double target = values[i];
        envelope = chooseIfGreater(target, envelope, envelope * attack + attackPart[i],
                                   envelope * release + target * (1.0 - release));
        values[i] = envelope;
    }
    m_envelope = envelope;
    // The gain, bent by the knee.
    const v4d slope = splat(m_ratio - 1.0);
    for (int i = 0; i < frames; i += DSPVECTOR_WIDTH) {
        store(values + i, exp((load(values + i) - floor) * slope * splat(DSP_DB_TO_LOG)));
    }
    m_knee.processBlock(values, frames);
    for (int i = 0; i < frames; ++i) {
        audioL[i] = audioL[i] * values[i];
        audioR[i] = audioR[i] * values[i];
    }
}
