#pragma once

namespace Corvane { namespace GUI { namespace Windowing {
class IWindow;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Listeners {

/** Told when a window is resized, moved, opened, closed, minimised or maximised. */
class IWindowChangeListener {
public:
    virtual ~IWindowChangeListener() = default;
    virtual void windowSized(Windowing::IWindow* window) = 0;
    virtual void windowMoved(Windowing::IWindow* window) = 0;
    virtual void windowClosed(Windowing::IWindow* window) = 0;
    virtual void windowOpened(Windowing::IWindow* window) = 0;
    virtual void windowMinimised(Windowing::IWindow* window) = 0;
    virtual void windowMaximised(Windowing::IWindow* window) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
