// The built module against the plain per-sample model of the audio path,
// and the delay the module reports against the delay it really has.
#include "PluginFixture.hpp"

#include "model/PlainModel.hpp"
#include "model/VariedSignal.hpp"

#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

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

// The largest difference from the model over one run through blocks of one size.
struct SDifference {
    double largest = 0.0;
    size_t at = 0;
};

SDifference compare(DevHost::CPluginInstance& plugin, PlainModel& model, const Channels& in, int blockSize)
{
    const size_t frames = in[0].size();
    Channels pluginOut(2, std::vector<float>(frames));
    Channels modelOut(2, std::vector<float>(frames));
    for (size_t done = 0; done < frames;) {
        const int n = static_cast<int>(std::min<size_t>(static_cast<size_t>(blockSize), frames - done));
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
    SDifference difference;
    for (size_t c = 0; c < 2; ++c) {
        for (size_t i = 0; i < frames; ++i) {
            const double d = std::fabs(static_cast<double>(pluginOut[c][i]) - modelOut[c][i]);
            if (!(d <= difference.largest)) {  // a NaN counts as the largest
                difference = {d, i};
            }
        }
    }
    return difference;
}

}  // namespace

// One sample rate per test, so that the rates can run side by side.
class ModelAgreement : public PluginFixture, public testing::WithParamInterface<float> {};

TEST_P(ModelAgreement, EveryProgramAgreesWithThePlainModel)
{
    // The block-wise chain must not depend on how the host cuts the stream:
    // every block size gives the model's output within 1e-7 (below one step
    // of a 24-bit file).
    double largest = 0.0;
    std::string where;
    const float rate = GetParam();
    const Channels in = variedSignal(rate, 1.0f);
    // Programs 7 to 9 hold program 6's values, which are program 0's (the parameter table test checks the
    // values of all ten): program 6 stands for them.
    for (int blockSize : {1, 64, 300, 512, 4096}) {
        for (int program = 0; program < 7; ++program) {
            for (const SVariant& variant : variants()) {
                auto plugin = createPrepared(rate, blockSize);
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
                const SDifference difference = compare(*plugin, model, in, blockSize);
                const std::string what = "program " + std::to_string(program) + " (" + variant.name + ") at " +
                                         std::to_string(static_cast<int>(rate)) + " Hz in blocks of " +
                                         std::to_string(blockSize) + ", sample " + std::to_string(difference.at);
                EXPECT_LE(difference.largest, 1e-7) << what;
                if (!(difference.largest <= largest)) {
                    largest = difference.largest;
                    where = what;
                }
                plugin->close();
            }
        }
    }
    std::printf("largest difference from the plain model: %.3g (%s)\n", largest, where.c_str());
}

INSTANTIATE_TEST_SUITE_P(Rates, ModelAgreement, testing::Values(44100.0f, 48000.0f, 96000.0f));
