// One short MIDI message for the development host to send to an effect.
#pragma once

#include <cstdint>

namespace DevHost {

struct SMidiMessage {
    uint8_t status = 0;  // type in the high nibble, channel in the low nibble
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    int32_t deltaFrames = 0;

    static SMidiMessage controller(int channel, int number, int value, int delta = 0)
    {
        return {static_cast<uint8_t>(0xB0 | (channel & 0x0F)), static_cast<uint8_t>(number),
                static_cast<uint8_t>(value), delta};
    }
    static SMidiMessage noteOn(int channel, int note, int velocity, int delta = 0)
    {
        return {static_cast<uint8_t>(0x90 | (channel & 0x0F)), static_cast<uint8_t>(note),
                static_cast<uint8_t>(velocity), delta};
    }
    static SMidiMessage pitchBend(int channel, int lsb, int msb, int delta = 0)
    {
        return {static_cast<uint8_t>(0xE0 | (channel & 0x0F)), static_cast<uint8_t>(lsb), static_cast<uint8_t>(msb),
                delta};
    }
};

}  // namespace DevHost
