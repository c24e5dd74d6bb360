#include "CCompressorSC.hpp"

#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <cmath>

namespace {
const char* const FILE_NAME = "Source/CCompressorSC";
// The mean-square averager always runs at these settings.
const double RMS_RATE = 44100.0;
const double RMS_MS = 5.0;
}  // namespace

CCompressorSC::CCompressorSC() : mEnvelope(DSP_DETECTOR_FLOOR), mRmsAverager(RMS_MS, RMS_RATE)
{
    mKnee.SetBreakpoints(0.0);
}

void CCompressorSC::setThresh(double dB)
{
    mThreshold.store(dB);
}

double CCompressorSC::getThresh() const
{
    return mThreshold.load();
}

void CCompressorSC::setRatio(double ratio)
{
    if (!DSP_REQUIRE(FILE_NAME, ratio > 0.0))
        return;
    mRatio.store(ratio);
}

double CCompressorSC::getRatio() const
{
    return mRatio.load();
}

void CCompressorSC::setAttack(double ms)
{
    mSmoother.attack().setTimeConstant(ms);
}

double CCompressorSC::getAttack() const
{
    return mSmoother.attack().getTimeConstant();
}

void CCompressorSC::setRelease(double ms)
{
    if (!DSP_REQUIRE(FILE_NAME, ms >= 0.0 && std::isfinite(ms)))
        return;
    if (ms == 0.0)
        ms = 0.001;
    mSmoother.release().timeConstant.store(ms);
    mSmoother.release().setCoef();
}

double CCompressorSC::getRelease() const
{
    return mSmoother.release().timeConstant.load();
}

void CCompressorSC::setSamplerate(double sampleRate)
{
    mSmoother.setSampleRate(sampleRate);
}

void CCompressorSC::setKnee(double k)
{
    mKnee.SetBreakpoints(k);
}

double CCompressorSC::getKnee() const
{
    return mKnee.GetBreakpoints();
}

void CCompressorSC::reset()
{
    mEnvelope = DSP_DETECTOR_FLOOR;
}

void CCompressorSC::process(double& audioL, double& audioR, double keyL, double keyR)
{
    const double aL = std::fabs(keyL);
    const double aR = std::fabs(keyR);
    double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
    if (!std::isfinite(peak))
        peak = 0.0;  // a NaN or infinite key reads as silence
    const double over = lin2dB(peak + DSP_DETECTOR_FLOOR) - mThreshold.load();
    applyGain(over, audioL, audioR);
}

void CCompressorSC::processRMS(double& audioL, double& audioR, double keyL, double keyR)
{
    // Both channels are summed, not averaged.
    double m = keyL * keyL + keyR * keyR + DSP_DETECTOR_FLOOR;
    if (!std::isfinite(m))
        m = DSP_DETECTOR_FLOOR;  // a NaN, infinite or overflowing key reads as silence
    mMeanSquare = (mMeanSquare - m) * mRmsAverager.coefficient.load() + m;
    const double level = std::fabs(std::sqrt(mMeanSquare)) + DSP_DETECTOR_FLOOR;
    const double over = lin2dB(level) - mThreshold.load();
    applyGain(over, audioL, audioR);
}

void CCompressorSC::applyGain(double over, double& audioL, double& audioR)
{
    // Levels at or below the threshold all give the floor.
    const double target = over >= 0.0 ? over + DSP_DETECTOR_FLOOR : DSP_DETECTOR_FLOOR;
    mSmoother.run(target, mEnvelope);
    const double gainDB = (mEnvelope - DSP_DETECTOR_FLOOR) * (mRatio.load() - 1.0);
    const double gain = mKnee.process(dB2lin(gainDB));
    audioL = audioL * gain;
    audioR = audioR * gain;
}
