#include "CMidiEventBatch.hpp"

#include <cstddef>

namespace DevHost {

CMidiEventBatch::CMidiEventBatch(const std::vector<SMidiMessage>& messages) : m_events(messages.size())
{
    const std::size_t pointers = messages.size() > 2 ? messages.size() : 2;
    m_storage.assign(sizeof(VstEvents) + (pointers - 2) * sizeof(VstEvent*), 0);
    VstEvents* list = events();
    list->numEvents = static_cast<VstInt32>(messages.size());
    for (std::size_t i = 0; i < messages.size(); ++i) {
        VstMidiEvent& event = m_events[i];
        event = VstMidiEvent{};
        event.type = kVstMidiType;
        event.byteSize = sizeof(VstMidiEvent);
        event.deltaFrames = messages[i].deltaFrames;
        event.midiData[0] = static_cast<char>(messages[i].status);
        event.midiData[1] = static_cast<char>(messages[i].data1);
        event.midiData[2] = static_cast<char>(messages[i].data2);
        list->events[i] = reinterpret_cast<VstEvent*>(&event);
    }
}

}  // namespace DevHost
