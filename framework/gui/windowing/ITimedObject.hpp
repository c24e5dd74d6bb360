#pragma once

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * Something a window calls on each firing of one of its timers: every timed
 * object of the window whose id is the timer's id is told, in the order they
 * were added.
 */
class ITimedObject {
public:
    virtual ~ITimedObject() = default;
    virtual void timerExpired() = 0;
    virtual long getTimerId() const = 0;
};

}}}  // namespace Corvane::GUI::Windowing
