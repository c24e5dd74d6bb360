// The audio path through processReplacing of the built module.
#include "PluginFixture.hpp"

#include <atomic>
#include <cmath>
#include <thread>
#include <utility>

namespace {

using Channels = std::vector<std::vector<float>>;

std::vector<float> sine(float amplitude, float frequency, int frames = 512)
{
    std::vector<float> s(static_cast<size_t>(frames));
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] = amplitude * std::sin(6.2831853f * frequency * static_cast<float>(i) / 44100.0f);
    }
    return s;
}

// Runs one block of in through the effect.
Channels run(DevHost::CPluginInstance& instance, Channels in)
{
    Channels out;
    instance.process(in, out);
    return out;
}

}  // namespace

TEST_F(PluginFixture, DryMixIsTheRawInputDelayedAndScaled)
{
    auto instance = createPrepared();
    instance->setProgram(3);           // valve "Dirty", compressor on, limiter on
    instance->setParameter(16, 0.0f);  // limiter off: only its delay stays
    instance->setParameter(5, 0.0f);   // all dry
    instance->setParameter(0, 0.75f);  // +10 dB
    const Channels in = {sine(0.5f, 440.0f), sine(0.5f, 300.0f), {}, {}};
    const Channels out = run(*instance, in);
    const double gain = std::pow(10.0, 10.0 / 20.0);
    for (size_t c = 0; c < 2; ++c) {
        for (size_t i = 44; i < 512; ++i) {
            ASSERT_NEAR(out[c][i], in[c][i - 44] * gain, 1e-5) << c << " " << i;
        }
    }
}

TEST_F(PluginFixture, MonitoringTheExternalKeyIsUndelayed)
{
    auto instance = createPrepared();
    instance->setParameter(10, 1.0f);  // Monitor "Input"
    instance->setParameter(9, 1.0f);   // SideChain "External"
    instance->setParameter(12, 1.0f);  // Key Input "Right"
    instance->setParameter(0, 0.0f);   // Master has no effect on the monitored key
    const Channels in = {sine(0.5f, 440.0f), sine(0.5f, 300.0f), sine(0.3f, 100.0f), sine(0.7f, 90.0f)};
    const Channels out = run(*instance, in);
    EXPECT_EQ(out[0], in[3]);
    EXPECT_EQ(out[1], in[3]);
}

TEST_F(PluginFixture, LimiterKeepsTheOutputUnderTheCeiling)
{
    auto instance = createPrepared();
    instance->setProgram(1);           // limiter on, ceiling 0 dB
    instance->setParameter(19, 0.9f);  // ceiling -5 dB
    const double ceiling = std::pow(10.0, -5.0 / 20.0);
    for (const auto& channel : run(*instance, {sine(3.0f, 440.0f, 4096), sine(2.0f, 220.0f, 4096), {}, {}})) {
        for (float sample : channel) {
            ASSERT_LE(std::fabs(sample), ceiling + 1e-6);
        }
    }
}

TEST_F(PluginFixture, ShortEmptyAndMissingBlocks)
{
    auto instance = createPrepared(8000.0f, 256);  // run at 44100 Hz: 44 samples of look-ahead
    EXPECT_TRUE(run(*instance, Channels(4)).at(0).empty());
    float* none[4] = {nullptr, nullptr, nullptr, nullptr};
    instance->process(none, none, 0);
    instance->process(nullptr, nullptr, 64);
    std::vector<float> buffer(64, 0.5f);
    float* some[4] = {buffer.data(), buffer.data(), buffer.data(), buffer.data()};
    instance->process(some, some, -64);  // a negative count touches nothing
    EXPECT_EQ(buffer, std::vector<float>(64, 0.5f));
    EXPECT_EQ(run(*instance, Channels(4, std::vector<float>(1, 1.0f))).at(0).at(0), 0.0f);  // inside the look-ahead
}

