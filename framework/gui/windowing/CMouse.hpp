#pragma once

#include "basics/CCountedObject.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

class CCursor;

/** Where the pointer is, and the pointer shape it shows (null: the window's default). */
class CMouse : public Corvane::Basics::CCountedObject {
public:
    CMouse();
    CMouse(const CMouse& other);
    CMouse& operator=(const CMouse& other);
    ~CMouse() override;

    const Corvane::MathTools::CPoint& getPosition() const { return m_position; }
    void setPosition(const Corvane::MathTools::CPoint& position) { m_position = position; }
    const CCursor* getCursor() const { return m_cursor; }
    void setCursor(const CCursor* cursor) { m_cursor = cursor; }

    CVN_DECLARE_CLASS

private:
    Corvane::MathTools::CPoint m_position;
    const CCursor* m_cursor;
};

}}}  // namespace Corvane::GUI::Windowing
