// Real input through the server, translated into the windowing layer's records.
#include "CX11Fixture.hpp"

#include "gui/events/CKeyboardEvent.hpp"
#include "gui/windowing/CX11Window.hpp"

#include <X11/keysym.h>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;

namespace {

class X11Input : public CX11Fixture {
protected:
    // A shown top-level window at (100, 80) whose first exposure has arrived.
    void showWindow(CX11Window& window, CInputRecorder& recorder)
    {
        ASSERT_TRUE(window.createTopLevel(100, 80, 200, 150, false));
        window.show();
        ASSERT_TRUE(pumpUntil(window.getDisplay(), [&] { return recorder.count(e_inputExpose) > 0; }));
    }
};

std::vector<EWindowInputKind> leftPresses(const CInputRecorder& recorder)
{
    std::vector<EWindowInputKind> kinds;
    for (const SWindowInput& input : recorder.of({e_inputButtonDown, e_inputDoubleClick})) {
        if (input.button == e_leftButton) {
            kinds.push_back(input.kind);
        }
    }
    return kinds;
}

}  // namespace

TEST_F(X11Input, ButtonsWheelMotionAndModifiers)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    showWindow(window, recorder);
    input("mousemove --window " + id(window.getWindowId()) +
          " 20 30 click 3 click 4 click 5 keydown ctrl click 1 keyup ctrl keydown shift keydown alt click 3"
          " keyup alt keyup shift mousedown 1 mousemove 95 140 mouseup 1");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputButtonUp) == 4; }));

    const auto motion = recorder.of({e_inputMotion});
    ASSERT_FALSE(motion.empty());
    EXPECT_EQ(motion.front().x, 20);
    EXPECT_EQ(motion.front().y, 30);
    EXPECT_EQ(motion.front().screenX, 120);
    EXPECT_EQ(motion.front().screenY, 110);
    EXPECT_FALSE(motion.front().leftButtonHeld);
    // Dragged out of the window, the motion still arrives, at a position outside it.
    EXPECT_EQ(motion.back().x, -5);
    EXPECT_EQ(motion.back().y, 60);
    EXPECT_TRUE(motion.back().leftButtonHeld);

    const auto presses = recorder.of({e_inputButtonDown, e_inputDoubleClick});
    ASSERT_EQ(presses.size(), 4u);
    const EWindowInputButton buttons[] = {e_rightButton, e_leftButton, e_rightButton, e_leftButton};
    const bool ctrl[] = {false, true, false, false};
    const bool shiftAndAlt[] = {false, false, true, false};
    for (size_t i = 0; i < presses.size(); ++i) {
        EXPECT_EQ(presses[i].kind, e_inputButtonDown) << i;
        EXPECT_EQ(presses[i].button, buttons[i]) << i;
        EXPECT_EQ(presses[i].ctrl, ctrl[i]) << i;
        EXPECT_EQ(presses[i].shift, shiftAndAlt[i]) << i;
        EXPECT_EQ(presses[i].alt, shiftAndAlt[i]) << i;
        EXPECT_EQ(presses[i].x, 20) << i;
    }
    const auto wheel = recorder.of({e_inputWheel});
    ASSERT_EQ(wheel.size(), 2u);
    EXPECT_EQ(wheel[0].wheel, 1);
    EXPECT_EQ(wheel[1].wheel, -1);
    EXPECT_EQ(recorder.of({e_inputButtonUp}).back().x, -5);
}

TEST_F(X11Input, KeysInTheFocusedWindow)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    showWindow(window, recorder);
    ASSERT_TRUE(window.setInputFocus());
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputFocusIn) == 1; }));
    input("key a key shift+b key Left");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputKeyUp) == 4; }));
    std::vector<SWindowInput> keys;
    for (const SWindowInput& key : recorder.of({e_inputKeyDown})) {
        if (key.keyCode != XK_Shift_L) {
            keys.push_back(key);
        }
    }
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].keyCharacter, 'a');
    EXPECT_FALSE(keys[0].virtualKey);
    EXPECT_EQ(keys[1].keyCharacter, 'B');
    EXPECT_TRUE(keys[1].shift);
    EXPECT_EQ(keys[2].keyCode, static_cast<unsigned long>(XK_Left));
    EXPECT_TRUE(keys[2].virtualKey);
    EXPECT_EQ(keys[2].keyCharacter, Corvane::GUI::Events::CKeyboardEvent::CKEYBOARDEVENT_KEY_LEFT);
}

TEST_F(X11Input, SecondQuickNearPressIsADoubleClick)
{
    CInputRecorder recorder(display());
    CX11Window window(display(), &recorder);
    showWindow(window, recorder);
    const std::string w = id(window.getWindowId());
    // Quick triple press; after a right click a quick press, and one 500 ms later; a quick press 20 pixels away.
    input("mousemove --window " + w + " 10 10 click --repeat 3 --delay 1 1 click 3 click 1 sleep 0.5 click 1" +
          " click 3 click 1 mousemove --window " + w + " 30 10 click 1");
    ASSERT_TRUE(pumpUntil([&] { return recorder.count(e_inputButtonUp) == 9; }));
    const std::vector<EWindowInputKind> expected = {e_inputButtonDown, e_inputDoubleClick, e_inputButtonDown,
                                                    e_inputButtonDown, e_inputButtonDown,  e_inputButtonDown,
                                                    e_inputButtonDown};
    EXPECT_EQ(leftPresses(recorder), expected);
}

TEST_F(X11Input, TwoConnectionsKeepTheirOwnClickState)
{
    CInputRecorder first(display());
    CX11Window firstWindow(display(), &first);
    showWindow(firstWindow, first);
    CX11Display& other = openAnotherDisplay();
    CInputRecorder second(other);
    CX11Window secondWindow(other, &second);
    ASSERT_TRUE(secondWindow.createTopLevel(400, 80, 200, 150, false));
    secondWindow.show();
    ASSERT_TRUE(pumpUntil(other, [&] { return second.count(e_inputExpose) > 0; }));
    // A press in the other connection's window between two quick presses does not break up the double click.
    const std::string firstId = id(firstWindow.getWindowId());
    input("mousemove --window " + firstId + " 10 10 click 1 mousemove --window " + id(secondWindow.getWindowId()) +
          " 10 10 click 1 mousemove --window " + firstId + " 10 10 click 1");
    ASSERT_TRUE(pumpUntil([&] { return first.count(e_inputButtonUp) == 2; }));
    ASSERT_TRUE(pumpUntil(other, [&] { return second.count(e_inputButtonUp) == 1; }));
    EXPECT_EQ(leftPresses(first), std::vector<EWindowInputKind>({e_inputButtonDown, e_inputDoubleClick}));
    EXPECT_EQ(leftPresses(second), std::vector<EWindowInputKind>({e_inputButtonDown}));
}