TEST_F(PluginFixture, MissingChannelsReadAsSilenceAndAreNotWritten)
{
    // Each channel left out in turn, over more than one internal pass: a missing input is silence, every
    // output there is is written (the LV2 build's unconnected ports reach the same code).
    const int frames = 700;
    const Channels in = {sine(0.8f, 440.0f, frames), sine(0.6f, 300.0f, frames), sine(0.9f, 80.0f, frames),
                         sine(0.7f, 60.0f, frames)};
    for (int missing = 0; missing < 6; ++missing) {
        const bool input = missing < 4;
        const size_t channel = static_cast<size_t>(input ? missing : missing - 4);
        Channels given = in;
        if (input) {
            given[channel].assign(static_cast<size_t>(frames), 0.0f);  // what the reference hears instead
        }
        Channels expected(2, std::vector<float>(static_cast<size_t>(frames)));
        Channels out(2, std::vector<float>(static_cast<size_t>(frames), -7.0f));
        float* inputs[4] = {given[0].data(), given[1].data(), given[2].data(), given[3].data()};
        float* reference[2] = {expected[0].data(), expected[1].data()};
        float* outputs[2] = {out[0].data(), out[1].data()};
        auto a = createPrepared();
        auto b = createPrepared();
        for (auto* plugin : {a.get(), b.get()}) {
            plugin->setProgram(5);
            plugin->setParameter(9, 1.0f);  // external key, so the key pair is read
        }
        a->process(inputs, reference, frames);
        (input ? inputs : outputs)[channel] = nullptr;
        b->process(inputs, outputs, frames);
        for (size_t c = 0; c < 2; ++c) {
            if (!input && c == channel) {
                EXPECT_EQ(out[c], std::vector<float>(static_cast<size_t>(frames), -7.0f)) << missing;
            } else {
                EXPECT_EQ(out[c], expected[c]) << "missing channel " << missing << ", output " << c;
            }
        }
    }
}

TEST_F(PluginFixture, ChangesFromOtherThreadsReachWholeBlocksWhole)
{
    // Two programs whose make-up gains (from threshold and ratio together) give a quiet constant input two
    // levels; a block mixing their values would give a third. The host switches programs, automates what
    // does not change the level and renames; MIDI switches programs on the audio thread.
    auto instance = createPrepared(44100.0f, 128);
    const std::pair<int, float> common[] = {{11, 1.0f}, {13, 1.0f}, {16, 0.0f}};  // make-up, hard knee, no limiter
    instance->setProgram(8);
    instance->setParameter(1, 0.2f);  // -40 dB
    instance->setParameter(2, 1.0f);  // 20:1
    instance->setProgram(7);
    instance->setParameter(1, 0.8f);  // -10 dB
    instance->setParameter(2, 0.5f);
    const Channels in(4, std::vector<float>(128, 0.001f));
    float level[2] = {};
    for (int program : {8, 7}) {
        instance->setProgram(program);
        for (const auto& setting : common) {
            instance->setParameter(setting.first, setting.second);
        }
        run(*instance, in);
        level[program - 7] = run(*instance, in)[0][127];
    }
    ASSERT_NE(level[0], level[1]);

    std::atomic<bool> running{true};
    std::thread control([&]() {
        for (int round = 0; running.load(); ++round) {
            instance->setProgram(7 + round % 2);
            instance->setParameter(3 + round % 2, static_cast<float>(round % 101) / 100.0f);  // attack, release
            instance->setProgramName(round % 3 ? "Seven" : "A much longer name");
        }
    });
    int mixed = 0;
    for (int block = 0; block < 4000; ++block) {
        if (block % 3 == 0) {
            instance->sendMidi({DevHost::SMidiMessage::controller(0, 7 + block % 2, 0)});
        }
        const Channels out = run(*instance, in);
        // Samples from 44 on were computed in this block (the first 44 leave the delay from the last one).
        for (size_t i = 44; i < 128; ++i) {
            mixed += (out[0][i] != out[0][44] || (out[0][i] != level[0] && out[0][i] != level[1])) ? 1 : 0;
        }
    }
    running = false;
    control.join();
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(host.countOf(audioMasterGetTime), 0u);  // the effect never asks for the host's time
    EXPECT_EQ(instance->close(), 1);
}
