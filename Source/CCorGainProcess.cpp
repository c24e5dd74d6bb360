// The effect's audio path: key signal, valve, compressor, mix, limiter, output, and MIDI control.
#include "CCorGain.hpp"

#include "math/CScopedDenormalFlush.hpp"

#include <algorithm>
#include <cmath>

namespace Corvane { namespace CorGain {

namespace {

const float kSilence[CCorGain::CCORGAIN_SPARE_FRAMES] = {};

// A host sample beyond any level a signal can have is corrupt data: like NaN
// and infinity it is read as silence, so that it cannot drive the detectors
// (and mute the track for seconds) or overflow the output.
inline float plausibleSample(float x)
{
    return std::fabs(x) <= CCorGain::CCORGAIN_LOUDEST_PLAUSIBLE_SAMPLE ? x : 0.0f;
}

}  // namespace

void CCorGain::resume()
{
    Vst::CVstEffect::resume();
    float rate = getSampleRate();
    // Scanning hosts answer 0 (or nothing sensible); every block needs a usable rate.
    if (!(rate > 11025.0f) || !std::isfinite(rate)) {
        rate = 44100.0f;
    }
    m_sampleRate = rate;
    m_leftEQ.initEQ(800, 5000, rate);
    m_rightEQ.initEQ(800, 5000, rate);
    m_compressor->setSamplerate(rate);
    m_compressor->reset();
    m_limiter.setSamplerate(rate);
    m_limiter.reset();
    const VstInt32 before = cEffect.initialDelay;
    reportLatency();
    if (cEffect.initialDelay != before) {
        ioChanged();
    }
}

CCorGain::SBlockSettings CCorGain::readBlockSettings() const
{
    // Every setting the chain needs, read once: a change made by the host,
    // by MIDI or by automation takes effect from the next block on.
    SBlockSettings settings;
    settings.keyInput = m_parameters[CCORGAIN_KEY_INPUT]->GetIntData();
    settings.externalKey = m_sideChainMode.load(std::memory_order_relaxed) == 1;
    settings.valve = m_parameters[CCORGAIN_VALVE]->GetIntData();
    // At the centre position the equalisers stay out of the key path.
    settings.equaliseKey =
        !(m_parameters[CCORGAIN_EQ_LOW]->Get() == 0.5f && m_parameters[CCORGAIN_EQ_MID]->Get() == 0.5f &&
          m_parameters[CCORGAIN_EQ_HIGH]->Get() == 0.5f);
    settings.midGain = m_midGain.load(std::memory_order_relaxed);
    settings.sideGain = m_sideGain.load(std::memory_order_relaxed);
    // At 0 dB the compressor is skipped and its detector rests.
    settings.compress = m_parameters[CCORGAIN_THRESHOLD]->Get() != 1.0f;
    settings.mix = m_mix.load(std::memory_order_relaxed);
    settings.makeUp = m_parameters[CCORGAIN_MAKEUP_GAIN]->GetIntData() == 1;
    settings.makeUpGain = m_makeUpGain.load(std::memory_order_relaxed);
    settings.limit = m_parameters[CCORGAIN_LIMIT_ON_OFF]->GetIntData() != 0;
    settings.ceiling = m_outputCeiling.load(std::memory_order_relaxed);
    settings.limiterGain = m_limiterGain.load(std::memory_order_relaxed);
    settings.monitorKey = m_parameters[CCORGAIN_MONITOR]->GetIntData() != 0;
    settings.outputGain = m_outputGain.load(std::memory_order_relaxed);
    return settings;
}

void CCorGain::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    SBlockLevels levels;
    if (inputs != nullptr && outputs != nullptr && sampleFrames > 0) {
        // Decaying filter and detector states must not fall into slow denormal arithmetic.
        const MathTools::CScopedDenormalFlush flushDenormals;
        const SBlockSettings s = readBlockSettings();
        const bool keyChannelsMissing = s.externalKey && (inputs[2] == nullptr || inputs[3] == nullptr);
        if (inputs[0] != nullptr && inputs[1] != nullptr && outputs[0] != nullptr && outputs[1] != nullptr &&
            !keyChannelsMissing) {
            processFrames(s, inputs, outputs, sampleFrames, levels);
        } else {
            // A host that leaves a channel out gets silence read for a missing
            // input and nothing written for a missing output, pass by pass.
            for (VstInt32 done = 0; done < sampleFrames; done += CCORGAIN_SPARE_FRAMES) {
                const VstInt32 frames = std::min(CCORGAIN_SPARE_FRAMES, sampleFrames - done);
                const float* in[CCORGAIN_NUMBER_OF_INPUTS];
                for (int c = 0; c < CCORGAIN_NUMBER_OF_INPUTS; ++c) {
                    const bool read = c < 2 || s.externalKey;
                    in[c] = read && inputs[c] != nullptr ? inputs[c] + done : kSilence;
                }
                float* out[CCORGAIN_NUMBER_OF_OUTPUTS];
                for (int c = 0; c < CCORGAIN_NUMBER_OF_OUTPUTS; ++c) {
                    out[c] = outputs[c] != nullptr ? outputs[c] + done : m_discardedOutput;
                }
                processFrames(s, in, out, frames, levels);
            }
        }
    }
    m_blockPeak = levels.peak;
    m_lastOutputLevel = levels.last;
    Vst::CVstEffect::processReplacing(inputs, outputs, sampleFrames);
}

void CCorGain::processFrames(const SBlockSettings& s, const float* const* inputs, float* const* outputs,
                             VstInt32 frames, SBlockLevels& levels)
{
    const float* inL = inputs[0];
    const float* inR = inputs[1];
    const float* keyInL = inputs[2];
    const float* keyInR = inputs[3];
    float* outL = outputs[0];
    float* outR = outputs[1];
    const float dry = 1.0f - s.mix;
    for (VstInt32 i = 0; i < frames; ++i) {
        const float hostL = plausibleSample(inL[i]);
        const float hostR = plausibleSample(inR[i]);
        double audioL = hostL;
        double audioR = hostR;

        // The key comes from the main input before the valve, or from the key pair.
        const double sourceL = s.externalKey ? plausibleSample(keyInL[i]) : audioL;
        const double sourceR = s.externalKey ? plausibleSample(keyInR[i]) : audioR;
        double keyL = sourceL;
        double keyR = sourceR;
        if (s.keyInput == 0) {
            keyR = sourceL;
        } else if (s.keyInput == 2) {
            keyL = sourceR;
        }

        if (s.valve == 1) {
            audioL = m_valve.process(2.0, 1.0, audioL) * 0.699999988079071;
            audioR = m_valve.process(2.0, 1.0, audioR) * 0.699999988079071;
        } else if (s.valve == 2) {
            audioL = m_valve.process(4.0, 4.0, audioL) * 0.4000000059604645;
            audioR = m_valve.process(4.0, 4.0, audioR) * 0.4000000059604645;
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
            m_compressor->processRMS(audioL, audioR, keyL, keyR);
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
        levels.last = level;
        if (level > levels.peak) {
            levels.peak = level;
        }
    }
}

void CCorGain::process(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processReplacing(inputs, outputs, sampleFrames);
}

VstInt32 CCorGain::processEvents(VstEvents* events)
{
    // The list keeps the block's events until the block is processed; those
    // already there were applied by an earlier call for the same block.
    const int first = m_midiEvents.getNumberOfEvents();
    Vst::CVstEffect::processEvents(events);
    const int count = m_midiEvents.getNumberOfEvents();
    for (int i = first; i < count; ++i) {
        const Midi::CMidiEvent* event = m_midiEvents.getEventAtIndex(i);
        if (event == nullptr || event->getType() != Midi::CMidiEvent::CMIDIEVENT_CONTROLLER) {
            continue;
        }
        const int controller = event->getData1();
        const float value = static_cast<float>(event->getData2()) / 127.0f;
        if (controller <= 9) {
            setProgram(controller);
        } else if (controller == 70) {
            setParameter(CCORGAIN_RATIO, value);
        } else if (controller == 71) {
            setParameter(CCORGAIN_THRESHOLD, value);
        } else if (controller == 72) {
            setParameter(CCORGAIN_ATTACK, value);
        } else if (controller == 73) {
            setParameter(CCORGAIN_RELEASE, value);
        } else if (controller == 74) {
            setParameter(CCORGAIN_MASTER, value);
        }
    }
    return 1;
}

}}  // namespace Corvane::CorGain
