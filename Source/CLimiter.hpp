#pragma once

#include "CFastEnvFollower.hpp"
#include "DspMath.hpp"
#include "DspVector.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

// Stereo look-ahead peak limiter. The signal is delayed by the look-ahead in
// one ring per channel while the detector sees the undelayed input, holds its
// peak for the look-ahead, smooths it and scales the delayed signal by
// threshold / envelope. processBlank gives the same delay without gain.
class CLimiter final {
public:
    static constexpr std::int32_t BUFFER_SIZE = 1024;

    CLimiter();
    CLimiter(const CLimiter& other);
    // Copies every setting, the state and the ring contents into this
    // limiter's own rings.
    CLimiter& operator=(const CLimiter& other);
    ~CLimiter() = default;

    virtual void setThresh(double dB);
    virtual double getThresh() const;
    virtual std::int32_t getLatency() const;
    virtual double getAttack() const;
    virtual double getRelease() const;

    // Sets the attack time and the look-ahead (ms at the current rate).
    // A look-ahead that would reach the ring length is clamped to
    // BUFFER_SIZE - 1. Resume path only.
    void setAttack(double ms);
    void setRelease(double ms);
    // Resume path only (recomputes the look-ahead).
    void setSamplerate(double sampleRate);

    // Resume path only: allocates new, silent rings and restarts the detector
    // at the threshold.
    void reset();
    void zeroBuffers();

    void process(double& left, double& right);
    void processBlank(double& left, double& right);
    // process and processBlank for each frame of a block (at most
    // DSP_BLOCK_FRAMES), in place: the detector runs sample by sample, the
    // gain divisions and the delay over the whole block. Equal but for
    // rounding.
    void processBlock(double* left, double* right, int frames);
    void processBlankBlock(double* left, double* right, int frames);

    double getEnvelope() const { return m_envelope; }
    double getHeldPeak() const { return m_heldPeak; }
    const double* getLeftRing() const { return m_leftRing.get(); }
    const double* getRightRing() const { return m_rightRing.get(); }

private:
    void delay(double& left, double& right, double gain);
    // Delays a block through the rings, scaled by gains (1 when null).
    void delayBlock(double* left, double* right, const double* gains, int frames);

    CFastEnvelopeDetector m_attack;
    CFastEnvelopeDetector m_release;
    double m_threshold = 0.0;
    double m_thresholdLinear = 1.0;
    std::int32_t m_lookAhead = 0;
    std::int32_t m_holdCounter = 0;
    double m_heldPeak = 1.0;
    double m_envelope = 1.0;
    std::int32_t m_indexMask = BUFFER_SIZE - 1;
    std::int32_t m_writeIndex = 0;
    std::unique_ptr<double[]> m_leftRing;
    std::unique_ptr<double[]> m_rightRing;
    // The gain of each frame of one block.
    alignas(32) double m_blockGains[DSP_BLOCK_FRAMES] = {};
};

DSP_INLINE void CLimiter::processBlock(double* left, double* right, int frames)
{
    dspSilenceNonFinite(left, frames);
    dspSilenceNonFinite(right, frames);
    double* gains = m_blockGains;
    const double thresholdLinear = m_thresholdLinear;
    for (int i = 0; i < frames; ++i) {
        const double aL = std::fabs(left[i]);
        const double aR = std::fabs(right[i]);
        const double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
        gains[i] = thresholdLinear > peak ? thresholdLinear : peak;
    }
    // The detector, recursively: the held peak and its smoothed envelope.
    const double attack = m_attack.getCoef();
    const double release = m_release.getCoef();
    const double attackTake = 1.0 - attack;
    const double releaseTake = 1.0 - release;
    const std::int32_t lookAhead = m_lookAhead;
    std::int32_t holdCounter = m_holdCounter;
    double heldPeak = m_heldPeak;
    double envelope = m_envelope;
    for (int i = 0; i < frames; ++i) {
        // Without branches: music makes these decisions unpredictable.
        const double x = gains[i];
        ++holdCounter;
        const bool restart = (holdCounter >= lookAhead) | (x > heldPeak);
        holdCounter = restart ? 0 : holdCounter;
        heldPeak = restart ? x : heldPeak;
        // Both candidates as e c + h (1 - c), chosen afterwards (equal to h + (e - h) c but for rounding).
        envelope = DspVector::chooseIfGreater(heldPeak, envelope, envelope * attack + heldPeak * attackTake,
                                              envelope * release + heldPeak * releaseTake);
        gains[i] = envelope;
    }
    m_holdCounter = holdCounter;
    m_heldPeak = heldPeak;
    m_envelope = envelope;
    for (int i = 0; i < frames; ++i) {
        gains[i] = thresholdLinear / gains[i];
    }
    delayBlock(left, right, gains, frames);
}

DSP_INLINE void CLimiter::processBlankBlock(double* left, double* right, int frames)
{
    dspSilenceNonFinite(left, frames);
    dspSilenceNonFinite(right, frames);
    delayBlock(left, right, nullptr, frames);
}

DSP_INLINE void CLimiter::delayBlock(double* left, double* right, const double* gains, int frames)
{
    // What the per-sample ring gives, a block at a time: frame i leaves the
    // ring as written delay samples before, which is inside this very block
    // from frame delay on (a look-ahead of 0 is a delay of a whole ring).
    // Ring positions are taken in runs that do not wrap.
    const std::int32_t delay = m_lookAhead > 0 ? m_lookAhead : BUFFER_SIZE;
    const int fromRing = frames < delay ? frames : delay;
    const std::int32_t readIndex = (m_writeIndex - delay) & m_indexMask;
    double* rings[2] = {m_leftRing.get(), m_rightRing.get()};
    double* channels[2] = {left, right};
    for (int c = 0; c < 2; ++c) {
        double* ring = rings[c];
        double* x = channels[c];
        double input[DSP_BLOCK_FRAMES];
        for (int i = 0; i < frames; ++i) {
            input[i] = x[i];
        }
        for (int done = 0, at = readIndex; done < fromRing; at = 0) {
            const int run = std::min(fromRing - done, BUFFER_SIZE - at);
            for (int i = 0; i < run; ++i) {
                x[done + i] = ring[at + i];
            }
            done += run;
        }
        for (int i = fromRing; i < frames; ++i) {
            x[i] = input[i - delay];
        }
        for (int done = 0, at = m_writeIndex; done < frames; at = 0) {
            const int run = std::min(frames - done, BUFFER_SIZE - at);
            for (int i = 0; i < run; ++i) {
                ring[at + i] = input[done + i];
            }
            done += run;
        }
        for (int i = 0; gains != nullptr && i < frames; ++i) {
            x[i] = x[i] * gains[i];
        }
    }
    m_writeIndex = (m_writeIndex + frames) & m_indexMask;
}
