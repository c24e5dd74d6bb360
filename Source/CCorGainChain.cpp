#include "CCorGainChain.hpp"

#include "math/CScopedDenormalFlush.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

const float kSilence[CCorGainChain::CCORGAINCHAIN_SPARE_FRAMES] = {};

// A sample beyond any level a signal can have is corrupt data: like NaN and
// infinity it is read as silence, so that it cannot drive the detectors (and
// mute the stream for seconds) or overflow the output.
inline float plausibleSample(float x)
{
    return std::fabs(x) <= CCorGainChain::CCORGAINCHAIN_LOUDEST_PLAUSIBLE_SAMPLE ? x : 0.0f;
}

inline double shape(const CValveModel& valve, const CCorGainChain::SValveCurve& curve, double x)
{
    return valve.process(curve.a, curve.b, x) * curve.scale;
}

}  // namespace

CCorGainChain::CCorGainChain()
    : m_settings(),
      m_sampleRate(CCORGAINCHAIN_DEFAULT_RATE),
      m_leftEQ(),
      m_rightEQ(),
      m_valve(),
      m_compressor(),
      m_limiter(),
      m_blockPeak(0.0f),
      m_lastOutputLevel(0.0f),
      m_discardedOutput()
{
    m_limiter.setAttack(CCORGAINCHAIN_LIMITER_ATTACK);
    prepare(CCORGAINCHAIN_DEFAULT_RATE);
    apply(m_settings);
}

void CCorGainChain::prepare(double sampleRate)
{
    m_sampleRate =
        sampleRate > CCORGAINCHAIN_LOWEST_RATE && std::isfinite(sampleRate) ? sampleRate : CCORGAINCHAIN_DEFAULT_RATE;
    m_leftEQ.initEQ(CCORGAINCHAIN_EQ_LOW_CORNER, CCORGAINCHAIN_EQ_HIGH_CORNER, m_sampleRate);
    m_rightEQ.initEQ(CCORGAINCHAIN_EQ_LOW_CORNER, CCORGAINCHAIN_EQ_HIGH_CORNER, m_sampleRate);
    m_compressor.setSamplerate(m_sampleRate);
    m_compressor.reset();
    m_limiter.setSamplerate(m_sampleRate);
    m_limiter.reset();
}

void CCorGainChain::apply(const SChainSettings& settings)
{
    m_settings = settings;
    m_leftEQ.setGain(settings.eqLowGain, settings.eqMidGain, settings.eqHighGain);
    m_rightEQ.setGain(settings.eqLowGain, settings.eqMidGain, settings.eqHighGain);
    m_compressor.setThresh(settings.threshold);
    m_compressor.setRatio(settings.ratio);
    m_compressor.setAttack(settings.attack);
    m_compressor.setRelease(settings.release);
    m_compressor.setKnee(settings.knee);
    m_limiter.setThresh(settings.limiterThreshold);
    m_limiter.setRelease(settings.limiterRelease);
}

void CCorGainChain::process(const float* const* inputs, float* const* outputs, int frames)
{
    m_blockPeak = 0.0f;
    m_lastOutputLevel = 0.0f;
    if (inputs == nullptr || outputs == nullptr || frames <= 0) {
        return;
    }
    // Decaying filter and detector states must not fall into slow denormal arithmetic.
    const MathTools::CScopedDenormalFlush flushDenormals;
    const bool keyMissing = m_settings.externalKey && (inputs[2] == nullptr || inputs[3] == nullptr);
    if (inputs[0] != nullptr && inputs[1] != nullptr && outputs[0] != nullptr && outputs[1] != nullptr && !keyMissing) {
        processFrames(inputs, outputs, frames);
        return;
    }
    // Missing channels: silence is read in place of an input, a missing output goes nowhere, pass by pass.
    for (int done = 0; done < frames; done += CCORGAINCHAIN_SPARE_FRAMES) {
        const float* in[CCORGAINCHAIN_INPUTS];
        for (int c = 0; c < CCORGAINCHAIN_INPUTS; ++c) {
            const bool read = c < 2 || m_settings.externalKey;
            in[c] = read && inputs[c] != nullptr ? inputs[c] + done : kSilence;
        }
        float* out[CCORGAINCHAIN_OUTPUTS];
        for (int c = 0; c < CCORGAINCHAIN_OUTPUTS; ++c) {
            out[c] = outputs[c] != nullptr ? outputs[c] + done : m_discardedOutput;
        }
        processFrames(in, out, std::min(CCORGAINCHAIN_SPARE_FRAMES, frames - done));
    }
}

