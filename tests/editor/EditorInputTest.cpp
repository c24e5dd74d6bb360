// Real pointer input into Tenvira's editor in a host window: what reaches the
// effect and the host, what does not, and what the labels read afterwards.
#include "CEditorPictureFixture.hpp"

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

TEST_F(CEditorPictureFixture, EveryLabelReadsAsItsFormatSaysAfterAChangeFromTheHostAndAfterOneInTheEditor)
{
    openFirstEditor();
    // From the host: values between the ends, where every number format shows, and the choices that the
    // program test does not show.
    const float fromHost[CExpectedEditor::PARAMETERS] = {0.25f, 0.3f,  1.0f, 0.5f,  0.75f, 0.5f, 0.75f,
                                                         0.3f,  0.6f,  1.0f, 1.0f,  0.0f,  0.0f, 0.25f,
                                                         0.45f, 0.25f, 0.0f, 0.25f, 0.9f,  0.7f};
    PlainModel model;
    for (int index = 0; index < CExpectedEditor::PARAMETERS; ++index) {
        model.setParameter(index, fromHost[index]);
        m_instance->setParameter(index, fromHost[index]);
    }
    CExpectedEditor expected(model);
    ASSERT_TRUE(idleUntilShown(expected));

    // From the editor: every knob turned by ten pixels towards the middle (Mix to both ends), every switch clicked.
    const auto changedInEditor = [&](int index, float value) {
        ASSERT_TRUE(idleUntilParameter(index, value)) << index;
        model.setParameter(index, m_instance->getParameter(index));
        expected.showEditorChange(model, index);
    };
    for (int index : {0, 1, 2, 3, 4, 6, 7, 8, 13, 15, 17, 18, 19}) {
        const int up = fromHost[index] < 0.5f ? 1 : -1;
        drag(CExpectedEditor::controlArea(index).centre(), 0, -10 * up);
        changedInEditor(index, fromHost[index] + 0.05f * static_cast<float>(up));
    }
    const SPoint mix = CExpectedEditor::controlArea(5).centre();
    drag(mix, 0, -110);
    changedInEditor(5, 1.0f);
    ASSERT_TRUE(idleUntilShown(expected));
    // Pressed again away from the last press: at the same place, the press would be a double click.
    drag(SPoint{mix.x - 10, mix.y}, -210, 0);
    changedInEditor(5, 0.0f);
    for (int index : {9, 10, 11, 16}) {
        click(CExpectedEditor::controlArea(index).centre());
        changedInEditor(index, 1.0f - fromHost[index]);
    }
    EXPECT_TRUE(idleUntilShown(expected));
}

}  // namespace TenviraEditorTests
