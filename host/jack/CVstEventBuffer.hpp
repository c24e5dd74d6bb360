#pragma once

#include "VstInterface.hpp"

#include <cstddef>
#include <vector>

namespace Tenvira { namespace Jack {

/**
 * The MIDI of one audio block as the VstEvents list a host hands to
 * effProcessEvents. All storage is made by the constructor: clear and add
 * allocate nothing, so the audio thread refills it every block.
 */
class CVstEventBuffer {
public:
    CVstEventBuffer();

    void clear();
    /**
     * Appends one channel message (note, controller, program, pressure, pitch
     * bend) at deltaFrames into the block. Anything else (system messages,
     * a wrong length, stray data bytes) and messages beyond CAPACITY are left
     * out; false then.
     */
    bool add(const unsigned char* bytes, std::size_t size, int deltaFrames);

    /** Replaces the contents with source's events from frame first up to end, their times counted from first. */
    void takePart(const CVstEventBuffer& source, int first, int end);

    int size() const { return list()->numEvents; }
    VstEvents* list() { return reinterpret_cast<VstEvents*>(m_storage.data()); }
    const VstEvents* list() const { return reinterpret_cast<const VstEvents*>(m_storage.data()); }

    /** More than a plug-in keeps per block (Tenvira keeps 128). */
    static constexpr int CAPACITY = 512;

    CVstEventBuffer(const CVstEventBuffer&) = delete;
    CVstEventBuffer& operator=(const CVstEventBuffer&) = delete;

private:
    std::vector<VstMidiEvent> m_events;
    // VstEvents ends in a variable-length array of event pointers.
    std::vector<char> m_storage;
};

}}  // namespace Tenvira::Jack
