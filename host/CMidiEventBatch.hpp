// Short MIDI messages laid out as the VstEvents list a host hands to
// effProcessEvents. Built once, it can be sent any number of times without
// allocating, as a host's audio thread sends it.
#pragma once

#include "SMidiMessage.hpp"
#include "VstInterface.hpp"

#include <vector>

namespace DevHost {

class CMidiEventBatch {
public:
    explicit CMidiEventBatch(const std::vector<SMidiMessage>& messages);

    VstEvents* events() { return reinterpret_cast<VstEvents*>(m_storage.data()); }

private:
    std::vector<VstMidiEvent> m_events;
    // VstEvents ends in a variable-length array of event pointers.
    std::vector<char> m_storage;
};

}  // namespace DevHost
