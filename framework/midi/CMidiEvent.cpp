#include "midi/CMidiEvent.hpp"

#include <cstdio>

namespace Corvane { namespace Midi {

CVN_IMPLEMENT_CLASS(CMidiEvent, "CCountedObject")

CMidiEvent::CMidiEvent() : m_type(0), m_data1(0), m_data2(0), m_channel(0), m_deltaFrames(0), m_value(0.0)
{
    CVN_CONSTRUCT_CLASS;
}

CMidiEvent::CMidiEvent(const CMidiEvent& other)
    : Basics::CCountedObject(other),
      m_type(other.m_type),
      m_data1(other.m_data1),
      m_data2(other.m_data2),
      m_channel(other.m_channel),
      m_deltaFrames(other.m_deltaFrames),
      m_value(other.m_value)
{
    CVN_CONSTRUCT_CLASS;
}

CMidiEvent& CMidiEvent::operator=(const CMidiEvent& other)
{
    if (this != &other) {
        setEvent(other.m_type, other.m_data1, other.m_data2, other.m_channel, other.m_deltaFrames, other.m_value);
    }
    return *this;
}

CMidiEvent::~CMidiEvent()
{
    CVN_DESTRUCT_CLASS;
}

void CMidiEvent::setEvent(int type, int data1, int data2, int channel, int deltaFrames, double value)
{
    m_type = type;
    m_data1 = data1;
    m_data2 = data2;
    m_channel = channel;
    m_deltaFrames = deltaFrames;
    m_value = value;
}

void CMidiEvent::getObjectDescription(char* buffer, long size) const
{
    if (buffer != nullptr && size > 0) {
        std::snprintf(buffer, static_cast<std::size_t>(size),
                      "[CMidiEvent type = %d data1 = %d data2 = %d channel = %d delta = %d value = %f]", m_type,
                      m_data1, m_data2, m_channel, m_deltaFrames, m_value);
    }
}

}}  // namespace Corvane::Midi
