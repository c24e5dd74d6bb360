// The editor shared between threads as hosts share it: audio and automation on
// one thread, parameters and programs on another, the user's input and the
// idle calls on the user-interface thread. Under ThreadSanitizer any unguarded
// access shows up as a report.
#include "CEditorFixture.hpp"

#include <atomic>
#include <thread>

namespace TenviraEditorTests {

TEST_F(CEditorFixture, AudioAutomationAndProgramsOnOtherThreadsWhileTheUserPlays)
{
    openFirstEditor();
    std::atomic<bool> running{true};
    std::thread audio([&] {
        std::vector<std::vector<float>> outputs;
        for (int block = 0; running.load(); ++block) {
            // A level that changes from block to block keeps the meter moving.
            const float level = static_cast<float>(block % 13) / 10.0f;
            m_instance->setParameter(block % 20, static_cast<float>(block % 11) / 10.0f);
            m_instance->process(std::vector<std::vector<float>>(4, std::vector<float>(256, level)), outputs);
        }
    });
    std::thread control([&] {
        for (int round = 0; running.load(); ++round) {
            m_instance->setParameter((round * 7) % 20, static_cast<float>(round % 5) / 4.0f);
            if (round % 25 == 0) {
                m_instance->setProgram(round / 25 % 10);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(4);
    while (std::chrono::steady_clock::now() < end) {
        drag(THRESHOLD_KNOB, 3, -6);
        click(MONITOR_BUTTON);
        drag(EQ_LOW_KNOB, 0, 4);
        for (int i = 0; i < 10; ++i) {
            m_window->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
    }
    running = false;
    audio.join();
    control.join();
    EXPECT_GT(m_host.automationCount(), 0u);
}

}  // namespace TenviraEditorTests
