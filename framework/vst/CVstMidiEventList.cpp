#include "vst/CVstMidiEventList.hpp"

namespace Corvane { namespace Vst {

CVN_IMPLEMENT_CLASS(CVstMidiEventList, "CMidiEventList")

CVstMidiEventList::CVstMidiEventList()
{
    CVN_CONSTRUCT_CLASS;
}

CVstMidiEventList::~CVstMidiEventList()
{
    CVN_DESTRUCT_CLASS;
}

void CVstMidiEventList::addFromVSTEvent(const VstEvents* events)
{
    if (events == nullptr || events->numEvents < 1 || isFull()) {
        return;
    }
    for (VstInt32 i = 0; i < events->numEvents && !isFull(); ++i) {
        const VstEvent* event = events->events[i];
        if (event == nullptr || event->type != kVstMidiType) {
            continue;
        }
        const VstMidiEvent* midi = reinterpret_cast<const VstMidiEvent*>(event);
        const int status = static_cast<unsigned char>(midi->midiData[0]);
        const int byte1 = static_cast<unsigned char>(midi->midiData[1]);
        const int byte2 = static_cast<unsigned char>(midi->midiData[2]);
        const int type = status & 0xF0;
        const int channel = status & 0x0F;
        // Data bytes carry seven bits; a set high bit means the message is
        // broken, and masking it would turn it into another, valid message.
        if (channel != getChannel() || ((byte1 | byte2) & 0x80) != 0) {
            continue;
        }
        switch (type) {
        case Midi::CMidiEvent::CMIDIEVENT_NOTE_ON:
        case Midi::CMidiEvent::CMIDIEVENT_NOTE_OFF:
            addEvent(type, byte1, byte2, channel, midi->deltaFrames);
            break;
        case Midi::CMidiEvent::CMIDIEVENT_CONTROLLER:
            if (byte1 == 123 || byte1 == 126) {
                addEvent(Midi::CMidiEvent::CMIDIEVENT_ALL_NOTES_OFF, 0, 0, channel, midi->deltaFrames);
            } else {
                addEvent(type, byte1, byte2, channel, midi->deltaFrames);
            }
            break;
        case Midi::CMidiEvent::CMIDIEVENT_PITCH_BEND:
            addEvent(type, 0, 0, channel, midi->deltaFrames,
                     static_cast<double>(byte1 + 128 * byte2) * CVSTMIDIEVENTLIST_PITCH_BEND_STEP - 1.0);
            break;
        default:
            break;
        }
    }
}

}}  // namespace Corvane::Vst
