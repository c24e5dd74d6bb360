#include "CVstEventBuffer.hpp"

#include <algorithm>

namespace Tenvira { namespace Jack {

namespace {

// The length of a channel message by its status byte; 0 for system messages and data bytes.
std::size_t messageLength(unsigned char status)
{
    if (status < 0x80 || status >= 0xF0)
        return 0;
    const unsigned char type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 2 : 3;
}

}  // namespace

CVstEventBuffer::CVstEventBuffer()
    : m_events(CAPACITY),
      m_storage(sizeof(VstEvents) + (CAPACITY - 2) * sizeof(VstEvent*), 0)
{
    VstEvents* events = list();
    for (int i = 0; i < CAPACITY; ++i) {
        VstMidiEvent& event = m_events[static_cast<std::size_t>(i)];
        event = VstMidiEvent{};
        event.type = kVstMidiType;
        event.byteSize = sizeof(VstMidiEvent);
        events->events[i] = reinterpret_cast<VstEvent*>(&event);
    }
    events->numEvents = 0;
}

void CVstEventBuffer::clear()
{
    list()->numEvents = 0;
}

bool CVstEventBuffer::add(const unsigned char* bytes, std::size_t size, int deltaFrames)
{
    VstEvents* events = list();
    if (bytes == nullptr || size == 0 || events->numEvents >= CAPACITY)
        return false;
    const std::size_t length = messageLength(bytes[0]);
    if (length == 0 || size != length)
        return false;
    for (std::size_t i = 1; i < length; ++i)
        if (bytes[i] >= 0x80)
            return false;
    VstMidiEvent& event = m_events[static_cast<std::size_t>(events->numEvents)];
    event.deltaFrames = deltaFrames < 0 ? 0 : deltaFrames;
    for (std::size_t i = 0; i < 4; ++i)
        event.midiData[i] = static_cast<char>(i < length ? bytes[i] : 0);
    ++events->numEvents;
    return true;
}

void CVstEventBuffer::takePart(const CVstEventBuffer& source, int first, int end)
{
    int count = 0;
    for (int i = 0; i < source.size(); ++i) {
        const VstMidiEvent& event = source.m_events[static_cast<std::size_t>(i)];
        if (event.deltaFrames >= first && event.deltaFrames < end) {
            VstMidiEvent& part = m_events[static_cast<std::size_t>(count++)];
            part.deltaFrames = event.deltaFrames - first;
            std::copy(event.midiData, event.midiData + 4, part.midiData);
        }
    }
    list()->numEvents = count;
}

}}  // namespace Tenvira::Jack
