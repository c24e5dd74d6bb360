// What Tenvira's editor shows, read back from the host's window: a program and
// the output level reach the picture at the next idle, and the meter's
// refresh paints the meter only.
#include "CEditorFixture.hpp"

namespace TenviraEditorTests {

TEST_F(CEditorFixture, AProgramChangeAndTheBlockPeakShowAtTheNextIdle)
{
    // Program 0 passes the input through at unity gain, delayed.
    openFirstEditor(0);
    // One idle shows a whole program: every knob frame and label at once.
    const std::vector<std::uint32_t> unity = settledPixels(*m_window, WHOLE_EDITOR);
    m_instance->setProgram(5);
    ASSERT_TRUE(idleUntil(*m_window, [&] { return pixelsOf(*m_window, WHOLE_EDITOR) != unity; }));
    settledPixels(*m_window, WHOLE_EDITOR);
    m_instance->setProgram(0);
    m_instance->idleEditor();
    EXPECT_TRUE(waitWithoutIdle([&] { return pixelsOf(*m_window, WHOLE_EDITOR) == unity; }));

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
}

}  // namespace TenviraEditorTests
