#include "CCompressorSC.hpp"
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
