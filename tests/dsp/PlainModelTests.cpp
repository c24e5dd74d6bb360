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
// Four input channels and two outputs of n samples.
struct Buffers
{
    explicit Buffers(int n) : data(4, std::vector<float>(n)), out(2, std::vector<float>(n)) {}

    void process(PlainModel& model)
    {
        const float* in[4] = {data[0].data(), data[1].data(), data[2].data(), data[3].data()};
        float* o[2] = {out[0].data(), out[1].data()};
        model.process(in, o, static_cast<int>(out[0].size()));
    }

    std::vector<std::vector<float>> data;
    std::vector<std::vector<float>> out;
};

// Programme-like material: two tones and a swelling burst on the main pair,
// a different pair on the key inputs.
Buffers music(int n, float level = 0.8f)
{
    Buffers b(n);
    for (int i = 0; i < n; ++i)
    {
        const double env = 0.5 + 0.5 * std::sin(i * 0.0007);
        b.data[0][i] = static_cast<float>(level * env * (0.7 * std::sin(i * 0.031) + 0.3 * std::sin(i * 0.53)));
        b.data[1][i] = static_cast<float>(level * env * (0.6 * std::sin(i * 0.027 + 1.0) + 0.4 * std::sin(i * 0.9)));
        b.data[2][i] = static_cast<float>(0.9 * std::sin(i * 0.011));
        b.data[3][i] = static_cast<float>(0.5 * std::sin(i * 0.2 + 0.3));
    }
    return b;
}

PlainModel resumed(double rate, int program)
{
    PlainModel model(rate);
    model.setProgram(program);
    model.resume();
    return model;
}

// The same chain built from the plug-in's DSP classes, configured from the
// model's parameter values after resume.
class ClassChain
{
public:
    explicit ClassChain(const PlainModel& m) : mModel(m)
    {
        const double rate = m.sampleRate();
        for (CEQ& eq : mEq)
        {
            eq.initEQ(800, 5000, rate);
            eq.setGain(dB2lin(m.parameterData(6)), dB2lin(m.parameterData(7)), dB2lin(m.parameterData(8)));
        }
        mComp.setSamplerate(rate);
        mComp.reset();
        mComp.setThresh(m.parameterData(1));
        mComp.setRatio(m.parameterData(2));
        mComp.setAttack(m.parameterData(3));
        mComp.setRelease(m.parameterData(4));
        mComp.setKnee(m.parameterValue(13));
        mLimiter.setSamplerate(rate);
        mLimiter.setThresh(m.parameterData(18));
        mLimiter.setRelease(m.parameterData(17));
        mLimiter.reset();
    }

    void process(const Buffers& b, std::vector<float> out[2])
    {
        const PlainModel& m = mModel;
        const int n = static_cast<int>(b.data[0].size());
        out[0].resize(n);
        out[1].resize(n);
        for (int i = 0; i < n; ++i)
        {
            double aL = b.data[0][i];
            double aR = b.data[1][i];
            const int k = m.parameterIntData(12);
            const bool external = m.parameterIntData(9) == 1;
            const double srcL = external ? b.data[2][i] : aL;
            const double srcR = external ? b.data[3][i] : aR;
            double kL = k == 2 ? srcR : srcL;
            double kR = k == 0 ? srcL : srcR;
            const int valve = m.parameterIntData(14);
            if (valve == 1)
            {
                aL = mValve.process(2.0, 1.0, aL) * 0.699999988079071;
                aR = mValve.process(2.0, 1.0, aR) * 0.699999988079071;
            }
            else if (valve == 2)
            {
                aL = mValve.process(4.0, 4.0, aL) * 0.4000000059604645;
                aR = mValve.process(4.0, 4.0, aR) * 0.4000000059604645;
            }
            if (m.parameterValue(6) != 0.5f || m.parameterValue(7) != 0.5f || m.parameterValue(8) != 0.5f)
            {
                kL = mEq[0].processEQ(kL);
                kR = mEq[1].processEQ(kR);
            }
            const double mid = (kL + kR) * m.midGain();
            const double side = (kL - kR) * m.sideGain();
            kL = (mid + side) * 0.5;
            kR = (mid - side) * 0.5;
            if (m.parameterValue(1) != 1.0f)
                mComp.processRMS(aL, aR, kL, kR);
            const bool makeUp = m.parameterIntData(11) == 1;
            const float mix = m.mix();
            double wL = mix * aL * (makeUp ? m.makeUpGain() : 1.0);
            double wR = mix * aR * (makeUp ? m.makeUpGain() : 1.0);
            wL += static_cast<double>((1.0f - mix) * b.data[0][i]);
            wR += static_cast<double>((1.0f - mix) * b.data[1][i]);
            if (m.parameterIntData(16) != 0)
            {
                mLimiter.process(wL, wR);
                const double c = m.outputCeiling();
                if (makeUp)
                {
                    wL = wL * m.limiterNormalisationGain() * c;
                    wR = wR * m.limiterNormalisationGain() * c;
                }
                wL = std::min(std::max(wL, -c), c);
                wR = std::min(std::max(wR, -c), c);
            }
            else
            {
                mLimiter.processBlank(wL, wR);
            }
            const bool monitor = m.parameterIntData(10) != 0;
            out[0][i] = static_cast<float>(monitor ? kL : wL * m.outputGain());
            out[1][i] = static_cast<float>(monitor ? kR : wR * m.outputGain());
        }
    }

private:
    const PlainModel& mModel;
    CEQ mEq[2];
    CValveModel mValve;
    CCompressorSC mComp;
    CLimiter mLimiter;
};
} // namespace

