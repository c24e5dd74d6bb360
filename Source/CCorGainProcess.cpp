// The effect on the audio thread: the chain brought up to the parameter values,
// blocks processed, MIDI controllers applied.
#include "CCorGain.hpp"

namespace Corvane { namespace CorGain {

void CCorGain::resume()
{
    Vst::CVstEffect::resume();
    m_chain.prepare(getSampleRate());
    const VstInt32 before = cEffect.initialDelay;
    reportLatency();
    if (cEffect.initialDelay != before) {
        ioChanged();
    }
}

void CCorGain::updateChainSettings()
{
    if (m_bank.getSequence() != m_appliedSequence) {
        float values[CCORGAIN_NUMBER_OF_PARAMETERS];
        m_appliedSequence = m_bank.readValues(values);
        m_chain.apply(m_table.settingsFor(values));
    }
}

void CCorGain::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames)
{
    // Changes made since the last block take effect from its first sample, all of them together.
    updateChainSettings();
    m_chain.process(inputs, outputs, sampleFrames);
    tellEditor(CCORGAIN_BLOCK_PEAK, m_chain.getBlockPeak());
    Vst::CVstEffect::processReplacing(inputs, outputs, sampleFrames);
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
        if (controller <= CCORGAIN_MIDI_LAST_PROGRAM_CONTROLLER) {
            setProgram(controller);
            continue;
        }
        switch (controller) {
        case CCORGAIN_MIDI_RATIO_CONTROLLER:
            setParameter(CCORGAIN_RATIO, value);
            break;
        case CCORGAIN_MIDI_THRESHOLD_CONTROLLER:
            setParameter(CCORGAIN_THRESHOLD, value);
            break;
        case CCORGAIN_MIDI_ATTACK_CONTROLLER:
            setParameter(CCORGAIN_ATTACK, value);
            break;
        case CCORGAIN_MIDI_RELEASE_CONTROLLER:
            setParameter(CCORGAIN_RELEASE, value);
            break;
        case CCORGAIN_MIDI_MASTER_CONTROLLER:
            setParameter(CCORGAIN_MASTER, value);
            break;
        default:
            break;
        }
    }
    return 1;
}

}}  // namespace Corvane::CorGain
