#include "model/PlainModel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {
// Four inputs (main pair, key pair) of programme-like material and two outputs.
struct Buffers {
    explicit Buffers(int n, double level = 0.8) : in(4, std::vector<float>(n)), out(2, std::vector<float>(n))
    {
        for (int i = 0; i < n; ++i) {
            const double env = level * (0.5 + 0.5 * std::sin(i * 0.0007));
            in[0][i] = static_cast<float>(env * (0.7 * std::sin(i * 0.031) + 0.3 * std::sin(i * 0.53)));
            in[1][i] = static_cast<float>(env * (0.6 * std::sin(i * 0.027 + 1.0) + 0.4 * std::sin(i * 0.9)));
            in[2][i] = static_cast<float>(0.9 * std::sin(i * 0.011));
            in[3][i] = static_cast<float>(0.5 * std::sin(i * 0.2 + 0.3));
        }
    }
    void process(PlainModel& model)
    {
        const float* i[4] = {in[0].data(), in[1].data(), in[2].data(), in[3].data()};
        float* o[2] = {out[0].data(), out[1].data()};
        model.process(i, o, static_cast<int>(out[0].size()));
    }
    std::vector<std::vector<float>> in, out;
};

PlainModel resumed(double rate, int program)
{
    PlainModel model(rate);
    model.setProgram(program);
    model.resume();
    return model;
}

}  // namespace

TEST(PlainModel, NeutralAndDrySettingsDelayTheInputExactly)
{
    for (auto rate : {std::make_pair(44100.0, 44), std::make_pair(96000.0, 96), std::make_pair(8000.0, 44)})
        for (bool dry : {false, true}) {
            PlainModel model = resumed(rate.first, dry ? 3 : 0);  // "Default" is neutral
            if (dry)  // valve "Dirty" and compression, but Mix 0 and the limiter off
            {
                model.setParameter(5, 0.0f);
                model.setParameter(16, 0.0f);
                model.setParameter(0, 0.75f);  // Master +10 dB
                EXPECT_NEAR(std::pow(10.0, 0.5), model.outputGain(), 1e-9);
                model.setParameter(0, std::nanf(""));  // ignored
                EXPECT_NEAR(std::pow(10.0, 0.5), model.outputGain(), 1e-9);
                model.setParameter(0, 1.7f);  // held at the top of the range, +20 dB
                EXPECT_NEAR(10.0, model.outputGain(), 1e-9);
                model.setParameter(0, 0.75f);
            }
            const double gain = dry ? model.outputGain() : 1.0;
            ASSERT_EQ(rate.second, model.latency());
            Buffers b(3000);
            b.process(model);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 3000; ++i)
                    ASSERT_EQ(i < rate.second ? 0.0f : static_cast<float>(b.in[ch][i - rate.second] * gain),
                              b.out[ch][i])
                        << rate.first << " Hz, dry " << dry << ", sample " << i;
        }
}
