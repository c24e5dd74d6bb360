#pragma once

#include "basics/CCountedObject.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace GUI { namespace Windowing {
class CMouse;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Events {

/**
 * A mouse event: its kind, the mouse it reads its position from (not owned),
 * the wheel movement of a scroll and the ctrl, shift and alt keys.
 */
class CMouseEvent : public Corvane::Basics::CCountedObject {
public:
    enum EMouseEventType : long {
        CMOUSEEVENT_LEFT_BUTTON_DOWN = 0,
        CMOUSEEVENT_LEFT_BUTTON_UP,
        CMOUSEEVENT_RIGHT_BUTTON_DOWN,
        CMOUSEEVENT_RIGHT_BUTTON_UP,
        CMOUSEEVENT_DOUBLE_CLICK,
        CMOUSEEVENT_SCROLL,
        CMOUSEEVENT_MOVEMENT,
        CMOUSEEVENT_LEAVING_AREA
    };

    explicit CMouseEvent(Windowing::CMouse* mouse = nullptr, EMouseEventType type = CMOUSEEVENT_MOVEMENT);
    CMouseEvent(const CMouseEvent& other);
    CMouseEvent& operator=(const CMouseEvent& other);
    ~CMouseEvent() override;

    EMouseEventType getEventType() const { return m_type; }
    void setEventType(EMouseEventType type) { m_type = type; }
    Windowing::CMouse* getMouse() const { return m_mouse; }
    void setMouse(Windowing::CMouse* mouse) { m_mouse = mouse; }

    /** The mouse's position; (0, 0) without a mouse. */
    Corvane::MathTools::CPoint getMousePosition() const;
    /** Writes the mouse's position; ignored without a mouse. */
    void setMousePosition(const Corvane::MathTools::CPoint& position);

    double getWheelMovement() const { return m_wheelMovement; }
    void setWheelMovement(double amount) { m_wheelMovement = amount; }

    void setModifiers(bool ctrl, bool shift, bool alt);
    bool isCtrlDown() const { return m_ctrl; }
    bool isShiftDown() const { return m_shift; }
    bool isAltDown() const { return m_alt; }

    CVN_DECLARE_CLASS

private:
    EMouseEventType m_type;
    Windowing::CMouse* m_mouse;
    double m_wheelMovement;
    bool m_ctrl;
    bool m_shift;
    bool m_alt;
};

}}}  // namespace Corvane::GUI::Events