TEST(PlainModel, NeutralSettingsDelayTheInputExactly)
{
    for (double rate : {44100.0, 96000.0, 8000.0})
    {
        PlainModel model = resumed(rate, 0); // "Default" is neutral
        const int expectedLatency = rate == 96000.0 ? 96 : 44;
        ASSERT_EQ(expectedLatency, model.latency());
        Buffers b = music(3000);
        b.process(model);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 3000; ++i)
                ASSERT_EQ(i < expectedLatency ? 0.0f : b.data[ch][i - expectedLatency], b.out[ch][i]) << i;
    }
}

TEST(PlainModel, MixZeroIsTheRawInputDelayedAndScaled)
{
    PlainModel model = resumed(48000.0, 3); // valve "Dirty", compression, limiter
    model.setParameter(5, 0.0f);            // Mix 0
    model.setParameter(16, 0.0f);           // limiter off: plain delay
    model.setParameter(0, 0.75f);           // Master +10 dB
    EXPECT_NEAR(std::pow(10.0, 0.5), model.outputGain(), 1e-9);
    Buffers b = music(2000);
    b.process(model);
    for (int i = 0; i < 2000; ++i)
    {
        const float expected = i < 48 ? 0.0f : static_cast<float>(b.data[0][i - 48] * model.outputGain());
        ASSERT_EQ(expected, b.out[0][i]) << i;
    }
}

TEST(PlainModel, MonitorAndKeyRouting)
{
    PlainModel model = resumed(44100.0, 1);
    model.setParameter(10, 1.0f); // Monitor "Input"
    model.setParameter(9, 1.0f);  // SideChain "External"
    model.setParameter(12, 1.0f); // Key Input "Right"
    model.setParameter(0, 0.1f);  // Master does not apply to the key
    Buffers b = music(500);
    b.process(model);
    for (int i = 0; i < 500; ++i)
    {
        ASSERT_EQ(b.data[3][i], b.out[0][i]) << i; // undelayed
        ASSERT_EQ(b.data[3][i], b.out[1][i]) << i;
    }

    // "Left" key on the internal side chain: the right main channel has no
    // say in the gain applied to the left one.
    std::vector<float> leftOut[2];
    for (int run = 0; run < 2; ++run)
    {
        PlainModel m = resumed(44100.0, 5); // heavy compression
        m.setParameter(12, 0.0f);
        m.setParameter(16, 0.0f);
        Buffers bb = music(4000);
        if (run == 1)
            for (float& x : bb.data[1])
                x = -3.0f * x;
        bb.process(m);
        leftOut[run] = bb.out[0];
    }
    EXPECT_EQ(leftOut[0], leftOut[1]);
}

TEST(PlainModel, LimiterKeepsOutputUnderCeilingTimesMaster)
{
    for (int program : {1, 2, 3, 4, 5})
    {
        PlainModel model = resumed(44100.0, program);
        model.setParameter(0, 0.4f);  // Master -4 dB
        model.setParameter(19, 0.9f); // ceiling -5 dB
        Buffers b = music(6000, 3.0f);
        b.process(model);
        const double bound = model.outputCeiling() * model.outputGain();
        for (int ch = 0; ch < 2; ++ch)
            for (float x : b.out[ch])
                ASSERT_LE(std::fabs(x), bound * (1.0 + 1e-7)) << "program " << program;
        EXPECT_GT(model.blockPeak(), 0.5 * bound);
        EXPECT_LE(model.blockPeak(), bound * (1.0 + 1e-6)); // the level formula may round up an ulp
    }
}

