// Conversion of the host's events into the fixed MIDI list.
#include "vst/CVstMidiEventList.hpp"

#include <gtest/gtest.h>

#include <vector>

using Corvane::Midi::CMidiEvent;
using Corvane::Vst::CVstMidiEventList;

namespace {

// Host-side storage for one effProcessEvents call.
class CHostEvents {
public:
    void add(int status, int data1, int data2, int delta = 0, VstInt32 type = kVstMidiType)
    {
        VstMidiEvent event{};
        event.type = type;
        event.byteSize = sizeof(VstMidiEvent);
        event.deltaFrames = delta;
        event.midiData[0] = static_cast<char>(status);
        event.midiData[1] = static_cast<char>(data1);
        event.midiData[2] = static_cast<char>(data2);
        events_.push_back(event);
    }
    void addNull() { nulls_.push_back(events_.size()); }
    const VstEvents* get()
    {
        storage_.assign(sizeof(VstEvents) + (events_.size() + nulls_.size()) * sizeof(VstEvent*), 0);
        VstEvents* list = reinterpret_cast<VstEvents*>(storage_.data());
        size_t slot = 0;
        size_t nullIndex = 0;
        for (size_t i = 0; i <= events_.size(); ++i) {
            while (nullIndex < nulls_.size() && nulls_[nullIndex] == i) {
                list->events[slot++] = nullptr;
                ++nullIndex;
            }
            if (i < events_.size()) {
                list->events[slot++] = reinterpret_cast<VstEvent*>(&events_[i]);
            }
        }
        list->numEvents = static_cast<VstInt32>(slot);
        return list;
    }

private:
    std::vector<VstMidiEvent> events_;
    std::vector<size_t> nulls_;
    std::vector<char> storage_;
};

}  // namespace

TEST(MidiList, ConvertsNotesControllersAndPitchBend)
{
    CHostEvents host;
    host.add(0x90, 60, 100, 3);
    host.add(0x90, 61, 0, 4);  // velocity 0 stays a note on
    host.add(0x80, 0xFF, 0xC0, 5);
    host.add(0xB0, 7, 99, 6);
    host.add(0xB0, 123, 55, 7);
    host.add(0xB0, 126, 1, 8);
    host.add(0xE0, 0x00, 0x40, 9);
    host.add(0xE0, 0x7F, 0x7F, 10);
    host.add(0xE0, 0x00, 0x00, 11);
    CVstMidiEventList list;
    list.addFromVSTEvent(host.get());
    ASSERT_EQ(list.getNumberOfEvents(), 9);

    const CMidiEvent* e = list.getEventAtIndex(0);
    EXPECT_EQ(e->getType(), 0x90);
    EXPECT_EQ(e->getData1(), 60);
    EXPECT_EQ(e->getData2(), 100);
    EXPECT_EQ(e->getDeltaFrames(), 3);
    EXPECT_EQ(list.getEventAtIndex(1)->getType(), 0x90);
    EXPECT_EQ(list.getEventAtIndex(1)->getData2(), 0);
    EXPECT_EQ(list.getEventAtIndex(2)->getType(), 0x80);
    EXPECT_EQ(list.getEventAtIndex(2)->getData1(), 0x7F);  // data bytes are masked to 7 bits
    EXPECT_EQ(list.getEventAtIndex(2)->getData2(), 0x40);
    EXPECT_EQ(list.getEventAtIndex(3)->getType(), 0xB0);
    EXPECT_EQ(list.getEventAtIndex(3)->getData1(), 7);
    EXPECT_EQ(list.getEventAtIndex(3)->getData2(), 99);
    for (int i : {4, 5}) {
        EXPECT_EQ(list.getEventAtIndex(i)->getType(), 123);
        EXPECT_EQ(list.getEventAtIndex(i)->getData1(), 0);
        EXPECT_EQ(list.getEventAtIndex(i)->getData2(), 0);
    }
    EXPECT_EQ(list.getEventAtIndex(6)->getType(), 0xE0);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(6)->getValue(), 0.0);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(7)->getValue(), 0.9998779296875);
    EXPECT_DOUBLE_EQ(list.getEventAtIndex(8)->getValue(), -1.0);
    EXPECT_EQ(list.getEventAtIndex(8)->getDeltaFrames(), 11);

    EXPECT_EQ(list.getEventAtIndex(9), nullptr);
    EXPECT_EQ(list.getEventAtIndex(-1), nullptr);
    EXPECT_EQ(list.getNextEvent(), list.getEventAtIndex(0));
    list.clearEvents();
    EXPECT_EQ(list.getNumberOfEvents(), 0);
    EXPECT_EQ(list.getEventAtIndex(0), nullptr);
    EXPECT_EQ(list.getNextEvent(), nullptr);
}

TEST(MidiList, SkipsOtherChannelsTypesAndMessages)
{
    CHostEvents host;
    host.add(0xB1, 5, 5);                    // channel 2
    host.add(0xB0, 5, 5, 0, kVstSysExType);  // not a MIDI event
    host.addNull();
    host.add(0xA0, 60, 10);  // poly pressure
    host.add(0xC0, 3, 0);    // program change
    host.add(0xD0, 3, 0);    // channel pressure
    host.add(0xF8, 0, 0);    // clock
    host.add(0x9F, 60, 1);   // channel 16
    CVstMidiEventList list;
    list.addFromVSTEvent(host.get());
    EXPECT_EQ(list.getNumberOfEvents(), 0);

    list.setChannel(15);
    list.addFromVSTEvent(host.get());
    ASSERT_EQ(list.getNumberOfEvents(), 1);
    EXPECT_EQ(list.getEventAtIndex(0)->getChannel(), 15);

    list.addFromVSTEvent(nullptr);
    VstEvents empty{};
    list.addFromVSTEvent(&empty);
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
    list.addFromVSTEvent(host.get());  // full: nothing more
    EXPECT_EQ(list.getNumberOfEvents(), 128);
    EXPECT_FALSE(list.addEvent(0x90, 1, 1, 0, 0));
    list.clearEvents();
    list.addFromVSTEvent(host.get());
    EXPECT_EQ(list.getNumberOfEvents(), 128);
}
