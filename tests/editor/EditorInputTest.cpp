// Real pointer input into Tenvira's editor in a host window: what reaches the
// effect and the host, and what does not.
#include "CEditorFixture.hpp"

#include <thread>

namespace TenviraEditorTests {

TEST_F(CEditorFixture, DraggingAKnobAutomatesEachNewValueOnceIsNotEchoedBackAndADoubleClickRestoresIt)
{
    openFirstEditor();
    m_instance->setParameter(1, 0.5f);
    m_window->idle();
    drag(THRESHOLD_KNOB, 0, -10);
    ASSERT_TRUE(idleUntilParameter(1, 0.55f));
    float previous = 0.5f;
    for (const DevHost::SHostCall& call : m_host.automation()) {
        EXPECT_EQ(call.index, 1);
        EXPECT_GT(call.opt, previous) << "a value automated twice";
        EXPECT_EQ(call.thread, std::this_thread::get_id());
        previous = call.opt;
    }
    EXPECT_LE(m_host.automationCount(), 10u);
    EXPECT_NEAR(previous, 0.55f, 1e-6f);

    // An EQ gain set in the editor is labelled " db", one set by the host " dB": were the editor's own
    // change echoed back to it, the label would take the host's spelling at a later idle.
    drag(EQ_LOW_KNOB, 0, -10);
    ASSERT_TRUE(idleUntilParameter(6, 0.55f));
    const std::vector<std::uint32_t> edited = settledPixels(*m_window, EQ_LOW_LABEL);
    for (int i = 0; i < 10; ++i) {
        m_window->idle();
    }
    EXPECT_EQ(settledPixels(*m_window, EQ_LOW_LABEL), edited);
    m_instance->setParameter(6, m_instance->getParameter(6));
    EXPECT_TRUE(idleUntil(*m_window, [&] { return pixelsOf(*m_window, EQ_LOW_LABEL) != edited; }));

    // A double click restores the knob's default.
    input("mousemove --window " + id(m_window->windowId()) + " 37 97 click --repeat 2 --delay 60 1");
    EXPECT_TRUE(idleUntilParameter(1, 0.5f));
}

TEST_F(CEditorFixture, AltClickIsARightClickTheMeterAndLabelsTakeNoClicksAndAKnobLetsGoBeyondTheEdge)
{
    openFirstEditor();
    m_instance->setParameter(1, 0.5f);
    drag(THRESHOLD_KNOB, 0, -10, "alt");
    click(METER_MIDDLE);
    click(THRESHOLD_LABEL);
    // Monitor's automation shows that everything before it has been read.
    click(MONITOR_BUTTON);
    ASSERT_TRUE(idleUntilParameter(10, 1.0f));
    ASSERT_EQ(m_host.automationCount(), 1u);
    EXPECT_EQ(m_host.automation()[0].index, 10);
    EXPECT_FLOAT_EQ(m_instance->getParameter(1), 0.5f);

    const std::string move = "mousemove --window " + id(m_window->windowId());
    // "Master" from 0.5, 23 pixels to the right inside the editor, then out past its edge, where the button goes up.
    input(move + " 427 422 mousedown 1 " + move + " 450 422 " + move + " 480 422 mouseup 1");
    ASSERT_TRUE(idleUntilParameter(0, 0.615f));
    const size_t dragged = m_host.automationCount();
    // Back over the knob with no button held: the knob must not follow. Monitor's second click turns it off.
    input(move + " 427 430 " + move + " 427 380");
    click(MONITOR_BUTTON);
    ASSERT_TRUE(idleUntilParameter(10, 0.0f));
    EXPECT_EQ(m_host.automationCount(), dragged + 1);
    EXPECT_FLOAT_EQ(m_instance->getParameter(0), 0.615f);
}

}  // namespace TenviraEditorTests
