#include "midi/CMidiEventList.hpp"

namespace Corvane { namespace Midi {

CVN_IMPLEMENT_CLASS(CMidiEventList, "CCountedObject")

CMidiEventList::CMidiEventList() : m_channel(0), m_numberOfEvents(0), m_readPosition(0)
{
    CVN_CONSTRUCT_CLASS;
}

CMidiEventList::~CMidiEventList()
{
    CVN_DESTRUCT_CLASS;
}

CMidiEvent* CMidiEventList::getEventAtIndex(int index)
{
    return (index >= 0 && index < m_numberOfEvents) ? &m_events[index] : nullptr;
}

const CMidiEvent* CMidiEventList::getEventAtIndex(int index) const
{
    return (index >= 0 && index < m_numberOfEvents) ? &m_events[index] : nullptr;
}

bool CMidiEventList::addEvent(int type, int data1, int data2, int channel, int deltaFrames, double value)
{
    if (isFull()) {
        return false;
    }
    m_events[m_numberOfEvents].setEvent(type, data1, data2, channel, deltaFrames, value);
    ++m_numberOfEvents;
    return true;
}

CMidiEvent* CMidiEventList::getNextEvent()
{
    if (m_readPosition >= m_numberOfEvents) {
        return nullptr;
    }
    return &m_events[m_readPosition++];
}

void CMidiEventList::clearEvents()
{
    m_numberOfEvents = 0;
    m_readPosition = 0;
}

}}  // namespace Corvane::Midi
