#include "CFastEnvFollower.hpp"

#include "DspAssert.hpp"

#include <cmath>

namespace {
const char* const FILE_NAME = "Source/CFastEnvFollower";
const double FALLBACK_RATE = 44100.0;
const double FALLBACK_MS = 1.0;
}  // namespace

CEnvelopeDetector::CEnvelopeDetector(double ms, double rate) : sampleRate(rate), timeConstant(ms)
{
    setCoef();
}

void CEnvelopeDetector::setCoef()
{
    coefficient = std::exp(-1000.0 / (timeConstant * sampleRate));
}

CFastEnvelopeDetector::CFastEnvelopeDetector(double ms, double sampleRate)
{
    if (!DSP_REQUIRE(FILE_NAME, sampleRate > 0.0))
        sampleRate = FALLBACK_RATE;
    if (!DSP_REQUIRE(FILE_NAME, ms > 0.0))
        ms = FALLBACK_MS;
    m_detector.sampleRate = sampleRate;
    m_detector.timeConstant = ms;
    setCoef();
}

void CFastEnvelopeDetector::setTimeConstant(double ms)
{
    if (!DSP_REQUIRE(FILE_NAME, ms > 0.0))
        return;
    m_detector.timeConstant = ms;
    setCoef();
}

void CFastEnvelopeDetector::setSampleRate(double sampleRate)
{
    if (!DSP_REQUIRE(FILE_NAME, sampleRate > 0.0))
        return;
    m_detector.sampleRate = sampleRate;
    setCoef();
}

void CFastEnvelopeDetector::setCoef()
{
    m_detector.setCoef();
}

CAttRelEnvelopeDetector::CAttRelEnvelopeDetector() : m_attack(1.0, 44100.0), m_release(1.0, 44100.0) {}

void CAttRelEnvelopeDetector::setSampleRate(double sampleRate)
{
    m_attack.setSampleRate(sampleRate);  // records and rejects a rate not above zero
    if (!(sampleRate > 0.0))
        return;
    m_release.sampleRate = sampleRate;
    m_release.setCoef();
}
