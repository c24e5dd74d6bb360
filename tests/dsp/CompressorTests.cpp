#include "CCompressorSC.hpp"
#include "CParabolicShaper.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
CCompressorSC makeCompressor(double thresh, double ratio, double knee)
{
    CCompressorSC comp;
    comp.setThresh(thresh);
    comp.setRatio(ratio);
    comp.setKnee(knee);
    return comp;
}

// Runs n samples of a constant key; answers the (linked) gain of the last one.
double runGain(CCompressorSC& comp, double keyL, double keyR, int n, bool rms = true)
{
    double l = 1.0, r = 1.0;
    for (int i = 0; i < n; ++i) {
        l = r = 1.0;
        rms ? comp.processRMS(l, r, keyL, keyR) : comp.process(l, r, keyL, keyR);
    }
    EXPECT_EQ(l, r);
    return l;
}
}  // namespace

TEST(Detectors, CoefficientsAndRejectedValues)
{
    EXPECT_EQ(0.9954751208601006, CEnvelopeDetector(5.0, 44100.0).coefficient);
    CFastEnvelopeDetector fast(3.0, 48000.0);
    fast.setSampleRate(96000.0);
    fast.setTimeConstant(10.0);
    const double coef = fast.getCoef();
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 960000.0), coef);
    const auto failuresBefore = dspFailedConditionCount();
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
        fast.setTimeConstant(bad);
        fast.setSampleRate(bad);
    }
    EXPECT_EQ(10.0, fast.getTimeConstant());
    EXPECT_EQ(96000.0, fast.getSampleRate());
    EXPECT_EQ(coef, fast.getCoef());
    EXPECT_EQ(failuresBefore + 6, dspFailedConditionCount());
    CFastEnvelopeDetector fallback(-1.0, 0.0);  // falls back to 1 ms at 44100 Hz
    EXPECT_EQ(44100.0, fallback.getSampleRate());
    EXPECT_EQ(1.0, fallback.getTimeConstant());

    CAttRelEnvelopeDetector pair;  // a rate moves both halves or neither
    pair.release().timeConstant = 100.0;
    pair.setSampleRate(96000.0);
    pair.setSampleRate(-1.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 96000.0), pair.attack().getCoef());
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / (100.0 * 96000.0)), pair.release().coefficient);
}

TEST(Compressor, SettersRejectBadValuesAndTheAveragerIsFixed)
{
    CCompressorSC comp;
    comp.setRelease(0.0);
    EXPECT_EQ(0.001, comp.getRelease());
    EXPECT_LT(comp.getSmoother().release().coefficient, 1e-9);  // follows at once
    comp.setRelease(-3.0);                                      // would make the release diverge
    comp.setAttack(7.5);
    comp.setAttack(0.0);
    comp.setRatio(0.25);
    comp.setRatio(0.0);
    EXPECT_EQ(0.001, comp.getRelease());
    EXPECT_EQ(7.5, comp.getAttack());
    EXPECT_EQ(0.25, comp.getRatio());
    EXPECT_STREQ("ratio > 0.0", dspLastFailedCondition().condition);
    EXPECT_STREQ("Source/CCompressorSC", dspLastFailedCondition().file);

    comp.setSamplerate(96000.0);  // the mean-square averager stays at 44100 Hz, 5 ms
    comp.setThresh(-60.0);
    double l = 0.0, r = 0.0;
    comp.processRMS(l, r, 0.5, 0.5);
    const double m = 0.25 + 0.25 + DSP_DETECTOR_FLOOR;  // channels summed, not averaged
    EXPECT_EQ((0.0 - m) * 0.9954751208601006 + m, comp.getMeanSquare());
    EXPECT_GT(comp.getEnvelope(), 0.01);
    comp.reset();  // clears the gain envelope only
    EXPECT_EQ(DSP_DETECTOR_FLOOR, comp.getEnvelope());
    EXPECT_EQ((0.0 - m) * 0.9954751208601006 + m, comp.getMeanSquare());
}

TEST(Compressor, StaticCurveAndKnee)
{
    CParabolicShaper knee;  // the pure curve, then blended with the identity
    EXPECT_DOUBLE_EQ(1.0, knee.process(3.0));
    knee.SetBreakpoints(0.25);
    EXPECT_DOUBLE_EQ(0.25 + 0.75 * 28.0 / 36.0, knee.process(1.0));
    for (double ratio : {0.25, 0.05})  // settles at (level over threshold) x (ratio - 1) dB
    {
        CCompressorSC comp = makeCompressor(-20.0, ratio, 1.0);
        const double over = 20.0 * std::log10(0.5 * std::sqrt(2.0)) + 20.0;  // two channels: +3 dB
        EXPECT_NEAR(over * (ratio - 1.0), lin2dB(runGain(comp, 0.5, 0.5, 20000)), 1e-9) << ratio;
    }
    for (double k : {0.0, 0.5})  // silence: only the knee bends unity gain
    {
        CCompressorSC comp = makeCompressor(-30.0, 0.1, k);
        EXPECT_DOUBLE_EQ(k + (1.0 - k) * 28.0 / 36.0, runGain(comp, 0.0, 0.0, 100));
    }
    CCompressorSC quiet = makeCompressor(-6.0, 0.1, 1.0);  // below threshold
    EXPECT_EQ(1.0, runGain(quiet, 0.1, 0.1, 5000));
    CCompressorSC peak = makeCompressor(-18.0, 0.5, 1.0);  // the louder channel counts
    EXPECT_NEAR((20.0 * std::log10(0.25) + 18.0) * -0.5, lin2dB(runGain(peak, -0.25, 0.125, 20000, false)), 1e-9);
}

TEST(Compressor, NonFiniteKeyReadsAsSilence)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (bool rms : {true, false}) {
        CCompressorSC clean = makeCompressor(-24.0, 0.2, 0.3), hit = makeCompressor(-24.0, 0.2, 0.3);
        for (int i = 0; i < 3000; ++i) {
            // NaN, infinity, and a finite key whose square overflows.
            const double badKey = i == 1000 ? nan : (i == 1001 ? inf : (rms ? 1e200 : -inf));
            const bool bad = i >= 1000 && i < 1003;
            const double key = bad ? 0.0 : 0.6 * std::sin(i * 0.05), hl = bad ? badKey : key, hr = bad ? -badKey : key;
            double al = 0.3, ar = -0.3, bl = 0.3, br = -0.3;
            rms ? clean.processRMS(al, ar, key, key) : clean.process(al, ar, key, key);
            rms ? hit.processRMS(bl, br, hl, hr) : hit.process(bl, br, hl, hr);
            ASSERT_EQ(al, bl) << i;
            ASSERT_EQ(ar, br) << i;
        }
        EXPECT_EQ(clean.getMeanSquare(), hit.getMeanSquare());
    }
}
