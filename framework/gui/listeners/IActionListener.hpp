#pragma once

namespace Corvane { namespace GUI { namespace Events {
class CActionEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Listeners {

/** Told when a control's value is changed by the user. The event lives only for the call. */
class IActionListener {
public:
    virtual ~IActionListener() = default;
    virtual void handleActionEvent(const Events::CActionEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
