#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"
#include "CValveModel.hpp"
#include "DspMath.hpp"
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

// The chain again, built from the plug-in's DSP classes and configured from
// the model's parameters: an independent check of the model's blocks.
std::vector<std::vector<float>> classChain(const PlainModel& m, const Buffers& b)
{
    CEQ eq[2];
    CValveModel valve;
    CCompressorSC comp;
    CLimiter limiter;
    const double rate = m.sampleRate();
    for (CEQ& e : eq) {
        e.initEQ(800, 5000, rate);
        e.setGain(dB2lin(m.parameterData(6)), dB2lin(m.parameterData(7)), dB2lin(m.parameterData(8)));
    }
    comp.setSamplerate(rate);
    comp.setThresh(m.parameterData(1));
    comp.setRatio(m.parameterData(2));
    comp.setAttack(m.parameterData(3));
    comp.setRelease(m.parameterData(4));
    comp.setKnee(m.parameterValue(13));
    limiter.setSamplerate(rate);
    limiter.setThresh(m.parameterData(18));
    limiter.setRelease(m.parameterData(17));
    limiter.reset();
    const int k = m.parameterIntData(12), shape = m.parameterIntData(14);
    const bool external = m.parameterIntData(9) == 1, makeUp = m.parameterIntData(11) == 1;
    const bool eqOn = m.parameterValue(6) != 0.5f || m.parameterValue(7) != 0.5f || m.parameterValue(8) != 0.5f;
    const double valveA[3] = {0, 2.0, 4.0}, valveB[3] = {0, 1.0, 4.0};
    const double valveScale[3] = {1, 0.699999988079071, 0.4000000059604645};
    const float mix = m.mix();
    const double c = m.outputCeiling();
    std::vector<std::vector<float>> out(2, std::vector<float>(b.in[0].size()));
    for (size_t i = 0; i < out[0].size(); ++i) {
        double a[2] = {b.in[0][i], b.in[1][i]};
        const double src[2] = {external ? b.in[2][i] : a[0], external ? b.in[3][i] : a[1]};
        double key[2] = {k == 2 ? src[1] : src[0], k == 0 ? src[0] : src[1]};
        for (int ch = 0; ch < 2; ++ch) {
            if (shape != 0)
                a[ch] = valve.process(valveA[shape], valveB[shape], a[ch]) * valveScale[shape];
            if (eqOn)
                key[ch] = eq[ch].processEQ(key[ch]);
        }
        const double mid = (key[0] + key[1]) * m.midGain(), side = (key[0] - key[1]) * m.sideGain();
        key[0] = (mid + side) * 0.5;
        key[1] = (mid - side) * 0.5;
        if (m.parameterValue(1) != 1.0f)
            comp.processRMS(a[0], a[1], key[0], key[1]);
        double w[2];
        for (int ch = 0; ch < 2; ++ch)
            w[ch] = mix * a[ch] * (makeUp ? m.makeUpGain() : 1.0) + static_cast<double>((1.0f - mix) * b.in[ch][i]);
        const bool limit = m.parameterIntData(16) != 0;
        limit ? limiter.process(w[0], w[1]) : limiter.processBlank(w[0], w[1]);
        for (int ch = 0; ch < 2; ++ch) {
            if (limit)
                w[ch] = std::min(std::max(makeUp ? w[ch] * m.limiterNormalisationGain() * c : w[ch], -c), c);
            out[ch][i] = static_cast<float>(m.parameterIntData(10) != 0 ? key[ch] : w[ch] * m.outputGain());
        }
    }
    return out;
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

TEST(PlainModel, AgreesWithTheDspBlocksOnEveryProgram)
{
    struct Variant {
        int program, index;
        float value;
    };
    std::vector<Variant> variants = {{4, 6, 0.8f},  {5, 8, 0.2f},  {2, 9, 1.0f}, {3, 12, 1.0f},
                                     {1, 15, 0.1f}, {2, 10, 1.0f}, {4, 5, 0.3f}};
    for (int p = 0; p < PlainModel::NUM_PROGRAMS; ++p)
        variants.push_back({p, -1, 0.0f});
    for (double rate : {44100.0, 96000.0})
        for (const Variant& v : variants) {
            PlainModel model = resumed(rate, v.program);
            if (v.index >= 0)
                model.setParameter(v.index, v.value);
            Buffers b(8000, 1.5);
            const auto expected = classChain(model, b);
            b.process(model);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 8000; ++i)
                    ASSERT_NEAR(expected[ch][i], b.out[ch][i], 1e-6)
                        << rate << " Hz, program " << v.program << ", index " << v.index << ", sample " << i;
        }
}
