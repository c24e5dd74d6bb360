// The host's side of Tenvira's editor: no display or no parent, what the host
// learns before opening it, open, idle, close and open again (also without a
// close between), fifty cycles, and two effects with editors at once.
#include "CEditorFixture.hpp"
#include "CExpectedEditor.hpp"

#include <malloc.h>

#include <cstdlib>

namespace TenviraEditorTests {

TEST_F(CEditorFixture, WithoutADisplayOrParentItDoesNotOpenElseItOpensClosesAndReopensFiftyTimesLeavingNothing)
{
    m_instance = createEffect();
    ASSERT_NE(m_instance, nullptr);
    const Window parent = createHostWindow(0, 0, EDITOR_WIDTH, EDITOR_HEIGHT);
    const std::string display = std::getenv("DISPLAY");
    unsetenv("DISPLAY");
    EXPECT_EQ(m_instance->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 0);
    setenv("DISPLAY", display.c_str(), 1);
    // A window id the server does not know: no window, and no X error.
    EXPECT_EQ(m_instance->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent + 12345)), 0);
    m_instance->dispatch(effEditIdle);

    EXPECT_TRUE(m_instance->hasEditor());
    ERect rect{};
    ASSERT_TRUE(m_instance->editorRect(rect));
    EXPECT_EQ(rect.left + rect.top, 0);
    EXPECT_EQ(rect.right, EDITOR_WIDTH);
    EXPECT_EQ(rect.bottom, EDITOR_HEIGHT);
    m_window = openEditor(*m_instance);
    EXPECT_EQ(m_window->width(), EDITOR_WIDTH);
    EXPECT_EQ(m_window->height(), EDITOR_HEIGHT);
    // Hosts that move an editor open it again without closing it: still one window.
    ASSERT_TRUE(showEditor(*m_window));
    EXPECT_EQ(m_window->childWindows().size(), 1u);

    const auto cycle = [&] {
        m_window->closeEditor();
        ASSERT_TRUE(m_window->openEditor());
        m_window->idle();
    };
    // Libraries make their one-time caches in the first cycles.
    for (int i = 0; i < 5; ++i) {
        cycle();
    }
    XSync(observer(), False);
    const size_t windows = topLevelWindows(observer()).size();
    const size_t heap = mallinfo2().uordblks;
    for (int i = 0; i < 50; ++i) {
        cycle();
    }
    XSync(observer(), False);
    EXPECT_EQ(topLevelWindows(observer()).size(), windows);
    EXPECT_EQ(m_window->childWindows().size(), 1u);
    EXPECT_LT(static_cast<long>(mallinfo2().uordblks) - static_cast<long>(heap), 50 * 256) << "bytes kept";
    m_window->closeEditor();
    EXPECT_TRUE(idleUntil(*m_window, [&] { return m_window->childWindows().empty(); }));
    EXPECT_EQ(m_window->capture().at(230, 8), 0u);
    EXPECT_TRUE(showEditor(*m_window));
}

TEST_F(CEditorFixture, TwoEffectsHaveEditorsOfTheirOwn)
{
    openFirstEditor(0);
    std::unique_ptr<DevHost::CPluginInstance> second = createEffect(5);
    std::unique_ptr<DevHost::CHostEditorWindow> secondWindow = openEditor(*second);
    // Side by side: without a window manager both would stand at the top left.
    XMoveWindow(observer(), secondWindow->windowId(), EDITOR_WIDTH + 40, 0);
    XSync(observer(), False);
    m_instance->setParameter(1, 0.5f);
    drag(THRESHOLD_KNOB, 0, -4);
    ASSERT_TRUE(idleUntilParameter(1, 0.52f));
    for (const DevHost::SHostCall& call : m_host.automation()) {
        EXPECT_EQ(call.effect, m_instance->effect());
    }
    EXPECT_FLOAT_EQ(second->getParameter(1), 0.65f);

    // The first goes; the second goes on showing what its effect does.
    m_window.reset();
    EXPECT_EQ(m_instance->close(), 1);
    second->setProgram(0);
    const CExpectedEditor programZero{PlainModel()};
    EXPECT_TRUE(idleUntil(*secondWindow, [&] { return programZero.isShownIn(secondWindow->capture(), observer()); }));
}

}  // namespace TenviraEditorTests
