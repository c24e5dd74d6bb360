#include "CLimiter.hpp"

#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
const char* const FILE_NAME = "Source/CLimiter";
}  // namespace

CLimiter::CLimiter() : mAttack(1.0, 44100.0), mRelease(1.0, 44100.0)
{
    mIndexMask = BUFFER_SIZE - 1;
    setAttack(1.0);
    mRelease.setTimeConstant(100.0);
    setThresh(0.0);
    reset();  // allocates both rings
}

CLimiter::CLimiter(const CLimiter& other)
    : mAttack(other.mAttack),
      mRelease(other.mRelease),
      mLeftRing(std::make_unique<double[]>(BUFFER_SIZE)),
      mRightRing(std::make_unique<double[]>(BUFFER_SIZE))
{
    *this = other;
}

CLimiter& CLimiter::operator=(const CLimiter& other)
{
    if (this == &other)
        return *this;
    mAttack = other.mAttack;
    mRelease = other.mRelease;
    mThreshold = other.mThreshold;
    mThresholdLinear = other.mThresholdLinear;
    mLookAhead = other.mLookAhead;
    mHoldCounter = other.mHoldCounter;
    mHeldPeak = other.mHeldPeak;
    mEnvelope = other.mEnvelope;
    mIndexMask = other.mIndexMask;
    mWriteIndex = other.mWriteIndex;
    if (!mLeftRing)
        mLeftRing = std::make_unique<double[]>(BUFFER_SIZE);
    if (!mRightRing)
        mRightRing = std::make_unique<double[]>(BUFFER_SIZE);
    std::copy(other.mLeftRing.get(), other.mLeftRing.get() + BUFFER_SIZE, mLeftRing.get());
    std::copy(other.mRightRing.get(), other.mRightRing.get() + BUFFER_SIZE, mRightRing.get());
    return *this;
}

void CLimiter::setThresh(double dB)
{
    mThreshold.store(dB);
    mThresholdLinear.store(dB2lin(dB));
}

double CLimiter::getThresh() const
{
    return mThreshold.load();
}

std::int32_t CLimiter::getLatency() const
{
    return mLookAhead;
}

double CLimiter::getAttack() const
{
    return mAttack.getTimeConstant();
}

double CLimiter::getRelease() const
{
    return mRelease.getTimeConstant();
}

void CLimiter::setAttack(double ms)
{
    // The time constant and the look-ahead must stay consistent, so a time
    // the attack detector would reject changes neither.
    if (!DSP_REQUIRE(FILE_NAME, ms > 0.0))
        return;
    // Compared as a double first: the conversion to an integer is only
    // defined once the value is known to be in range.
    const double samp = ms * 0.001 * mAttack.getSampleRate();
    if (DSP_REQUIRE(FILE_NAME, samp < BUFFER_SIZE))
        mLookAhead = static_cast<std::int32_t>(samp);
    else
        mLookAhead = BUFFER_SIZE - 1;
    std::fprintf(stderr, "Peak is %d\n", static_cast<int>(mLookAhead));
    mAttack.setTimeConstant(ms);
}

void CLimiter::setRelease(double ms)
{
    mRelease.setTimeConstant(ms);
}

void CLimiter::setSamplerate(double sampleRate)
{
    mAttack.setSampleRate(sampleRate);
    mRelease.setSampleRate(sampleRate);
    setAttack(getAttack());
    mRelease.setTimeConstant(getRelease());
}

void CLimiter::reset()
{
    const double thresholdLinear = mThresholdLinear.load();
    mHeldPeak = thresholdLinear;
    mHoldCounter = 0;
    mEnvelope = thresholdLinear;
    mWriteIndex = 0;
    mLeftRing = std::make_unique<double[]>(BUFFER_SIZE);
    mRightRing = std::make_unique<double[]>(BUFFER_SIZE);
}

void CLimiter::zeroBuffers()
{
    if (mLeftRing && mRightRing) {
        std::fill(mLeftRing.get(), mLeftRing.get() + BUFFER_SIZE, 0.0);
        std::fill(mRightRing.get(), mRightRing.get() + BUFFER_SIZE, 0.0);
    }
}

void CLimiter::process(double& left, double& right)
{
    // NaN or infinity reads as silence for the detector and the rings.
    left = dspSilenceIfNonFinite(left);
    right = dspSilenceIfNonFinite(right);

    ++mHoldCounter;
    const double aL = std::fabs(left);
    const double aR = std::fabs(right);
    const double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
    const double thresholdLinear = mThresholdLinear.load();
    const double x = thresholdLinear > peak ? thresholdLinear : peak;
    if (mHoldCounter >= mLookAhead || x > mHeldPeak) {
        mHoldCounter = 0;
        mHeldPeak = x;
    }
    if (mHeldPeak > mEnvelope)
        mEnvelope = mHeldPeak + (mEnvelope - mHeldPeak) * mAttack.getCoef();
    else
        mEnvelope = mHeldPeak + (mEnvelope - mHeldPeak) * mRelease.getCoef();
    delay(left, right, thresholdLinear / mEnvelope);
}

void CLimiter::processBlank(double& left, double& right)
{
    left = dspSilenceIfNonFinite(left);
    right = dspSilenceIfNonFinite(right);
    delay(left, right, 1.0);
}

void CLimiter::delay(double& left, double& right, double gain)
{
    const std::int32_t delayIndex = (mWriteIndex - mLookAhead) & mIndexMask;
    if (!DSP_REQUIRE(FILE_NAME, delayIndex >= 0 && delayIndex < BUFFER_SIZE))
        return;
    const double inLeft = left;
    const double inRight = right;
    left = mLeftRing[delayIndex] * gain;
    right = mRightRing[delayIndex] * gain;
    mLeftRing[mWriteIndex] = inLeft;
    mRightRing[mWriteIndex] = inRight;
    mWriteIndex = (mWriteIndex + 1) & mIndexMask;
}