TEST(PlainModel, ParameterApplicationAndPrograms)
{
    PlainModel model;
    EXPECT_EQ(0, model.getProgram());
    EXPECT_EQ("------------", model.programName(6));
    EXPECT_EQ(0.0f, model.getParameter(2));
    EXPECT_DOUBLE_EQ(0.75, model.makeUpGain()); // ratio 1:1, no make-up
    EXPECT_NEAR(0.999999, model.outputCeiling(), 1e-12);
    EXPECT_NEAR(dB2lin(0.5), model.limiterNormalisationGain(), 1e-6);
    EXPECT_NEAR(31.6228, model.parameterData(17), 1e-3);
    EXPECT_EQ(1, model.parameterIntData(12)); // 0.4 selects "Stereo"

    model.setParameter(1, 0.6f);  // threshold -20 dB
    model.setParameter(2, 1.0f);  // slope 0.05
    EXPECT_EQ(1.0f, model.getParameter(2));
    EXPECT_NEAR(0.05, model.parameterData(2), 1e-7);
    EXPECT_NEAR(0.75 * 8.9125, model.makeUpGain(), 1e-3);
    model.setParameter(15, 0.25f);
    EXPECT_EQ(1.0f, model.midGain());
    EXPECT_EQ(0.5f, model.sideGain());
    model.setParameter(15, 0.75f);
    EXPECT_EQ(0.5f, model.midGain());
    EXPECT_EQ(1.0f, model.sideGain());
    model.setParameter(18, 0.88f); // -6 dB
    EXPECT_NEAR(1.9953, model.limiterNormalisationGain(), 1e-4);
    model.setParameter(25, 0.3f); // ignored

    // Edits stay with their program; MIDI controllers select and drive.
    model.setProgram(1);
    model.setParameter(4, 0.2f);
    model.setProgram(2);
    EXPECT_FLOAT_EQ(0.65f, model.getParameter(4));
    model.controlChange(1, 64);
    EXPECT_EQ(1, model.getProgram());
    EXPECT_FLOAT_EQ(0.2f, model.getParameter(4));
    model.controlChange(70, 127);
    EXPECT_EQ(1.0f, model.getParameter(2));
    EXPECT_NEAR(0.05, model.parameterData(2), 1e-7);
}

TEST(PlainModel, AgreesWithTheDspBlocksOnEveryProgram)
{
    struct Variant
    {
        int program;
        int index;
        float value;
    };
    std::vector<Variant> variants;
    for (int p = 0; p < PlainModel::NUM_PROGRAMS; ++p)
        variants.push_back({p, -1, 0.0f});
    variants.push_back({4, 6, 0.8f});  // EQ low boost on the key
    variants.push_back({5, 8, 0.2f});  // EQ high cut on the key
    variants.push_back({2, 9, 1.0f});  // external key
    variants.push_back({3, 12, 1.0f}); // right key
    variants.push_back({1, 15, 0.1f}); // mid-weighted key
    variants.push_back({2, 10, 1.0f}); // monitoring the key
    variants.push_back({4, 5, 0.3f});  // mostly dry

    for (double rate : {44100.0, 96000.0})
    {
        for (const Variant& v : variants)
        {
            PlainModel model = resumed(rate, v.program);
            if (v.index >= 0)
                model.setParameter(v.index, v.value);
            ClassChain chain(model);
            Buffers b = music(8000, 1.5f);
            b.process(model);
            std::vector<float> expected[2];
            chain.process(b, expected);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 8000; ++i)
                    ASSERT_NEAR(expected[ch][i], b.out[ch][i], 1e-6)
                        << "rate " << rate << " program " << v.program << " index " << v.index << " sample " << i;
        }
    }
}

TEST(PlainModel, NonFiniteInputKeepsTheOutputFinite)
{
    for (int program = 0; program < 6; ++program)
    {
        PlainModel model = resumed(44100.0, program);
        model.setParameter(6, 0.7f); // key equaliser in use
        Buffers b = music(3000);
        for (int ch = 0; ch < 4; ++ch)
        {
            b.data[ch][100] = std::numeric_limits<float>::quiet_NaN();
            b.data[ch][101] = std::numeric_limits<float>::infinity();
        }
        b.process(model);
        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 3000; ++i)
                ASSERT_TRUE(std::isfinite(b.out[ch][i])) << "program " << program << " sample " << i;
    }
}
