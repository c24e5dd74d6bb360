#pragma once

namespace Corvane { namespace GUI { namespace Events {
class CMouseEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Listeners {

/** Receives mouse events; positions are in the receiver's own coordinates. */
class IMouseListener {
public:
    virtual ~IMouseListener() = default;
    virtual void handleLeftButtonDown(Events::CMouseEvent& event) = 0;
    virtual void handleLeftButtonUp(Events::CMouseEvent& event) = 0;
    virtual void handleRightButtonDown(Events::CMouseEvent& event) = 0;
    virtual void handleRightButtonUp(Events::CMouseEvent& event) = 0;
    virtual void handleDoubleClick(Events::CMouseEvent& event) = 0;
    virtual void handleMouseScroll(Events::CMouseEvent& event) = 0;
    virtual void handleMouseMovement(Events::CMouseEvent& event) = 0;
    virtual void handleMouseLeavingArea(Events::CMouseEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
