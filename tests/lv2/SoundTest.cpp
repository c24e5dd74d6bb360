// The LV2 build sounds like the VST build: every preset like its program,
// values in units like the normalised values they stand for; the latency and
// level ports tell the chain's delay and peak; values a host should not send,
// and ports it leaves unconnected, are survived.
#include "Lv2Fixture.hpp"
#include "model/PlainModel.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

using Lv2Host::CLv2Instance;

struct SSetting {
    const char* symbol;
    float units;
    int index;
    float normalised;  // what the VST host sends for the same setting
};

// Sets the controls of a setting in units.
void apply(CLv2Instance& instance, const std::vector<SSetting>& setting)
{
    for (const SSetting& s : setting) {
        instance.control(s.symbol) = s.units;
    }
}

// Compressing hard through every stage, with the valve, the key equaliser and the limiter.
// Ratio 4:1 is 1 - (1/4 - 0.05) / 0.95; a time of t ms is ln t / ln 1000.
const std::vector<SSetting> kEverything = {{"master", -2, 0, 0.45f},
                                           {"threshold", -20, 1, 0.6f},
                                           {"ratio", 4, 2, 0.789473684f},
                                           {"attack", 30, 3, 0.492373752f},
                                           {"release", 250, 4, 0.799313336f},
                                           {"mix", 0.8f, 5, 0.8f},
                                           {"eq_low", 6, 6, 0.65f},
                                           {"eq_high", -4, 8, 0.4f},
                                           {"makeup", 1, 11, 1},
                                           {"key_input", 2, 12, 1},
                                           {"knee", 35, 13, 0.35f},
                                           {"valve", 1, 14, 0.4f},
                                           {"mid_side", 0.3f, 15, 0.65f},
                                           {"limiter", 1, 16, 1},
                                           {"limiter_release", 80, 17, 0.634363329f},
                                           {"limiter_threshold", -3, 18, 0.94f},
                                           {"limiter_ceiling", -0.3f, 19, 0.994f}};

// Monitoring the equalised external key, taken from its left channel.
const std::vector<SSetting> kMonitoringTheKey = {{"sidechain", 1, 9, 1},
                                                 {"monitor", 1, 10, 0.7f},
                                                 {"key_input", 0, 12, 0.2f},
                                                 {"eq_mid", 10, 7, 0.75f},
                                                 {"valve", 2, 14, 1}};

}  // namespace

TEST_F(Lv2Fixture, EveryPresetSoundsLikeItsProgram)
{
    const PlainModel model;
    const auto presets = world().presets(world().plugin(URI));
    ASSERT_EQ(presets.size(), 10u);
    const Channels in = variedSignal(44100.0f, 2.0f);
    double largest = 0.0;
    for (int p = 0; p < 10; ++p) {
        EXPECT_EQ(presets[p].first, std::string(URI) + "/preset/" + std::to_string(p));
        EXPECT_EQ(presets[p].second, model.programName(p));
        auto lv2 = instantiate();
        lv2->applyPreset(presets[p].first);
        Channels out;
        lv2->process(in, out, 512);
        auto effect = createVst(44100.0f, 512);
        effect->setProgram(p);
        const double difference = largestDifference(out, processVst(*effect, in, 512));
        effect->close();
        EXPECT_LE(difference, 1e-7) << model.programName(p);
        largest = std::max(largest, difference);
    }
    std::printf("largest difference between a preset and its program: %g\n", largest);
}

TEST_F(Lv2Fixture, ValuesInUnitsSoundLikeTheNormalisedValues)
{
    // One stream through both builds; each setting is changed between two blocks
    // and takes effect from the next block's first sample in both.
    const std::vector<SSetting> harder = {
        {"threshold", -35.0f, 1, 0.3f}, {"ratio", 20.0f, 2, 1.0f}, {"eq_low", 0.0f, 6, 0.5f}};
    const Channels in = variedSignal(48000.0f, 1.0f);
    auto lv2 = instantiate(48000.0);
    auto effect = createVst(48000.0f, 480);
    for (const auto* setting : {&kEverything, &harder, &kMonitoringTheKey}) {
        for (const SSetting& s : *setting) {
            lv2->control(s.symbol) = s.units;
            effect->setParameter(s.index, s.normalised);
        }
        Channels out;
        lv2->process(in, out, 480);
        EXPECT_LE(largestDifference(out, processVst(*effect, in, 480)), 1e-7);
    }
    effect->close();
}

