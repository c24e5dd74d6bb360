// The effect's audio path: key signal, valve, compressor, mix, limiter, output, and MIDI control.
#include "CCorGain.hpp"

#include <cmath>

namespace Corvane { namespace CorGain {

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

void CCorGain::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    m_blockPeak = 0.0f;
    m_lastOutputLevel = 0.0f;
    if (inputs != nullptr && outputs != nullptr && sampleFrames > 0) {
        const float* inL = inputs[0];
        const float* inR = inputs[1];
        const float* keyInL = inputs[2];
        const float* keyInR = inputs[3];
        float* outL = outputs[0];
        float* outR = outputs[1];
        for (VstInt32 i = 0; i < sampleFrames; ++i) {
            double audioL = inL[i];
            double audioR = inR[i];

            double keyL = 0.0;
            double keyR = 0.0;
            const int keyInput = m_parameters[CCORGAIN_KEY_INPUT]->GetIntData();
            const bool external = m_sideChainMode.load(std::memory_order_relaxed) == 1;
            const double sourceL = external ? keyInL[i] : audioL;
            const double sourceR = external ? keyInR[i] : audioR;
            if (keyInput == 0) {
                keyL = keyR = sourceL;
            } else if (keyInput == 2) {
                keyL = keyR = sourceR;
            } else {
                keyL = sourceL;
                keyR = sourceR;
            }

            const int valve = m_parameters[CCORGAIN_VALVE]->GetIntData();
            if (valve == 1) {
                audioL = m_valve.process(2.0, 1.0, audioL) * 0.699999988079071;
                audioR = m_valve.process(2.0, 1.0, audioR) * 0.699999988079071;
            } else if (valve == 2) {
                audioL = m_valve.process(4.0, 4.0, audioL) * 0.4000000059604645;
                audioR = m_valve.process(4.0, 4.0, audioR) * 0.4000000059604645;
            }

            // At the centre position the equalisers stay out of the key path.
            if (!(m_parameters[CCORGAIN_EQ_LOW]->Get() == 0.5f && m_parameters[CCORGAIN_EQ_MID]->Get() == 0.5f &&
                  m_parameters[CCORGAIN_EQ_HIGH]->Get() == 0.5f)) {
                keyL = m_leftEQ.processEQ(keyL);
                keyR = m_rightEQ.processEQ(keyR);
            }

            double mid = keyL + keyR;
            double side = keyL - keyR;
            mid *= m_midGain.load(std::memory_order_relaxed);
            side *= m_sideGain.load(std::memory_order_relaxed);
            keyL = (mid + side) * 0.5;
            keyR = (mid - side) * 0.5;

            if (m_parameters[CCORGAIN_THRESHOLD]->Get() != 1.0f) {
                m_compressor->processRMS(audioL, audioR, keyL, keyR);
            }

            const float mix = m_mix.load(std::memory_order_relaxed);
            const bool makeUp = m_parameters[CCORGAIN_MAKEUP_GAIN]->GetIntData() == 1;
            const double makeUpGain = m_makeUpGain.load(std::memory_order_relaxed);
            double workL = makeUp ? mix * audioL * makeUpGain : mix * audioL;
            double workR = makeUp ? mix * audioR * makeUpGain : mix * audioR;
            workL += static_cast<double>((1.0f - mix) * inL[i]);
            workR += static_cast<double>((1.0f - mix) * inR[i]);

            if (m_parameters[CCORGAIN_LIMIT_ON_OFF]->GetIntData() != 0) {
                m_limiter.process(workL, workR);
                const double ceiling = m_outputCeiling.load(std::memory_order_relaxed);
                if (makeUp) {
                    const double gain = m_limiterGain.load(std::memory_order_relaxed);
                    workL = (workL * gain) * ceiling;
                    workR = (workR * gain) * ceiling;
                }
                workL = (std::fabs(workL + ceiling) - std::fabs(workL - ceiling)) * 0.5;
                workR = (std::fabs(workR + ceiling) - std::fabs(workR - ceiling)) * 0.5;
            } else {
                m_limiter.processBlank(workL, workR);
            }

            if (m_parameters[CCORGAIN_MONITOR]->GetIntData() == 0) {
                const double gain = m_outputGain.load(std::memory_order_relaxed);
                outL[i] = static_cast<float>(workL * gain);
                outR[i] = static_cast<float>(workR * gain);
            } else {
                outL[i] = static_cast<float>(keyL);
                outR[i] = static_cast<float>(keyR);
            }

            const float a = std::fabs(outL[i]);
            const float b = std::fabs(outR[i]);
            const float level = ((a - b) + std::fabs(a - b)) * 0.5f + b;
            m_lastOutputLevel = level;
            if (level > m_blockPeak) {
                m_blockPeak = level;
            }
        }
    }
    Vst::CVstEffect::processReplacing(inputs, outputs, sampleFrames);
}

void CCorGain::process(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    processReplacing(inputs, outputs, sampleFrames);
}

VstInt32 CCorGain::processEvents(VstEvents* events)
{
    Vst::CVstEffect::processEvents(events);
    const int count = m_midiEvents.getNumberOfEvents();
    for (int i = 0; i < count; ++i) {
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
