#pragma once

namespace Corvane { namespace GUI { namespace Windowing {

/** Owner of timers on a display: told the id of each of its timers that fires. */
class IX11TimerHandler {
public:
    virtual ~IX11TimerHandler() = default;
    virtual void handleX11Timer(long id) = 0;
};

}}}  // namespace Corvane::GUI::Windowing
