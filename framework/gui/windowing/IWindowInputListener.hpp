#pragma once

#include "gui/windowing/SWindowInput.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/** What a window backend tells its window: each input and window event, as it is read, in the platform window's pixels. */
class IWindowInputListener {
public:
    virtual ~IWindowInputListener() = default;
    /** The listener may destroy the backend that calls it: the backend touches nothing of itself after the call. */
    virtual void handlePlatformInput(const SWindowInput& input) = 0;
};

}}}  // namespace Corvane::GUI::Windowing
