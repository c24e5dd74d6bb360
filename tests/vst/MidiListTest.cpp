// Conversion of the host's events into the fixed MIDI list.
#include "vst/CVstMidiEventList.hpp"

#include <gtest/gtest.h>

#include <vector>

using Corvane::Vst::CVstMidiEventList;

namespace {

// Host-side storage for one effProcessEvents call; a null entry stands for a missing event pointer.
class CHostEvents {
public:
    void add(int status, int data1, int data2, int delta = 0, VstInt32 type = kVstMidiType)
    {
        VstMidiEvent event{};
        event.type = type;
        event.deltaFrames = delta;
        event.midiData[0] = static_cast<char>(status);
        event.midiData[1] = static_cast<char>(data1);
        event.midiData[2] = static_cast<char>(data2);
        m_events.push_back(event);
    }
    const VstEvents* get(bool withNullEntry = false)
    {
        const size_t count = m_events.size() + (withNullEntry ? 1 : 0);
        m_storage.assign(sizeof(VstEvents) + count * sizeof(VstEvent*), 0);
        VstEvents* list = reinterpret_cast<VstEvents*>(m_storage.data());
        list->numEvents = static_cast<VstInt32>(count);
        for (size_t i = 0; i < m_events.size(); ++i) {
            list->events[i + (withNullEntry ? 1 : 0)] = reinterpret_cast<VstEvent*>(&m_events[i]);
        }
        return list;
    }

private:
    std::vector<VstMidiEvent> m_events;
    std::vector<char> m_storage;
};

}  // namespace

TEST(MidiList, ConvertsNotesControllersAndPitchBend)
{
    CHostEvents host;
    host.add(0x90, 61, 0, 4);  // velocity 0 stays a note on
    host.add(0x80, 0x7F, 0x40, 5);
    host.add(0xB0, 123, 55, 7);
    host.add(0xB0, 126, 1, 8);
    host.add(0xE0, 0x00, 0x40, 9);
    host.add(0xE0, 0x7F, 0x7F, 10);
    host.add(0xE0, 0x00, 0x00, 11);
    CVstMidiEventList list;
    list.addFromVSTEvent(host.get(true));
    ASSERT_EQ(list.getNumberOfEvents(), 7);
    const auto* on = list.getEventAtIndex(0);
    EXPECT_EQ(on->getType(), 0x90);
    EXPECT_EQ(on->getData2(), 0);
    EXPECT_EQ(on->getDeltaFrames(), 4);
    EXPECT_EQ(list.getEventAtIndex(1)->getData1(), 0x7F);
    EXPECT_EQ(list.getEventAtIndex(1)->getData2(), 0x40);
    for (int i : {2, 3}) {  // both all-notes-off controllers become one kind of event
        EXPECT_EQ(list.getEventAtIndex(i)->getType(), 123);
        EXPECT_EQ(list.getEventAtIndex(i)->getData1(), 0);
        EXPECT_EQ(list.getEventAtIndex(i)->getData2(), 0);
    }
    EXPECT_EQ(list.getEventAtIndex(4)->getType(), 0xE0);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(4)->getValue(), 0.0);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(5)->getValue(), 0.9998779296875);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(6)->getValue(), -1.0);
    EXPECT_EQ(list.getEventAtIndex(7), nullptr);
    EXPECT_EQ(list.getEventAtIndex(-1), nullptr);
}

TEST(MidiList, SkipsOtherChannelsTypesAndBrokenLists)
{
    CHostEvents host;
    host.add(0xB1, 5, 5);                    // channel 2
    host.add(0xB0, 5, 5, 0, kVstSysExType);  // not a MIDI event
    host.add(0xA0, 60, 10);                  // poly pressure
    host.add(0xC0, 3, 0);                    // program change
    host.add(0xF8, 0, 0);                    // clock
    host.add(0x9F, 60, 1);                   // channel 16
    host.add(0xB0, 0x83, 5);                 // a data byte above 127 is not MIDI: not controller 3
    host.add(0x80, 60, 0xC0);
    host.add(0xE0, 0xFF, 0xFF);
    CVstMidiEventList list;
    list.addFromVSTEvent(host.get());
    EXPECT_EQ(list.getNumberOfEvents(), 0);
    list.setChannel(15);
    list.addFromVSTEvent(host.get());
    ASSERT_EQ(list.getNumberOfEvents(), 1);
    EXPECT_EQ(list.getEventAtIndex(0)->getChannel(), 15);

    list.addFromVSTEvent(nullptr);
    VstEvents empty{};
    empty.numEvents = -5;
    list.addFromVSTEvent(&empty);
    EXPECT_EQ(list.getNumberOfEvents(), 1);
}

TEST(MidiList, KeepsTheFirst128)
{
    CHostEvents host;
    for (int i = 0; i < 200; ++i) {
        host.add(0xB0, i % 120, 1, i);
    }
    CVstMidiEventList list;
    list.addFromVSTEvent(host.get());
    ASSERT_EQ(list.getNumberOfEvents(), 128);
    EXPECT_EQ(list.getEventAtIndex(127)->getDeltaFrames(), 127);
    EXPECT_FALSE(list.addEvent(0x90, 1, 1, 0, 0));  // full: nothing more
    list.clearEvents();
    EXPECT_EQ(list.getNumberOfEvents(), 0);
    EXPECT_EQ(list.getEventAtIndex(0), nullptr);
}
