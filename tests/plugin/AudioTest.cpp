// The audio path through processReplacing of the built module.
#include "PluginFixture.hpp"

#include <atomic>
#include <cmath>
#include <thread>

namespace {

constexpr int kFrames = 512;

std::vector<float> sine(float amplitude, float frequency, int frames, float rate = 44100.0f)
{
    std::vector<float> s(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        s[static_cast<size_t>(i)] = amplitude * std::sin(6.2831853f * frequency * static_cast<float>(i) / rate);
    }
    return s;
}

}  // namespace

TEST_F(PluginFixture, NeutralSettingsDelayTheInputByTheReportedLatency)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    const int latency = instance->latency();
    ASSERT_EQ(latency, 44);
    std::vector<std::vector<float>> in = {sine(0.5f, 440.0f, kFrames), sine(0.25f, 1000.0f, kFrames),
                                          sine(0.9f, 50.0f, kFrames), sine(0.9f, 70.0f, kFrames)};
    std::vector<std::vector<float>> out;
    instance->process(in, out);
    ASSERT_EQ(out.size(), 2u);
    for (int i = 0; i < kFrames; ++i) {
        const float expectedL = i < latency ? 0.0f : in[0][static_cast<size_t>(i - latency)];
        const float expectedR = i < latency ? 0.0f : in[1][static_cast<size_t>(i - latency)];
        ASSERT_EQ(out[0][static_cast<size_t>(i)], expectedL) << i;
        ASSERT_EQ(out[1][static_cast<size_t>(i)], expectedR) << i;
    }
}

TEST_F(PluginFixture, DryMixIsTheRawInputDelayedAndScaled)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    instance->setProgram(3);          // valve "Dirty", compressor on, limiter on
    instance->setParameter(16, 0.0f);  // limiter off: only its delay stays
    instance->setParameter(5, 0.0f);   // all dry
    instance->setParameter(0, 0.75f);  // +10 dB
    std::vector<std::vector<float>> in = {sine(0.5f, 440.0f, kFrames), sine(0.5f, 300.0f, kFrames), {}, {}};
    std::vector<std::vector<float>> out;
    instance->process(in, out);
    const double gain = std::pow(10.0, 10.0 / 20.0);
    for (int i = 44; i < kFrames; ++i) {
        ASSERT_NEAR(out[0][static_cast<size_t>(i)], in[0][static_cast<size_t>(i - 44)] * gain, 1e-5) << i;
        ASSERT_NEAR(out[1][static_cast<size_t>(i)], in[1][static_cast<size_t>(i - 44)] * gain, 1e-5) << i;
    }
}

TEST_F(PluginFixture, MonitoringTheExternalKeyIsUndelayed)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    instance->setParameter(10, 1.0f);  // Monitor "Input"
    instance->setParameter(9, 1.0f);   // SideChain "External"
    instance->setParameter(12, 1.0f);  // Key Input "Right"
    instance->setParameter(0, 0.0f);   // Master has no effect on the monitored key
    std::vector<std::vector<float>> in = {sine(0.5f, 440.0f, kFrames), sine(0.5f, 300.0f, kFrames),
                                          sine(0.3f, 100.0f, kFrames), sine(0.7f, 90.0f, kFrames)};
    std::vector<std::vector<float>> out;
    instance->process(in, out);
    for (size_t i = 0; i < static_cast<size_t>(kFrames); ++i) {
        ASSERT_EQ(out[0][i], in[3][i]) << i;
        ASSERT_EQ(out[1][i], in[3][i]) << i;
    }
}

TEST_F(PluginFixture, LimiterKeepsTheOutputUnderTheCeiling)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    instance->setProgram(1);           // limiter on, ceiling 0 dB
    instance->setParameter(19, 0.9f);  // ceiling -5 dB
    const double ceiling = std::pow(10.0, -5.0 / 20.0);
    std::vector<std::vector<float>> in = {sine(3.0f, 440.0f, 4096), sine(2.0f, 220.0f, 4096), {}, {}};
    std::vector<std::vector<float>> out;
    instance->process(in, out);
    for (const auto& channel : out) {
        for (float sample : channel) {
            ASSERT_LE(std::fabs(sample), ceiling + 1e-6);
        }
    }
}

TEST_F(PluginFixture, ShortAndEmptyBlocks)
{
    auto instance = createPrepared(8000.0f, 256);
    ASSERT_NE(instance, nullptr);
    EXPECT_EQ(instance->latency(), 44);  // 8000 Hz is treated as 44100 Hz
    std::vector<std::vector<float>> in(4);
    std::vector<std::vector<float>> out;
    instance->process(in, out);
    EXPECT_TRUE(out[0].empty());
    float* none[4] = {nullptr, nullptr, nullptr, nullptr};
    instance->process(none, none, 0);
    instance->process(nullptr, nullptr, 64);
    in.assign(4, std::vector<float>(1, 1.0f));
    instance->process(in, out);
    EXPECT_EQ(out[0][0], 0.0f);  // still inside the look-ahead
}

TEST_F(PluginFixture, AutomationWhileTheAudioThreadRuns)
{
    auto instance = createPrepared();
    ASSERT_NE(instance, nullptr);
    std::atomic<bool> running{true};
    std::thread audio([&]() {
        std::vector<std::vector<float>> in = {sine(0.8f, 440.0f, 256), sine(0.8f, 550.0f, 256),
                                              sine(0.5f, 60.0f, 256), sine(0.5f, 80.0f, 256)};
        std::vector<std::vector<float>> out;
        for (int block = 0; running.load(); ++block) {
            // MIDI arrives on the audio thread, as hosts deliver it.
            instance->sendMidi({DevHost::SMidiMessage::controller(0, block % 10, 0),
                                DevHost::SMidiMessage::controller(0, 71, block % 128)});
            instance->process(in, out);
            for (const auto& channel : out) {
                for (float sample : channel) {
                    ASSERT_TRUE(std::isfinite(sample));
                }
            }
        }
    });
    for (int round = 0; round < 200; ++round) {
        const float v = static_cast<float>(round % 11) / 10.0f;
        for (int index = 0; index < 20; ++index) {
            instance->setParameter(index, v);
        }
        instance->setProgram(round % 10);
    }
    running = false;
    audio.join();
    EXPECT_EQ(instance->close(), 1);
}
