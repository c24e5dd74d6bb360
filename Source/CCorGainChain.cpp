#include "CCorGainChain.hpp"

#include "DspVector.hpp"
#include "math/CScopedDenormalFlush.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

const float kSilence[CCorGainChain::CCORGAINCHAIN_CHUNK_FRAMES] = {};

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
      m_chunk(),
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
    if (inputs == nullptr || outputs == nullptr || frames <= 0) {
        return;
    }
    // Decaying filter and detector states must not fall into slow denormal arithmetic.
    const MathTools::CScopedDenormalFlush flushDenormals;
    for (int done = 0; done < frames; done += CCORGAINCHAIN_CHUNK_FRAMES) {
        // A channel the host left out: silence is read in its place, or its output goes nowhere.
        const float* in[CCORGAINCHAIN_INPUTS];
        for (int c = 0; c < CCORGAINCHAIN_INPUTS; ++c) {
            const bool read = c < 2 || m_settings.externalKey;
            in[c] = read && inputs[c] != nullptr ? inputs[c] + done : kSilence;
        }
        float* out[CCORGAINCHAIN_OUTPUTS];
        for (int c = 0; c < CCORGAINCHAIN_OUTPUTS; ++c) {
            out[c] = outputs[c] != nullptr ? outputs[c] + done : m_discardedOutput;
        }
        processChunk(in, out, std::min(CCORGAINCHAIN_CHUNK_FRAMES, frames - done));
    }
}

DSP_TARGET_CLONES void CCorGainChain::processChunk(const float* const* inputs, float* const* outputs, int frames)
{
    using namespace DspVector;
    const SChainSettings& s = m_settings;
    SChunk& c = m_chunk;
    // The host's samples, copied so that whole vectors can be read past the last frame.
    const bool fromLeft = s.keyInput != SChainSettings::SCHAINSETTINGS_KEY_RIGHT;
    const bool fromRight = s.keyInput != SChainSettings::SCHAINSETTINGS_KEY_LEFT;
    const float* sources[4] = {inputs[0], inputs[1], inputs[fromLeft ? 2 : 3], inputs[fromRight ? 3 : 2]};
    const int channels = s.externalKey ? 4 : 2;
    for (int channel = 0; channel < channels; ++channel) {
        for (int i = 0; i < frames; ++i) {
            c.host[channel][i] = sources[channel][i];
        }
    }
    double* widened[4] = {c.audioL, c.audioR, c.keyL, c.keyR};
    const v4f dry = splatFloat(1.0f - s.mix);
    const v4f loudest = splatFloat(CCORGAINCHAIN_LOUDEST_PLAUSIBLE_SAMPLE);
    for (int i = 0; i < frames; i += DSPVECTOR_WIDTH) {
        for (int channel = 0; channel < channels; ++channel) {
            v4f x = load(c.host[channel] + i);
            x = select(abs(x) <= loudest, x, splatFloat(0.0f));
            store(widened[channel] + i, widen(x));
            if (channel < 2) {
                // The dry part is the raw input, weighted in single precision.
                store((channel == 0 ? c.dryL : c.dryR) + i, widen(dry * x));
            }
        }
    }
    // The key comes from the main input before the valve, or from the key pair.
    if (!s.externalKey) {
        for (int i = 0; i < frames; ++i) {
            c.keyL[i] = fromLeft ? c.audioL[i] : c.audioR[i];
            c.keyR[i] = fromRight ? c.audioR[i] : c.audioL[i];
        }
    }

    if (s.valve != SChainSettings::SCHAINSETTINGS_VALVE_BYPASS) {
        const SValveCurve& curve =
            s.valve == SChainSettings::SCHAINSETTINGS_VALVE_SOFT ? CCORGAINCHAIN_SOFT_VALVE : CCORGAINCHAIN_DIRTY_VALVE;
        m_valve.processBlock(curve.a, curve.b, curve.scale, c.audioL, frames);
        m_valve.processBlock(curve.a, curve.b, curve.scale, c.audioR, frames);
    }

    if (s.equaliseKey) {
        CEQ::processStereoBlock(m_leftEQ, m_rightEQ, c.keyL, c.keyR, frames);
    }
    const double midGain = s.midGain;
    const double sideGain = s.sideGain;
    for (int i = 0; i < frames; ++i) {
        const double mid = (c.keyL[i] + c.keyR[i]) * midGain;
        const double side = (c.keyL[i] - c.keyR[i]) * sideGain;
        c.keyL[i] = (mid + side) * 0.5;
        c.keyR[i] = (mid - side) * 0.5;
    }

    if (s.compress) {
        m_compressor.processBlockRMS(c.audioL, c.audioR, c.keyL, c.keyR, frames);
    }

    const double mix = s.mix;
    if (s.makeUp) {
        const double makeUpGain = s.makeUpGain;
        for (int i = 0; i < frames; ++i) {
            c.audioL[i] = mix * c.audioL[i] * makeUpGain + c.dryL[i];
            c.audioR[i] = mix * c.audioR[i] * makeUpGain + c.dryR[i];
        }
    } else {
        for (int i = 0; i < frames; ++i) {
            c.audioL[i] = mix * c.audioL[i] + c.dryL[i];
            c.audioR[i] = mix * c.audioR[i] + c.dryR[i];
        }
    }

    if (s.limit) {
        m_limiter.processBlock(c.audioL, c.audioR, frames);
        const double ceiling = s.ceiling;
        const double normalisation = s.makeUp ? s.limiterGain : 1.0;
        const double scale = s.makeUp ? ceiling : 1.0;
        for (int i = 0; i < frames; ++i) {
            // Multiplying by 1 changes nothing, so one loop serves with make-up gain and without.
            const double workL = (c.audioL[i] * normalisation) * scale;
            const double workR = (c.audioR[i] * normalisation) * scale;
            c.audioL[i] = (std::fabs(workL + ceiling) - std::fabs(workL - ceiling)) * 0.5;
            c.audioR[i] = (std::fabs(workR + ceiling) - std::fabs(workR - ceiling)) * 0.5;
        }
    } else {
        m_limiter.processBlankBlock(c.audioL, c.audioR, frames);
    }

    // The output (or the key itself, which is not scaled: times 1 changes
    // nothing), narrowed, and its level for the meter.
    const double* resultL = s.monitorKey ? c.keyL : c.audioL;
    const double* resultR = s.monitorKey ? c.keyR : c.audioR;
    const v4d gain = splat(s.monitorKey ? 1.0 : s.outputGain);
    const v4f zero = splatFloat(0.0f);
    v4f peak = zero;
    for (int i = 0; i < frames; i += DSPVECTOR_WIDTH) {
        const v4f left = narrow(load(resultL + i) * gain);
        const v4f right = narrow(load(resultR + i) * gain);
        store(c.host[0] + i, left);
        store(c.host[1] + i, right);
        const v4f a = abs(left);
        const v4f b = abs(right);
        v4f level = ((a - b) + abs(a - b)) * splatFloat(0.5f) + b;
        // Lanes past the last frame do not count.
        const v4fi counted = v4fi{i, i + 1, i + 2, i + 3} < v4fi{frames, frames, frames, frames};
        level = select(counted, level, zero);
        peak = select(level > peak, level, peak);
    }
    for (int i = 0; i < frames; ++i) {
        outputs[0][i] = c.host[0][i];
        outputs[1][i] = c.host[1][i];
    }
    for (int lane = 0; lane < DSPVECTOR_WIDTH; ++lane) {
        m_blockPeak = peak[lane] > m_blockPeak ? peak[lane] : m_blockPeak;
    }
}

}}  // namespace Corvane::CorGain
