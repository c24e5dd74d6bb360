#pragma once

#include "basics/CCountedObject.hpp"
#include "midi/CMidiEvent.hpp"

namespace Corvane { namespace Midi {

/**
 * A fixed list of the MIDI events of one processing block. The events live
 * inside the list, so filling and emptying it never allocates; events beyond
 * CMIDIEVENTLIST_MAX_EVENTS are dropped.
 */
class CMidiEventList : public Basics::CCountedObject {
public:
    static constexpr int CMIDIEVENTLIST_MAX_EVENTS = 128;

    CMidiEventList();
    ~CMidiEventList() override;

    /** The event at index, or null unless 0 <= index < the number of events. */
    CMidiEvent* getEventAtIndex(int index);
    const CMidiEvent* getEventAtIndex(int index) const;
    int getNumberOfEvents() const { return m_numberOfEvents; }
    bool isFull() const { return m_numberOfEvents >= CMIDIEVENTLIST_MAX_EVENTS; }

    /** Appends one event; false (and nothing stored) when the list is full. */
    bool addEvent(int type, int data1, int data2, int channel, int deltaFrames, double value = 0.0);

    /** The next unread event, or null when all have been read. */
    CMidiEvent* getNextEvent();

    /** Empties the list: no events, read position 0. */
    void clearEvents();

    /** The channel (0-15) whose events the list accepts. */
    void setChannel(int channel) { m_channel = channel; }
    int getChannel() const { return m_channel; }

    CMidiEventList(const CMidiEventList&) = delete;
    CMidiEventList& operator=(const CMidiEventList&) = delete;

    CVN_DECLARE_CLASS

private:
    CMidiEvent m_events[CMIDIEVENTLIST_MAX_EVENTS];
    int m_channel;
    int m_numberOfEvents;
    int m_readPosition;
};

}}  // namespace Corvane::Midi
