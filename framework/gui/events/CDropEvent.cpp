#include "gui/events/CDropEvent.hpp"

namespace Corvane { namespace GUI { namespace Events {

CVN_IMPLEMENT_CLASS(CDropEvent, "CCountedObject")

CDropEvent::CDropEvent(const Corvane::Basics::CSystemString& path, const Corvane::MathTools::CPoint& position)
    : m_path(path),
      m_position(position)
{
    CVN_CONSTRUCT_CLASS;
}

CDropEvent::CDropEvent(const CDropEvent& other) : CDropEvent(other.m_path, other.m_position) {}

CDropEvent::~CDropEvent()
{
    CVN_DESTRUCT_CLASS;
}

}}}  // namespace Corvane::GUI::Events
