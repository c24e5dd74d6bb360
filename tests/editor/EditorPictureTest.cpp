// What Tenvira's editor shows, read back from the host's window: the output
// level reaches the meter at the next idle, and only the meter is painted for
// it; a program reaches every knob, button and label at the next idle.
#include "CEditorPictureFixture.hpp"

#include <chrono>
#include <thread>

namespace TenviraEditorTests {

TEST_F(CEditorPictureFixture, TheBlockPeakAndAProgramChangeShowAtTheNextIdle)
{
    // Program 0 passes the input through at unity gain, delayed.
    openFirstEditor(0);
    EXPECT_EQ(litMeterSegments(), 0);
    const auto blockAndIdle = [&](float level) {
        std::vector<std::vector<float>> outputs;
        m_instance->process(std::vector<std::vector<float>>(4, std::vector<float>(512, level)), outputs);
        m_instance->idleEditor();
    };
    // Marks drawn on the editor's window outside the meter stay: nothing else is painted again.
    const Window editor = m_window->childWindows().front();
    GC pen = XCreateGC(observer(), editor, 0, nullptr);
    XSetForeground(observer(), pen, 0xFF00FF);
    XFillRectangle(observer(), editor, pen, 230, 8, 2, 2);
    XFillRectangle(observer(), editor, pen, METER.left + 10, METER.top + 250, 2, 2);
    XFreeGC(observer(), pen);
    XSync(observer(), False);
    blockAndIdle(0.5f);
    EXPECT_TRUE(waitWithoutIdle([&] { return litMeterSegments() == 25; }));
    const DevHost::CWindowImage picture = m_window->capture();
    EXPECT_EQ(picture.at(230, 8), 0xFF00FFu);
    EXPECT_NE(picture.at(METER.left + 10, METER.top + 250), 0xFF00FFu);
    blockAndIdle(1.5f);
    EXPECT_TRUE(waitWithoutIdle([&] { return litMeterSegments() == 50; }));
    // The first silent block still carries the limiter's delay of the loud one.
    blockAndIdle(0.0f);
    blockAndIdle(0.0f);
    EXPECT_TRUE(waitWithoutIdle([&] { return litMeterSegments() == 0; }));

    // Every parameter on the other side of the middle from program 5's value, so that every knob
    // frame, button and label changes with the program; then program 5 and exactly one idle.
    PlainModel model;
    model.setProgram(5);
    const CExpectedEditor bass(model);
    for (int index = 0; index < CExpectedEditor::PARAMETERS; ++index) {
        const float other = model.getParameter(index) < 0.5f ? 1.0f : 0.0f;
        model.setParameter(index, other);
        m_instance->setParameter(index, other);
    }
    const CExpectedEditor before(model);
    for (int index = 0; index < CExpectedEditor::PARAMETERS; ++index) {
        ASSERT_NE(before.label(index), bass.label(index)) << index;
    }
    ASSERT_TRUE(idleUntilShown(before));
    // The editor's 25 ms timer, which idles it from inside the host's idle, fires now and is not due at the
    // next idle: that idle alone must show the program.
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    m_instance->idleEditor();
    m_instance->setProgram(5);
    m_instance->idleEditor();
    EXPECT_TRUE(shownWithoutIdle(bass));
}

}  // namespace TenviraEditorTests
