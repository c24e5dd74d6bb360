// The delay the module reports is the delay an impulse really takes, at every
// rate; sample rates beyond the look-ahead ring and corrupt samples are survived.
#include "PluginFixture.hpp"

#include <xmmintrin.h>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// Index of the first non-zero output sample for an impulse at sample 0.
int impulseDelay(DevHost::CPluginInstance& plugin, int frames)
{
    std::vector<std::vector<float>> in(4, std::vector<float>(static_cast<size_t>(frames), 0.0f));
    in[0][0] = 1.0f;
    in[1][0] = -0.5f;
    std::vector<std::vector<float>> out;
    plugin.process(in, out);
    for (int i = 0; i < frames; ++i) {
        if (out[0][static_cast<size_t>(i)] != 0.0f) {
            EXPECT_EQ(out[0][static_cast<size_t>(i)], 1.0f);
            EXPECT_EQ(out[1][static_cast<size_t>(i)], -0.5f);
            return i;
        }
    }
    return -1;
}

}  // namespace

TEST_F(PluginFixture, ImpulseDelayEqualsTheReportedLatencyAtEveryRate)
{
    const struct {
        float rate;
        int lookAhead;
    } cases[] = {{22050.0f, 22}, {44100.0f, 44},   {48000.0f, 48}, {88200.0f, 88},
                 {96000.0f, 96}, {192000.0f, 192}, {8000.0f, 44}};
    for (const auto& c : cases) {
        auto plugin = createPrepared(c.rate);
        EXPECT_EQ(plugin->latency(), c.lookAhead) << c.rate;
        EXPECT_EQ(impulseDelay(*plugin, 2048), plugin->latency()) << c.rate;
        plugin->close();
    }
}

TEST_F(PluginFixture, RatesBeyondTheLookAheadRingKeepWorking)
{
    // One millisecond no longer fits the 1024-sample ring: the look-ahead stops
    // at the ring's last slot and the host is told that delay.
    for (float rate : {1024000.0f, 3000000.0f}) {
        auto plugin = createPrepared(rate);
        EXPECT_EQ(plugin->latency(), 1023) << rate;
        plugin->setProgram(5);  // limiter on
        plugin->setProgram(0);
        EXPECT_EQ(impulseDelay(*plugin, 4096), 1023) << rate;
        plugin->close();
    }
}

TEST_F(PluginFixture, CorruptSamplesLeaveNoTrace)
{
    // NaN, infinities and a burst of 1e30 in every input: the output stays finite, and a second later its
    // level is the clean run's, through the valve, key equaliser, compressor, limiter or monitored key.
    const struct {
        int program;
        std::vector<std::pair<int, float>> settings;
    } variants[] = {
        {3, {{16, 0.0f}}},                                    // "Dirty" valve, limiter off
        {4, {{6, 0.7f}}},                                     // valve, compressor, key equaliser, limiter
        {5, {{6, 0.7f}}},                                     // compressor with a long release, limiter
        {5, {{10, 1.0f}, {9, 1.0f}, {12, 0.5f}, {6, 0.7f}}},  // monitoring the external key
    };
    for (float rate : {44100.0f, 8000.0f}) {  // 8000 Hz runs the blocks at 44100 Hz
        const size_t frames = static_cast<size_t>(3.0f * rate);
        const size_t burst = static_cast<size_t>(0.5f * rate);
        std::vector<std::vector<float>> clean(4, std::vector<float>(frames));
        for (size_t i = 0; i < frames; ++i) {
            const float t = static_cast<float>(i) / rate;
            const float s = 0.5f * std::sin(6.2832f * 110.0f * t) * (1.0f + 0.5f * std::sin(6.2832f * 3.0f * t));
            clean[0][i] = s;
            clean[1][i] = -0.7f * s;
            clean[2][i] = 0.6f * std::sin(6.2832f * 70.0f * t);
            clean[3][i] = s;
        }
        std::vector<std::vector<float>> dirty = clean;
        for (auto& channel : dirty) {
            for (size_t i = burst; i < burst + 32; ++i) {
                channel[i] = i % 2 ? 1e30f : -1e30f;
            }
            channel[burst + 40] = std::numeric_limits<float>::quiet_NaN();
            channel[burst + 41] = std::numeric_limits<float>::infinity();
            channel[burst + 42] = -std::numeric_limits<float>::infinity();
            channel[burst + 43] = -3e7f;
        }
        for (const auto& variant : variants) {
            const std::string what = "program " + std::to_string(variant.program) + " with " +
                                     std::to_string(variant.settings.size()) + " settings at " +
                                     std::to_string(static_cast<int>(rate)) + " Hz";
            std::vector<std::vector<float>> outClean;
            std::vector<std::vector<float>> outDirty;
            auto a = createPrepared(rate);
            auto b = createPrepared(rate);
            for (auto* plugin : {a.get(), b.get()}) {
                plugin->setProgram(variant.program);
                for (const auto& setting : variant.settings) {
                    plugin->setParameter(setting.first, setting.second);
                }
            }
            a->process(clean, outClean);
            b->process(dirty, outDirty);
            const size_t from = burst + static_cast<size_t>(rate);
            const size_t to = from + static_cast<size_t>(0.5f * rate);
            for (size_t c = 0; c < 2; ++c) {
                double energyClean = 0.0;
                double energyDirty = 0.0;
                for (size_t i = 0; i < frames; ++i) {
                    const double d = outDirty[c][i];
                    ASSERT_TRUE(std::isfinite(d)) << what << ", sample " << i;
                    if (i >= from && i < to) {
                        energyClean += static_cast<double>(outClean[c][i]) * outClean[c][i];
                        energyDirty += d * d;
                    }
                }
                ASSERT_GT(energyClean, 0.0) << what;
                EXPECT_NEAR(10.0 * std::log10(energyDirty / energyClean), 0.0, 0.5) << what << ", channel " << c;
            }
            a->close();
            b->close();
        }
    }
}

TEST_F(PluginFixture, ProcessingLeavesTheHostsFloatingPointModeAlone)
{
    auto plugin = createPrepared();
    plugin->setProgram(5);
    std::vector<std::vector<float>> in(4, std::vector<float>(256, 0.25f));
    std::vector<std::vector<float>> out;
    const unsigned int original = _mm_getcsr();
    for (unsigned int hostMode : {original & ~0x8040u, original | 0x8040u}) {
        _mm_setcsr(hostMode);
        plugin->process(in, out);
        EXPECT_EQ(_mm_getcsr(), hostMode);
    }
    _mm_setcsr(original);
    plugin->close();
}
