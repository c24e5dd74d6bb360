// The delay the module reports is the delay an impulse really takes, at every
// rate; sample rates beyond the look-ahead ring and bad samples are survived.
#include "PluginFixture.hpp"

#include <xmmintrin.h>
#include <cmath>
#include <limits>
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
        ASSERT_NE(plugin, nullptr);
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
        ASSERT_NE(plugin, nullptr);
        EXPECT_EQ(plugin->latency(), 1023) << rate;
        plugin->setProgram(5);  // limiter on
        plugin->setProgram(0);
        EXPECT_EQ(impulseDelay(*plugin, 4096), 1023) << rate;
        plugin->close();
    }
}

TEST_F(PluginFixture, NonFiniteInputIsSurvived)
{
    // One bad host sample must not poison the detectors: the output stays
    // finite, and once the bad samples have left the delay and the detectors'
    // memory, it is the output of a run with silence in their place.
    const int frames = 16384;
    std::vector<std::vector<float>> clean(4, std::vector<float>(frames));
    for (int i = 0; i < frames; ++i) {
        const float s = 0.7f * std::sin(0.05f * static_cast<float>(i));
        clean[0][static_cast<size_t>(i)] = s;
        clean[1][static_cast<size_t>(i)] = 0.5f * s;
        clean[2][static_cast<size_t>(i)] = s;
        clean[3][static_cast<size_t>(i)] = s;
    }
    std::vector<std::vector<float>> dirty = clean;
    dirty[0][1000] = std::numeric_limits<float>::quiet_NaN();
    dirty[1][1001] = std::numeric_limits<float>::infinity();
    dirty[0][3000] = -std::numeric_limits<float>::infinity();
    clean[0][1000] = clean[1][1001] = clean[0][3000] = 0.0f;
    const int settled = 3000 + 44 + 8000;
    for (int program : {4, 5, 3}) {
        std::vector<std::vector<float>> outClean;
        std::vector<std::vector<float>> outDirty;
        auto a = createPrepared();
        auto b = createPrepared();
        ASSERT_TRUE(a && b);
        for (auto* plugin : {a.get(), b.get()}) {
            plugin->setProgram(program);
            plugin->setParameter(6, 0.7f);  // key equaliser in the path
        }
        a->process(clean, outClean);
        b->process(dirty, outDirty);
        for (int c = 0; c < 2; ++c) {
            for (int i = 0; i < frames; ++i) {
                const float d = outDirty[static_cast<size_t>(c)][static_cast<size_t>(i)];
                ASSERT_TRUE(std::isfinite(d)) << "program " << program << " sample " << i;
                if (i >= settled) {
                    ASSERT_NEAR(d, outClean[static_cast<size_t>(c)][static_cast<size_t>(i)], 1e-6)
                        << "program " << program << " channel " << c << " sample " << i;
                }
            }
        }
        a->close();
        b->close();
    }
}

TEST_F(PluginFixture, LeftKeyIgnoresTheRightChannel)
{
    // Internal key from the left channel only: whatever the right channel
    // carries, the gain on the left channel is the same.
    const int frames = 4096;
    std::vector<std::vector<float>> first(4, std::vector<float>(frames));
    std::vector<std::vector<float>> second;
    for (int i = 0; i < frames; ++i) {
        first[0][static_cast<size_t>(i)] = 0.8f * std::sin(0.03f * static_cast<float>(i));
        first[1][static_cast<size_t>(i)] = 0.1f * std::sin(0.2f * static_cast<float>(i));
    }
    second = first;
    for (int i = 0; i < frames; ++i) {
        second[1][static_cast<size_t>(i)] = (i / 200) % 2 ? 0.99f : -0.99f;
    }
    std::vector<std::vector<float>> outFirst;
    std::vector<std::vector<float>> outSecond;
    auto a = createPrepared();
    auto b = createPrepared();
    ASSERT_TRUE(a && b);
    for (auto* plugin : {a.get(), b.get()}) {
        plugin->setProgram(5);           // compressor at -17.5 dB, no valve
        plugin->setParameter(16, 0.0f);  // limiter off: its detector is linked too
        plugin->setParameter(11, 0.0f);  // no make-up gain, so the reduction shows
        plugin->setParameter(12, 0.0f);  // "Key Input" "Left"
    }
    a->process(first, outFirst);
    b->process(second, outSecond);
    bool compressed = false;
    for (int i = 44; i < frames; ++i) {
        ASSERT_EQ(outFirst[0][static_cast<size_t>(i)], outSecond[0][static_cast<size_t>(i)]) << i;
        const float dry = first[0][static_cast<size_t>(i - 44)];
        compressed = compressed || std::fabs(outFirst[0][static_cast<size_t>(i)]) < 0.5f * std::fabs(dry);
    }
    EXPECT_TRUE(compressed);  // the key really drives the gain
    a->close();
    b->close();
}

TEST_F(PluginFixture, ProcessingLeavesTheHostsFloatingPointModeAlone)
{
    auto plugin = createPrepared();
    ASSERT_NE(plugin, nullptr);
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
