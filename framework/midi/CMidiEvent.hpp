#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace Midi {

/**
 * One short MIDI message of a processing block: its kind, two data bytes, the
 * channel, the sample offset in the block and, for pitch bend, the position
 * in -1..1.
 */
class CMidiEvent : public Basics::CCountedObject {
public:
    static constexpr int CMIDIEVENT_NOTE_OFF = 0x80;
    static constexpr int CMIDIEVENT_NOTE_ON = 0x90;
    static constexpr int CMIDIEVENT_CONTROLLER = 0xB0;
    static constexpr int CMIDIEVENT_PITCH_BEND = 0xE0;
    static constexpr int CMIDIEVENT_ALL_NOTES_OFF = 123;

    CMidiEvent();
    CMidiEvent(const CMidiEvent& other);
    CMidiEvent& operator=(const CMidiEvent& other);
    ~CMidiEvent() override;

    void setEvent(int type, int data1, int data2, int channel, int deltaFrames, double value);

    int getType() const { return m_type; }
    int getData1() const { return m_data1; }
    int getData2() const { return m_data2; }
    int getChannel() const { return m_channel; }
    int getDeltaFrames() const { return m_deltaFrames; }
    double getValue() const { return m_value; }

    void getObjectDescription(char* buffer, long size) const override;

    CVN_DECLARE_CLASS

private:
    int m_type;
    int m_data1;
    int m_data2;
    int m_channel;
    int m_deltaFrames;
    double m_value;
};

}}  // namespace Corvane::Midi
