#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CSystemString.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace GUI { namespace Events {

/** A file dropped on a window: its path and where it was dropped. */
class CDropEvent : public Corvane::Basics::CCountedObject {
public:
    CDropEvent(const Corvane::Basics::CSystemString& path, const Corvane::MathTools::CPoint& position);
    CDropEvent(const CDropEvent& other);
    CDropEvent& operator=(const CDropEvent&) = delete;
    ~CDropEvent() override;

    const Corvane::Basics::CSystemString& getPath() const { return m_path; }
    const Corvane::MathTools::CPoint& getPosition() const { return m_position; }

    CVN_DECLARE_CLASS

private:
    Corvane::Basics::CSystemString m_path;
    Corvane::MathTools::CPoint m_position;
};

}}}  // namespace Corvane::GUI::Events
