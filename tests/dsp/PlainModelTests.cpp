#include "CCompressorSC.hpp"
#include "CEQ.hpp"
#include "CLimiter.hpp"
#include "CValveModel.hpp"
#include "DspMath.hpp"
#include "model/PlainModel.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
// Four inputs (main pair, key pair) and two outputs of programme-like material.
struct Buffers
{
    explicit Buffers(int n, float level = 0.8f) : in(4, std::vector<float>(n)), out(2, std::vector<float>(n))
    {
        for (int i = 0; i < n; ++i)
        {
            const double env = 0.5 + 0.5 * std::sin(i * 0.0007);
            in[0][i] = static_cast<float>(level * env * (0.7 * std::sin(i * 0.031) + 0.3 * std::sin(i * 0.53)));
            in[1][i] = static_cast<float>(level * env * (0.6 * std::sin(i * 0.027 + 1.0) + 0.4 * std::sin(i * 0.9)));
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
    std::vector<std::vector<float>> in;
    std::vector<std::vector<float>> out;
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
std::vector<float> classChain(const PlainModel& m, const Buffers& b, int channel)
{
    CEQ eq[2];
    CValveModel valve;
    CCompressorSC comp;
    CLimiter limiter;
    const double rate = m.sampleRate();
    for (CEQ& e : eq)
    {
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
    std::vector<float> out(b.in[0].size());
    for (size_t i = 0; i < out.size(); ++i)
    {
        double a[2] = {b.in[0][i], b.in[1][i]};
        const double src[2] = {external ? b.in[2][i] : a[0], external ? b.in[3][i] : a[1]};
        double key[2] = {k == 2 ? src[1] : src[0], k == 0 ? src[0] : src[1]};
        for (int ch = 0; ch < 2; ++ch)
        {
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
        if (m.parameterIntData(16) != 0)
        {
            limiter.process(w[0], w[1]);
            for (double& x : w)
                x = std::min(std::max(makeUp ? x * m.limiterNormalisationGain() * c : x, -c), c);
        }
        else
        {
            limiter.processBlank(w[0], w[1]);
        }
        out[i] = static_cast<float>(m.parameterIntData(10) != 0 ? key[channel] : w[channel] * m.outputGain());
    }
    return out;
}
} // namespace

TEST(PlainModel, NeutralSettingsDelayTheInputExactly)
{
    for (auto rate : {std::make_pair(44100.0, 44), std::make_pair(96000.0, 96), std::make_pair(8000.0, 44)})
    {
        PlainModel model = resumed(rate.first, 0); // "Default" is neutral
        ASSERT_EQ(rate.second, model.latency());
        Buffers b(3000);
        b.process(model);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 3000; ++i)
                ASSERT_EQ(i < rate.second ? 0.0f : b.in[ch][i - rate.second], b.out[ch][i]) << i;
    }
}

TEST(PlainModel, MixZeroIsTheRawInputDelayedAndScaled)
{
    PlainModel model = resumed(48000.0, 3); // valve "Dirty", compression
    model.setParameter(5, 0.0f);            // Mix 0
    model.setParameter(16, 0.0f);           // limiter off: plain delay
    model.setParameter(0, 0.75f);           // Master +10 dB
    EXPECT_NEAR(std::pow(10.0, 0.5), model.outputGain(), 1e-9);
    Buffers b(2000);
    b.process(model);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(i < 48 ? 0.0f : static_cast<float>(b.in[0][i - 48] * model.outputGain()), b.out[0][i]) << i;
}

TEST(PlainModel, LimiterKeepsOutputUnderCeilingTimesMaster)
{
    for (int program : {1, 2, 3, 4, 5})
    {
        PlainModel model = resumed(44100.0, program);
        model.setParameter(0, 0.4f);  // Master -4 dB
        model.setParameter(19, 0.9f); // ceiling -5 dB
        Buffers b(6000, 3.0f);
        b.process(model);
        const double bound = model.outputCeiling() * model.outputGain() * (1.0 + 1e-6);
        for (int ch = 0; ch < 2; ++ch)
            for (float x : b.out[ch])
                ASSERT_LE(std::fabs(x), bound) << program;
        EXPECT_GT(model.blockPeak(), 0.5 * bound);
        EXPECT_LE(model.blockPeak(), bound);
    }
}

TEST(PlainModel, AgreesWithTheDspBlocksOnEveryProgram)
{
    struct Variant
    {
        int program, index;
        float value;
    };
    std::vector<Variant> variants = {{4, 6, 0.8f}, {5, 8, 0.2f}, {2, 9, 1.0f}, {3, 12, 1.0f},
                                     {1, 15, 0.1f}, {2, 10, 1.0f}, {4, 5, 0.3f}};
    for (int p = 0; p < PlainModel::NUM_PROGRAMS; ++p)
        variants.push_back({p, -1, 0.0f});
    for (double rate : {44100.0, 96000.0})
        for (const Variant& v : variants)
        {
            PlainModel model = resumed(rate, v.program);
            if (v.index >= 0)
                model.setParameter(v.index, v.value);
            Buffers b(8000, 1.5f);
            const std::vector<float> expected[2] = {classChain(model, b, 0), classChain(model, b, 1)};
            b.process(model);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 8000; ++i)
                    ASSERT_NEAR(expected[ch][i], b.out[ch][i], 1e-6)
                        << rate << " Hz, program " << v.program << ", index " << v.index << ", sample " << i;
        }
}

TEST(PlainModel, NonFiniteInputKeepsTheOutputFinite)
{
    for (int program = 0; program < 6; ++program)
    {
        PlainModel model = resumed(44100.0, program);
        model.setParameter(6, 0.7f); // key equaliser in use
        Buffers b(3000);
        for (auto& channel : b.in)
        {
            channel[100] = std::numeric_limits<float>::quiet_NaN();
            channel[101] = std::numeric_limits<float>::infinity();
        }
        b.process(model);
        for (const auto& channel : b.out)
            for (float x : channel)
                ASSERT_TRUE(std::isfinite(x)) << program;
    }
}