// That the output does not depend on the block size is the chain's (the VST build's model agreement).
TEST_F(Lv2Fixture, TheLevelPortHoldsTheLastBlocksPeakAtEveryBlockSize)
{
    const Channels in = variedSignal(44100.0f, 0.25f);
    for (uint32_t block : {4096u, 1u, 3u, 127u, 128u, 129u, 1000u}) {
        auto lv2 = instantiate();
        lv2->applyPreset(std::string(URI) + "/preset/5");
        lv2->control("eq_low") = 8.0f;
        Channels out;
        lv2->process(in, out, block);
        // The level port holds the last block's peak, as the VST editor's meter receives it.
        float peak = 0.0f;
        for (size_t i = (in[0].size() - 1) / block * block; i < in[0].size(); ++i) {
            peak = std::max({peak, std::fabs(out[0][i]), std::fabs(out[1][i])});
        }
        EXPECT_EQ(lv2->control("level"), peak) << "blocks of " << block;
    }
}

TEST_F(Lv2Fixture, TheLatencyPortTellsTheVstBuildsDelay)
{
    // The delay itself is the chain's (the VST build's impulse test); the presets' sound above shows the
    // LV2 build has it too. Here: the port tells it at every rate, after an empty block as hosts ask.
    for (double rate : {22050.0, 48000.0, 96000.0, 8000.0}) {
        auto lv2 = instantiate(rate);
        float& latency = lv2->control("latency");
        latency = -1.0f;
        lv2->run(0);
        auto effect = createVst(static_cast<float>(rate), 256);
        EXPECT_EQ(latency, static_cast<float>(effect->latency())) << rate;
        effect->close();
    }
}

TEST_F(Lv2Fixture, ValuesOutsideTheRangesAreHeldAndNaNIsIgnored)
{
    const Channels in = variedSignal(44100.0f, 0.5f);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto render = [&](const std::vector<std::pair<const char*, float>>& controls) {
        auto lv2 = instantiate();
        for (const auto& control : controls) {
            lv2->control(control.first) = control.second;
        }
        Channels out;
        lv2->process(in, out, 256);
        return out;
    };
    // Beyond the ranges, as the ranges' ends; a toggle is on above 0; a choice is the nearest stop.
    const struct {
        const char* symbol;
        float wild;
        float held;
    } cases[] = {{"threshold", -70, -50}, {"ratio", 500, 20},
                 {"attack", -5, 1},       {"release", 1e9f, 1000},
                 {"knee", 500, 100},      {"valve", 7.6f, 2},
                 {"key_input", -3, 0},    {"master", -1e30f, -20},
                 {"eq_low", inf, 20},     {"limiter", 0.5f, 1},
                 {"makeup", 0.01f, 1},    {"limiter_ceiling", 3, 0},
                 {"mix", 1.5f, 1},        {"limiter_threshold", -inf, -50}};
    std::vector<std::pair<const char*, float>> wild;
    std::vector<std::pair<const char*, float>> held;
    for (const auto& c : cases) {
        wild.emplace_back(c.symbol, c.wild);
        held.emplace_back(c.symbol, c.held);
    }
    EXPECT_EQ(largestDifference(render(wild), render(held)), 0.0);
    EXPECT_EQ(largestDifference(render({{"valve", 1.4f}}), render({{"valve", 1}})), 0.0);
    EXPECT_GT(largestDifference(render({{"valve", 1.6f}}), render({{"valve", 1}})), 0.0);

    // NaN leaves the last good value, also before the first.
    EXPECT_EQ(largestDifference(render({{"threshold", nan}, {"ratio", nan}, {"valve", nan}}), render({})), 0.0);
    auto withNaN = instantiate();
    auto steady = instantiate();
    Channels out;
    Channels expected;
    for (auto* lv2 : {withNaN.get(), steady.get()}) {
        apply(*lv2, kEverything);
        lv2->process(in, out, 256);
    }
    for (const SSetting& setting : kEverything) {
        withNaN->control(setting.symbol) = nan;
    }
    withNaN->process(in, out, 256);
    steady->process(in, expected, 256);
    EXPECT_EQ(largestDifference(out, expected), 0.0);
}

TEST_F(Lv2Fixture, UnconnectedPortsAreSilenceOrGoNowhere)
{
    auto lv2 = instantiate();
    for (uint32_t port = 0; port < 28; ++port) {
        lv2->connect(port, nullptr);
    }
    lv2->run(300);  // nothing connected at all: a missing channel reads as silence (the VST tests show how)
}
