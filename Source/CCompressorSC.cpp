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

CCompressorSC::CCompressorSC() : m_envelope(DSP_DETECTOR_FLOOR), m_rmsAverager(RMS_MS, RMS_RATE)
{
    m_knee.SetBreakpoints(0.0);
}

void CCompressorSC::setThresh(double dB)
{
    m_threshold = dB;
    m_quietMeanSquare = dB2lin(2.0 * dB) * (1.0 - 1e-9);
}

double CCompressorSC::getThresh() const
{
    return m_threshold;
}

void CCompressorSC::setRatio(double ratio)
{
    if (!DSP_REQUIRE(FILE_NAME, ratio > 0.0))
        return;
    m_ratio = ratio;
}

double CCompressorSC::getRatio() const
{
    return m_ratio;
}

void CCompressorSC::setAttack(double ms)
{
    m_smoother.attack().setTimeConstant(ms);
}

double CCompressorSC::getAttack() const
{
    return m_smoother.attack().getTimeConstant();
}

void CCompressorSC::setRelease(double ms)
{
    if (!DSP_REQUIRE(FILE_NAME, ms >= 0.0 && std::isfinite(ms)))
        return;
    if (ms == 0.0)
        ms = 0.001;
    m_smoother.release().timeConstant = ms;
    m_smoother.release().setCoef();
}

double CCompressorSC::getRelease() const
{
    return m_smoother.release().timeConstant;
}

void CCompressorSC::setSamplerate(double sampleRate)
{
    m_smoother.setSampleRate(sampleRate);
}

void CCompressorSC::setKnee(double k)
{
    m_knee.SetBreakpoints(k);
}

double CCompressorSC::getKnee() const
{
    return m_knee.GetBreakpoints();
}

void CCompressorSC::reset()
{
    m_envelope = DSP_DETECTOR_FLOOR;
}

void CCompressorSC::process(double& audioL, double& audioR, double keyL, double keyR)
{
    const double aL = std::fabs(keyL);
    const double aR = std::fabs(keyR);
    double peak = ((aL - aR) + std::fabs(aL - aR)) * 0.5 + aR;
    if (!std::isfinite(peak))
        peak = 0.0;  // a NaN or infinite key reads as silence
    const double over = lin2dB(peak + DSP_DETECTOR_FLOOR) - m_threshold;
    applyGain(over, audioL, audioR);
}

void CCompressorSC::processRMS(double& audioL, double& audioR, double keyL, double keyR)
{
    // Both channels are summed, not averaged.
    double m = keyL * keyL + keyR * keyR + DSP_DETECTOR_FLOOR;
    if (!std::isfinite(m))
        m = DSP_DETECTOR_FLOOR;  // a NaN, infinite or overflowing key reads as silence
    m_meanSquare = (m_meanSquare - m) * m_rmsAverager.coefficient + m;
    const double level = std::fabs(std::sqrt(m_meanSquare)) + DSP_DETECTOR_FLOOR;
    const double over = lin2dB(level) - m_threshold;
    applyGain(over, audioL, audioR);
}

void CCompressorSC::applyGain(double over, double& audioL, double& audioR)
{
    // Levels at or below the threshold all give the floor.
    const double target = over >= 0.0 ? over + DSP_DETECTOR_FLOOR : DSP_DETECTOR_FLOOR;
    m_smoother.run(target, m_envelope);
    const double gainDB = (m_envelope - DSP_DETECTOR_FLOOR) * (m_ratio - 1.0);
    const double gain = m_knee.process(dB2lin(gainDB));
    audioL = audioL * gain;
    audioR = audioR * gain;
}
