#include "CLimiter.hpp"

#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <algorithm>
#include <cmath>

namespace {
const char* const FILE_NAME = "Source/CLimiter";
}  // namespace

CLimiter::CLimiter() : m_attack(1.0, 44100.0), m_release(1.0, 44100.0)
{
    m_indexMask = BUFFER_SIZE - 1;
    setAttack(1.0);
    m_release.setTimeConstant(100.0);
    setThresh(0.0);
    reset();  // allocates both rings
}

CLimiter::CLimiter(const CLimiter& other)
    : m_attack(other.m_attack),
      m_release(other.m_release),
      m_leftRing(std::make_unique<double[]>(BUFFER_SIZE)),
      m_rightRing(std::make_unique<double[]>(BUFFER_SIZE))
{
    *this = other;
}

CLimiter& CLimiter::operator=(const CLimiter& other)
{
    if (this == &other)
        return *this;
    m_attack = other.m_attack;
    m_release = other.m_release;
    m_threshold = other.m_threshold;
    m_thresholdLinear = other.m_thresholdLinear;
    m_lookAhead = other.m_lookAhead;
    m_holdCounter = other.m_holdCounter;
    m_heldPeak = other.m_heldPeak;
    m_envelope = other.m_envelope;
    m_indexMask = other.m_indexMask;
    m_writeIndex = other.m_writeIndex;
    if (!m_leftRing)
        m_leftRing = std::make_unique<double[]>(BUFFER_SIZE);
    if (!m_rightRing)
        m_rightRing = std::make_unique<double[]>(BUFFER_SIZE);
    std::copy(other.m_leftRing.get(), other.m_leftRing.get() + BUFFER_SIZE, m_leftRing.get());
    std::copy(other.m_rightRing.get(), other.m_rightRing.get() + BUFFER_SIZE, m_rightRing.get());
    return *this;
}

void CLimiter::setThresh(double dB)
{
    m_threshold = dB;
    m_thresholdLinear = dB2lin(dB);
}

double CLimiter::getThresh() const
{
    return m_threshold;
}

std::int32_t CLimiter::getLatency() const
{
    return m_lookAhead;
}

double CLimiter::getAttack() const
{
    return m_attack.getTimeConstant();
}

double CLimiter::getRelease() const
{
    return m_release.getTimeConstant();
}

void CLimiter::setAttack(double ms)
{
    // The time constant and the look-ahead must stay consistent, so a time
    // the attack detector would reject changes neither.
    if (!DSP_REQUIRE(FILE_NAME, ms > 0.0))
        return;
    // Compared as a double first: the conversion to an integer is only
    // defined once the value is known to be in range.
    const double samp = ms * 0.001 * m_attack.getSampleRate();
    if (DSP_REQUIRE(FILE_NAME, samp < BUFFER_SIZE))
        m_lookAhead = static_cast<std::int32_t>(samp);
    else
        m_lookAhead = BUFFER_SIZE - 1;
    m_attack.setTimeConstant(ms);
}

void CLimiter::setRelease(double ms)
{
    m_release.setTimeConstant(ms);
}

void CLimiter::setSamplerate(double sampleRate)
{
    m_attack.setSampleRate(sampleRate);
    m_release.setSampleRate(sampleRate);
    setAttack(getAttack());
    m_release.setTimeConstant(getRelease());
}

void CLimiter::reset()
{
    const double thresholdLinear = m_thresholdLinear;
    m_heldPeak = thresholdLinear;
    m_holdCounter = 0;
    m_envelope = thresholdLinear;
    m_writeIndex = 0;
    m_leftRing = std::make_unique<double[]>(BUFFER_SIZE);
    m_rightRing = std::make_unique<double[]>(BUFFER_SIZE);
}

void CLimiter::zeroBuffers()
{
    if (m_leftRing && m_rightRing) {
        std::fill(m_leftRing.get(), m_leftRing.get() + BUFFER_SIZE, 0.0);
        std::fill(m_rightRing.get(), m_rightRing.get() + BUFFER_SIZE, 0.0);
    }
}

void CLimiter::process(double& left, double& right)
{
    // NaN or infinity reads as silence for the detector and the rings.
    left = dspSilenceIfNonFinite(left);
    right = dspSilenceIfNonFinite(right);

    ++m_holdCounter;
    const double aL = std::fabs(left);
    const double aR = std::fabs(right);
    const double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
    const double thresholdLinear = m_thresholdLinear;
    const double x = thresholdLinear > peak ? thresholdLinear : peak;
    if (m_holdCounter >= m_lookAhead || x > m_heldPeak) {
        m_holdCounter = 0;
        m_heldPeak = x;
    }
    if (m_heldPeak > m_envelope)
        m_envelope = m_heldPeak + (m_envelope - m_heldPeak) * m_attack.getCoef();
    else
        m_envelope = m_heldPeak + (m_envelope - m_heldPeak) * m_release.getCoef();
    delay(left, right, thresholdLinear / m_envelope);
}

void CLimiter::processBlank(double& left, double& right)
{
    left = dspSilenceIfNonFinite(left);
    right = dspSilenceIfNonFinite(right);
    delay(left, right, 1.0);
}

void CLimiter::delay(double& left, double& right, double gain)
{
    const std::int32_t delayIndex = (m_writeIndex - m_lookAhead) & m_indexMask;
    if (!DSP_REQUIRE(FILE_NAME, delayIndex >= 0 && delayIndex < BUFFER_SIZE))
        return;
    const double inLeft = left;
    const double inRight = right;
    left = m_leftRing[delayIndex] * gain;
    right = m_rightRing[delayIndex] * gain;
    m_leftRing[m_writeIndex] = inLeft;
    m_rightRing[m_writeIndex] = inRight;
    m_writeIndex = (m_writeIndex + 1) & m_indexMask;
}