void CCorGainChain::processFrames(const float* const* inputs, float* const* outputs, int frames)
{
    const SChainSettings& s = m_settings;
    const float* inL = inputs[0];
    const float* inR = inputs[1];
    const float* keyInL = inputs[2];
    const float* keyInR = inputs[3];
    float* outL = outputs[0];
    float* outR = outputs[1];
    const float dry = 1.0f - s.mix;
    for (int i = 0; i < frames; ++i) {
        const float hostL = plausibleSample(inL[i]);
        const float hostR = plausibleSample(inR[i]);
        double audioL = hostL;
        double audioR = hostR;

        // The key comes from the main input before the valve, or from the key pair.
        const double sourceL = s.externalKey ? plausibleSample(keyInL[i]) : audioL;
        const double sourceR = s.externalKey ? plausibleSample(keyInR[i]) : audioR;
        double keyL = s.keyInput == SChainSettings::SCHAINSETTINGS_KEY_RIGHT ? sourceR : sourceL;
        double keyR = s.keyInput == SChainSettings::SCHAINSETTINGS_KEY_LEFT ? sourceL : sourceR;

        if (s.valve == SChainSettings::SCHAINSETTINGS_VALVE_SOFT) {
            audioL = shape(m_valve, CCORGAINCHAIN_SOFT_VALVE, audioL);
            audioR = shape(m_valve, CCORGAINCHAIN_SOFT_VALVE, audioR);
        } else if (s.valve == SChainSettings::SCHAINSETTINGS_VALVE_DIRTY) {
            audioL = shape(m_valve, CCORGAINCHAIN_DIRTY_VALVE, audioL);
            audioR = shape(m_valve, CCORGAINCHAIN_DIRTY_VALVE, audioR);
        }

        if (s.equaliseKey) {
            keyL = m_leftEQ.processEQ(keyL);
            keyR = m_rightEQ.processEQ(keyR);
        }

        double mid = keyL + keyR;
        double side = keyL - keyR;
        mid *= s.midGain;
        side *= s.sideGain;
        keyL = (mid + side) * 0.5;
        keyR = (mid - side) * 0.5;

        if (s.compress) {
            m_compressor.processRMS(audioL, audioR, keyL, keyR);
        }

        // The dry part is the raw input, weighted in single precision.
        double workL = s.makeUp ? s.mix * audioL * s.makeUpGain : s.mix * audioL;
        double workR = s.makeUp ? s.mix * audioR * s.makeUpGain : s.mix * audioR;
        workL += static_cast<double>(dry * hostL);
        workR += static_cast<double>(dry * hostR);

        if (s.limit) {
            m_limiter.process(workL, workR);
            if (s.makeUp) {
                workL = (workL * s.limiterGain) * s.ceiling;
                workR = (workR * s.limiterGain) * s.ceiling;
            }
            workL = (std::fabs(workL + s.ceiling) - std::fabs(workL - s.ceiling)) * 0.5;
            workR = (std::fabs(workR + s.ceiling) - std::fabs(workR - s.ceiling)) * 0.5;
        } else {
            m_limiter.processBlank(workL, workR);
        }

        const float left = static_cast<float>(s.monitorKey ? keyL : workL * s.outputGain);
        const float right = static_cast<float>(s.monitorKey ? keyR : workR * s.outputGain);
        outL[i] = left;
        outR[i] = right;

        const float a = std::fabs(left);
        const float b = std::fabs(right);
        const float level = ((a - b) + std::fabs(a - b)) * 0.5f + b;
        m_lastOutputLevel = level;
        if (level > m_blockPeak) {
            m_blockPeak = level;
        }
    }
}

}}  // namespace Corvane::CorGain
