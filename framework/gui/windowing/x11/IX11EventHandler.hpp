#pragma once

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

/** Receives the X events of the windows it is registered for on a display. */
class IX11EventHandler {
public:
    virtual ~IX11EventHandler() = default;
    virtual void handleX11Event(const XEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Windowing
