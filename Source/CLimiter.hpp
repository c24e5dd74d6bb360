#pragma once

#include "CFastEnvFollower.hpp"
#include "DspRelaxed.hpp"

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
    // BUFFER_SIZE - 1. Writes "Peak is N" to stderr: resume path only.
    void setAttack(double ms);
    void setRelease(double ms);
    // Resume path only (recomputes the look-ahead and prints).
    void setSamplerate(double sampleRate);

    // Resume path only: allocates new, silent rings and restarts the detector
    // at the threshold.
    void reset();
    void zeroBuffers();

    void process(double& left, double& right);
    void processBlank(double& left, double& right);

    double getEnvelope() const { return m_envelope; }
    double getHeldPeak() const { return m_heldPeak; }
    const double* getLeftRing() const { return m_leftRing.get(); }
    const double* getRightRing() const { return m_rightRing.get(); }

private:
    void delay(double& left, double& right, double gain);

    CFastEnvelopeDetector m_attack;
    CFastEnvelopeDetector m_release;
    TRelaxed<double> m_threshold{0.0};
    TRelaxed<double> m_thresholdLinear{1.0};
    std::int32_t m_lookAhead = 0;
    std::int32_t m_holdCounter = 0;
    double m_heldPeak = 1.0;
    double m_envelope = 1.0;
    std::int32_t m_indexMask = BUFFER_SIZE - 1;
    std::int32_t m_writeIndex = 0;
    std::unique_ptr<double[]> m_leftRing;
    std::unique_ptr<double[]> m_rightRing;
};
