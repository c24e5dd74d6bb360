// The editor's own windows: the pop-up menus of "Valve Modelling" and "Key
// Input" and the splash behind the information button, opened by real clicks
// and closed by a choice, a click, the host closing the editor or the host
// closing the effect.
#include "CEditorPictureFixture.hpp"

namespace TenviraEditorTests {

TEST_F(CEditorPictureFixture, ThePopUpMenusAndTheSplashOpenCloseAndChooseAsTheUserAndTheHostExpect)
{
    openFirstEditor();
    PlainModel model;
    CExpectedEditor expected(model);
    // Every item of both menus, each choice a change: one value to the effect and the host, the choice in the
    // label and the button up again.
    const struct {
        int index;
        int item;
        float value;
    } choices[] = {{14, 2, 1.0f}, {14, 0, 0.0f}, {14, 1, 0.45f}, {12, 0, 0.0f}, {12, 2, 1.0f}, {12, 1, 0.45f}};
    for (const auto& choice : choices) {
        const size_t sent = m_host.automationCount();
        click(CExpectedEditor::controlArea(choice.index).centre());
        SArea menu{};
        ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(&menu); }));
        const SPoint item = menuItem(menu, choice.item);
        input("mousemove " + std::to_string(item.x) + " " + std::to_string(item.y) + " click 1");
        ASSERT_TRUE(idleUntilParameter(choice.index, choice.value)) << choice.index << " item " << choice.item;
        ASSERT_EQ(m_host.automationCount(), sent + 1) << "the click that opened the menu sent a value too";
        EXPECT_EQ(m_host.automation(sent)[0].index, choice.index);
        EXPECT_FLOAT_EQ(m_host.automation(sent)[0].opt, choice.value);
        EXPECT_FALSE(menuShown());
        model.setParameter(choice.index, choice.value);
        expected.showEditorChange(model, choice.index);
        EXPECT_TRUE(idleUntilShown(expected));
    }
    const size_t chosen = m_host.automationCount();

    // "Dirty" from the host shows the button down; a click turns it up and changes nothing else.
    m_instance->setParameter(14, 1.0f);
    model.setParameter(14, 1.0f);
    expected.showHostChange(model, 14);
    ASSERT_TRUE(idleUntilShown(expected));
    click(VALVE_BUTTON);
    expected.showEditorChange(model, 14);
    ASSERT_TRUE(idleUntilShown(expected));
    EXPECT_FALSE(menuShown());
    EXPECT_FLOAT_EQ(m_instance->getParameter(14), 1.0f);
    // The next click opens the menu; a click elsewhere closes it without a choice.
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(); }));
    click(EMPTY_PLACE);
    EXPECT_TRUE(idleUntil(*m_window, [&] { return !menuShown(); }));
    EXPECT_EQ(m_host.automationCount(), chosen);

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
    EXPECT_FALSE(pointerIsGrabbed());

    // The closed menu turned its button up: the first click opens it again. Then the effect goes.
    ASSERT_TRUE(showEditor(*m_window));
    click(VALVE_BUTTON);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return menuShown(); }));
    EXPECT_EQ(m_instance->close(), 1);
    XSync(observer(), False);
    EXPECT_TRUE(idleUntil(*m_window, [&] { return !menuShown() && m_window->childWindows().empty(); }));
    EXPECT_EQ(m_host.automationCount(), chosen);
}

}  // namespace TenviraEditorTests
