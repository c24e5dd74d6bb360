// The built module against the plain per-sample model of the audio path,
// and the delay the module reports against the delay it really has.
#include "PluginFixture.hpp"

#include "model/PlainModel.hpp"

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

using Channels = std::vector<std::vector<float>>;

// A few seconds that visit every part of the chain: tones on both channels,
// noise bursts, silence long enough for the detectors to decay, a loud
// transient, a quiet passage, and a different key pair on inputs 3 and 4.
Channels variedSignal(float rate, float seconds)
{
    const size_t frames = static_cast<size_t>(rate * seconds);
    Channels in(4, std::vector<float>(frames, 0.0f));
    std::mt19937 random(1234);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    const double twoPi = 6.283185307179586;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double phase = t / seconds;  // 0..1 through the passage
        double left = 0.0;
        double right = 0.0;
        if (phase < 0.25) {
            left = 0.6 * std::sin(twoPi * 220.0 * t) + 0.2 * std::sin(twoPi * 3100.0 * t);
            right = 0.5 * std::sin(twoPi * 330.0 * t);
        } else if (phase < 0.4) {
            const bool burst = std::fmod(t, 0.1) < 0.03;
            left = burst ? 0.9 * noise(random) : 0.05 * noise(random);
            right = burst ? 0.7 * noise(random) : 0.0;
        } else if (phase < 0.55) {
            // silence
        } else if (phase < 0.6) {
            const double since = t - 0.55 * seconds;
            left = 1.4 * std::exp(-since * 40.0) * std::sin(twoPi * 90.0 * t);  // beyond full scale
            right = -left;
        } else {
            left = 0.01 * std::sin(twoPi * 1000.0 * t);
            right = 0.3 * std::sin(twoPi * 60.0 * t) * std::sin(twoPi * 0.7 * t);
        }
        in[0][i] = static_cast<float>(left);
        in[1][i] = static_cast<float>(right);
        in[2][i] = static_cast<float>(0.8 * std::sin(twoPi * 55.0 * t) * (std::fmod(t, 0.5) < 0.1 ? 1.0 : 0.1));
        in[3][i] = 0.3f * noise(random);
    }
    return in;
}

// Settings layered over a factory program.
struct SVariant {
    const char* name;
    std::vector<std::pair<int, float>> settings;
};

const std::vector<SVariant>& variants()
{
    static const std::vector<SVariant> all = {
        {"as stored", {}},
        {"external key, equalised, right", {{9, 1.0f}, {6, 0.8f}, {7, 0.3f}, {8, 0.6f}, {12, 1.0f}, {15, 0.3f}}},
        {"make-up, part dry, loud master", {{11, 1.0f}, {5, 0.6f}, {0, 0.7f}, {13, 0.9f}, {16, 1.0f}}},
        {"compressing hard, left key, limiter low",
         {{1, 0.4f}, {2, 0.9f}, {12, 0.0f}, {18, 0.7f}, {19, 0.8f}, {17, 0.1f}}},
        {"monitoring the equalised key", {{10, 1.0f}, {6, 0.2f}, {15, 0.9f}}},
    };
    return all;
}

// Runs both through the same blocks; block sizes vary so block edges move.
void expectAgreement(DevHost::CPluginInstance& plugin, PlainModel& model, const Channels& in, const std::string& what)
{
    const size_t frames = in[0].size();
    Channels pluginOut(2, std::vector<float>(frames));
    Channels modelOut(2, std::vector<float>(frames));
    const int blockSizes[] = {512, 1, 300, 64, 1024};
    size_t done = 0;
    for (int b = 0; done < frames; ++b) {
        const int n = static_cast<int>(std::min<size_t>(static_cast<size_t>(blockSizes[b % 5]), frames - done));
        float* inputs[4];
        for (int c = 0; c < 4; ++c) {
            inputs[c] = const_cast<float*>(in[static_cast<size_t>(c)].data()) + done;
        }
        float* pluginOutputs[2] = {pluginOut[0].data() + done, pluginOut[1].data() + done};
        float* modelOutputs[2] = {modelOut[0].data() + done, modelOut[1].data() + done};
        plugin.process(inputs, pluginOutputs, n);
        model.process(inputs, modelOutputs, n);
        done += static_cast<size_t>(n);
    }
    double worst = 0.0;
    size_t worstAt = 0;
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const float p = pluginOut[static_cast<size_t>(c)][i];
            ASSERT_TRUE(std::isfinite(p)) << what << " sample " << i;
            const double d = std::fabs(static_cast<double>(p) - modelOut[static_cast<size_t>(c)][i]);
            if (d > worst) {
                worst = d;
                worstAt = i;
            }
        }
    }
    EXPECT_LE(worst, 1e-6) << what << ": largest difference at sample " << worstAt;
}

}  // namespace

TEST_F(PluginFixture, EveryProgramAgreesWithThePlainModel)
{
    for (float rate : {44100.0f, 48000.0f, 96000.0f}) {
        const Channels in = variedSignal(rate, 2.5f);
        for (int program = 0; program < 10; ++program) {
            for (const SVariant& variant : variants()) {
                auto plugin = createPrepared(rate);
                ASSERT_NE(plugin, nullptr);
                // The same order as the host: resume first, then the program and its edits.
                PlainModel model(rate);
                model.resume();
                plugin->setProgram(program);
                model.setProgram(program);
                for (const auto& setting : variant.settings) {
                    plugin->setParameter(setting.first, setting.second);
                    model.setParameter(setting.first, setting.second);
                }
                ASSERT_EQ(plugin->latency(), model.latency());
                expectAgreement(*plugin, model, in,
                                "program " + std::to_string(program) + " (" + variant.name + ") at " +
                                    std::to_string(static_cast<int>(rate)) + " Hz");
                plugin->close();
            }
        }
    }
}
