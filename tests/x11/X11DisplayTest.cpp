// The display object: connecting, the pump, and its timers.
#include "CX11Fixture.hpp"

#include "gui/windowing/CX11Window.hpp"
#include "host/CDisplayInformation.hpp"

#include <chrono>
#include <cstdlib>
#include <future>
#include <map>
#include <memory>
#include <string>
#include <thread>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;
using Corvane::Host::CDisplayInformation;

namespace {

using CClock = std::chrono::steady_clock;

class X11Display : public CX11Fixture {};

class CTimerCounter : public IX11TimerHandler {
public:
    void handleX11Timer(long id) override
    {
        ++fired[id];
        if (onFire) {
            onFire(id);
        }
    }
    std::map<long, int> fired;
    std::function<void(long)> onFire;
};

/** Destroys another window when its own window is pressed. */
class CDestroyingRecorder : public CInputRecorder {
public:
    using CInputRecorder::CInputRecorder;
    void handleX11Event(const XEvent& event) override
    {
        CInputRecorder::handleX11Event(event);
        if (event.type == ButtonPress) {
            victim.reset();
        }
    }
    std::unique_ptr<CX11Window> victim;
};

}  // namespace

TEST(X11DisplayWithoutServer, NoDisplayIsAnAnswerNotAWait)
{
    const char* saved = std::getenv("DISPLAY");
    const std::string previous = saved != nullptr ? saved : "";
    unsetenv("DISPLAY");
    const auto start = CClock::now();
    EXPECT_EQ(CX11Display::openDisplay(), nullptr);
    EXPECT_EQ(CX11Display::openDisplay(""), nullptr);
    // A display number nobody serves.
    EXPECT_EQ(CX11Display::openDisplay(":31999"), nullptr);
    EXPECT_LT(CClock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(CDisplayInformation::getMonitorScreenWidth(), 0);
    if (saved != nullptr) {
        setenv("DISPLAY", previous.c_str(), 1);
    }
}

TEST_F(X11Display, PumpHandsEachEventToItsOwnWindowAndNeverWaits)
{
    EXPECT_EQ(CDisplayInformation::getMonitorScreenWidth(), SCREEN_WIDTH);
    EXPECT_EQ(CDisplayInformation::getMonitorScreenHeight(), SCREEN_HEIGHT);

    CDestroyingRecorder first(display());
    CInputRecorder second(display());
    CX11Window firstWindow(display(), &first);
    first.victim.reset(new CX11Window(display(), &second));
    ASSERT_TRUE(firstWindow.createTopLevel(0, 0, 100, 100, false));
    ASSERT_TRUE(first.victim->createTopLevel(200, 0, 100, 100, false));
    const std::string secondId = id(first.victim->getWindowId());
    // A window of the same connection that nobody registered: its events are dropped.
    Display* const x = display().getDisplay();
    const Window stray = XCreateSimpleWindow(x, display().getRootWindow(), 400, 0, 100, 100, 0, 0, 0);
    XSelectInput(x, stray, ButtonPressMask | ButtonReleaseMask | ExposureMask);
    XMapWindow(x, stray);
    firstWindow.show();
    first.victim->show();
    ASSERT_TRUE(pumpUntil([&] { return first.count(e_inputExpose) > 0 && second.count(e_inputExpose) > 0; }));

    // The first press in the first window destroys the second: its queued and later events go nowhere.
    const std::string firstId = id(firstWindow.getWindowId());
    input("mousemove --window " + secondId + " 10 10 click 3 mousemove --window " + id(stray) +
          " 10 10 click 3 mousemove --window " + firstId + " 10 10 click 3 mousemove --window " + secondId +
          " 20 20 click 3 mousemove --window " + firstId + " 20 20 click 3");
    ASSERT_TRUE(pumpUntil([&] { return first.count(e_inputButtonUp) == 2; }));
    EXPECT_EQ(first.count(e_inputButtonDown), 2);
    EXPECT_EQ(second.count(e_inputButtonDown), 1);
    EXPECT_FALSE(display().isRegistered(static_cast<Window>(std::stoul(secondId))));

    // Nothing pending: a pump returns at once, even while the server is held.
    server().suspend(true);
    // Should the pump wait for the server after all, the server comes back after a while to end the wait.
    std::promise<void> pumped;
    auto watchdog = std::async(std::launch::async, [done = pumped.get_future()] {
        done.wait_for(std::chrono::seconds(3));
        server().suspend(false);
    });
    const auto start = CClock::now();
    display().pump();
    const auto held = CClock::now() - start;
    pumped.set_value();
    watchdog.wait();
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(held).count(), 500);
}

TEST_F(X11Display, TimersFireByOwnerAndId)
{
    CTimerCounter a, b, c;
    const auto begin = CClock::now();
    display().startTimer(&a, 7, 20);
    display().startTimer(&b, 7, 20);
    display().startTimer(&a, 8, 600000);
    EXPECT_TRUE(a.fired.empty());
    // The first firing comes with the next pump, then the interval counts.
    display().pump();
    EXPECT_EQ(a.fired[7], 1);
    EXPECT_EQ(b.fired[7], 1);
    EXPECT_EQ(a.fired[8], 1);
    display().pump();
    EXPECT_EQ(a.fired[8], 1);

    ASSERT_TRUE(pumpUntil([&] { return a.fired[7] >= 4; }));
    EXPECT_GE(CClock::now() - begin, std::chrono::milliseconds(3 * 20));
    display().stopTimer(&a, 7);
    const int stoppedAt = a.fired[7];
    const int otherAt = b.fired[7];
    ASSERT_TRUE(pumpUntil([&] { return b.fired[7] >= otherAt + 3; }));
    EXPECT_EQ(a.fired[7], stoppedAt);
    EXPECT_TRUE(display().hasTimer(&a, 8));
    display().stopTimers(&a);
    EXPECT_FALSE(display().hasTimer(&a, 8));
    EXPECT_TRUE(display().hasTimer(&b, 7));
    display().stopTimers(&b);

    // A timer stopped by an earlier one of the same pump does not fire; one started there waits for the next pump.
    CTimerCounter stopped, started;
    c.onFire = [&](long) {
        display().stopTimer(&stopped, 1);
        display().startTimer(&started, 2, 0);
    };
    display().startTimer(&c, 1, 600000);
    display().startTimer(&stopped, 1, 600000);
    display().pump();
    EXPECT_EQ(c.fired[1], 1);
    EXPECT_EQ(stopped.fired[1], 0);
    EXPECT_EQ(started.fired[2], 0);
    display().pump();
    EXPECT_EQ(started.fired[2], 1);

    display().stopTimers(&started);
}
