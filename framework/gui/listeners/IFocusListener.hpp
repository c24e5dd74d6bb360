#pragma once

namespace Corvane { namespace GUI { namespace Windowing {
class IWindow;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Listeners {

/** Told when a window gains or loses the keyboard focus. */
class IFocusListener {
public:
    virtual ~IFocusListener() = default;
    virtual void gainedFocus(Windowing::IWindow* window) = 0;
    virtual void lostFocus(Windowing::IWindow* window) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
