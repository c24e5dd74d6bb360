// The editor's own windows: the pop-up menu of "Valve Modelling" and the splash
// behind the information button, opened by real clicks and closed by a choice,
// a click, the host closing the editor or the host closing the effect.
#include "CEditorFixture.hpp"

namespace TenviraEditorTests {

TEST_F(CEditorFixture, TheValveMenuAndTheSplashOpenCloseAndChooseAsTheUserAndTheHostExpect)
{
    openFirstEditor();
    const std::vector<std::uint32_t> up = settledPixels(*m_window, VALVE_BUTTON_AREA);
    click(VALVE_BUTTON);
    SArea menu{};
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(&menu); }));
    // "Valve Soft", the second of three items.
    input("mousemove " + std::to_string(menu.left + menu.width / 2) + " " + std::to_string(menu.top + menu.height / 2) +
          " click 1");
    ASSERT_TRUE(idleUntilParameter(14, 0.45f));
    ASSERT_EQ(m_host.automationCount(), 1u) << "the click that opened the menu sent a value too";
    EXPECT_FLOAT_EQ(m_host.automation()[0].opt, 0.45f);
    EXPECT_FALSE(menuShown());
    EXPECT_EQ(settledPixels(*m_window, VALVE_BUTTON_AREA), up);

    // "Dirty" from the host shows the button down; a click turns it up and changes nothing else.
    m_instance->setParameter(14, 1.0f);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return pixelsOf(*m_window, VALVE_BUTTON_AREA) != up; }));
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return pixelsOf(*m_window, VALVE_BUTTON_AREA) == up; }));
    EXPECT_FALSE(menuShown());
    EXPECT_FLOAT_EQ(m_instance->getParameter(14), 1.0f);
    // The next click opens the menu; a click elsewhere closes it without a choice.
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(); }));
    click(EMPTY_PLACE);
    EXPECT_TRUE(idleUntil(*m_window, [&] { return !menuShown(); }));
    EXPECT_EQ(m_host.automationCount(), 1u);

    // The splash goes with a click, and it and the menu go with the editor and with the effect.
    click(INFORMATION_BUTTON);
    SArea splash{};
    ASSERT_TRUE(idleUntil(*m_window, [&] { return splashShown(&splash); }));
    input("mousemove " + std::to_string(splash.left + 50) + " " + std::to_string(splash.top + 50) + " click 1");
    EXPECT_TRUE(idleUntil(*m_window, [&] { return !splashShown(); }));

    click(INFORMATION_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return splashShown(); }));
    m_window->closeEditor();
    XSync(observer(), False);
    EXPECT_FALSE(splashShown());

    ASSERT_TRUE(showEditor(*m_window));
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(); }));
    m_window->closeEditor();
    XSync(observer(), False);
    EXPECT_FALSE(menuShown());
    // Nothing holds the pointer any more.
    EXPECT_EQ(XGrabPointer(observer(), DefaultRootWindow(observer()), False, ButtonPressMask, GrabModeAsync,
                           GrabModeAsync, 0, 0, CurrentTime),
              GrabSuccess);
    XUngrabPointer(observer(), CurrentTime);
    XSync(observer(), False);

    // The closed menu turned its button up: the first click opens it again. Then the effect goes.
    ASSERT_TRUE(showEditor(*m_window));
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(); }));
    EXPECT_EQ(m_instance->close(), 1);
    XSync(observer(), False);
    EXPECT_TRUE(idleUntil(*m_window, [&] { return !menuShown() && m_window->childWindows().empty(); }));
    EXPECT_EQ(m_host.automationCount(), 1u);
}

}  // namespace TenviraEditorTests
