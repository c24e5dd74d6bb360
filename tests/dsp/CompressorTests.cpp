#include "CCompressorSC.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
CCompressorSC makeCompressor(double thresh, double ratio, double knee)
{
    CCompressorSC comp;
    comp.setThresh(thresh);
    comp.setRatio(ratio);
    comp.setKnee(knee);
    return comp;
}

// n samples of a constant key; answers the gain applied at the last one.
double runGain(CCompressorSC& comp, double keyL, double keyR, int n, bool rms = true)
{
    double l = 1.0, r = 1.0;
    for (int i = 0; i < n; ++i)
    {
        l = r = 1.0;
        rms ? comp.processRMS(l, r, keyL, keyR) : comp.process(l, r, keyL, keyR);
    }
    EXPECT_EQ(l, r); // linked channels
    return l;
}
} // namespace

TEST(Compressor, SettersAndRejectedValues)
{
    CCompressorSC comp;
    EXPECT_EQ(DSP_DETECTOR_FLOOR, comp.getEnvelope());
    comp.setRelease(0.0);
    EXPECT_EQ(0.001, comp.getRelease());
    EXPECT_LT(comp.getSmoother().release().coefficient.load(), 1e-9); // follows at once
    comp.setRelease(-3.0); // would make the release diverge
    EXPECT_EQ(0.001, comp.getRelease());
    comp.setRatio(0.25);
    comp.setRatio(0.0);
    EXPECT_EQ(0.25, comp.getRatio());
    EXPECT_STREQ("ratio > 0.0", dspLastFailedCondition().condition);
    EXPECT_STREQ("Source/CCompressorSC", dspLastFailedCondition().file);
    comp.setAttack(7.5);
    comp.setAttack(0.0);
    EXPECT_EQ(7.5, comp.getAttack());

    comp.setSamplerate(96000.0); // the RMS averager stays at 44100 Hz, 5 ms
    EXPECT_EQ(0.9954751208601006, comp.getRmsAverager().coefficient.load());
    double l = 0.0, r = 0.0;
    comp.processRMS(l, r, 0.5, 0.5);
    const double m = 0.25 + 0.25 + DSP_DETECTOR_FLOOR; // channels summed, not averaged
    EXPECT_EQ((0.0 - m) * 0.9954751208601006 + m, comp.getMeanSquare());
}

TEST(Compressor, StaticCurve)
{
    for (double ratio : {0.25, 0.5, 0.05})
    {
        CCompressorSC comp = makeCompressor(-20.0, ratio, 1.0);
        const double over = 20.0 * std::log10(0.5 * std::sqrt(2.0)) + 20.0; // two channels: +3 dB
        EXPECT_NEAR(over * (ratio - 1.0), lin2dB(runGain(comp, 0.5, 0.5, 20000)), 1e-9) << ratio;
    }
    for (double knee : {0.0, 0.5}) // silence: only the knee bends unity gain
    {
        CCompressorSC comp = makeCompressor(-30.0, 0.1, knee);
        EXPECT_DOUBLE_EQ(knee + (1.0 - knee) * 28.0 / 36.0, runGain(comp, 0.0, 0.0, 100));
    }
    CCompressorSC quiet = makeCompressor(-6.0, 0.1, 1.0); // below threshold
    EXPECT_EQ(1.0, runGain(quiet, 0.1, 0.1, 5000));
    CCompressorSC unity = makeCompressor(-50.0, 1.0, 1.0);
    EXPECT_EQ(1.0, runGain(unity, 1.0, -1.0, 5000));
    CCompressorSC peak = makeCompressor(-18.0, 0.5, 1.0); // the louder channel counts
    EXPECT_NEAR((20.0 * std::log10(0.25) + 18.0) * -0.5, lin2dB(runGain(peak, -0.25, 0.125, 20000, false)), 1e-9);
}

TEST(Compressor, AttackAndReleaseCurves)
{
    CCompressorSC comp = makeCompressor(-10.0, 0.5, 1.0);
    comp.setRelease(20.0);
    const double target = lin2dB(1.0 + DSP_DETECTOR_FLOOR) + 10.0 + DSP_DETECTOR_FLOOR;
    runGain(comp, 1.0, 1.0, 44, false); // one attack time constant (1 ms)
    EXPECT_NEAR(target + (DSP_DETECTOR_FLOOR - target) * std::exp(-44000.0 / 44100.0), comp.getEnvelope(), 1e-12);
    runGain(comp, 1.0, 1.0, 2000, false);
    const double settled = comp.getEnvelope();
    EXPECT_NEAR(target, settled, 1e-12);
    runGain(comp, 0.0, 0.0, 882, false); // one release time constant (20 ms)
    EXPECT_NEAR(settled * std::exp(-1.0), comp.getEnvelope(), 1e-9);
}

TEST(Compressor, ResetClearsEnvelopeButNotMeanSquare)
{
    CCompressorSC comp = makeCompressor(-20.0, 0.25, 1.0);
    runGain(comp, 0.8, 0.8, 5000);
    const double meanSquare = comp.getMeanSquare();
    comp.reset();
    EXPECT_EQ(DSP_DETECTOR_FLOOR, comp.getEnvelope());
    EXPECT_EQ(meanSquare, comp.getMeanSquare());
    EXPECT_LT(runGain(comp, 0.0, 0.0, 20), 0.6); // still compresses after resume
}

TEST(Compressor, NonFiniteKeyReadsAsSilence)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (bool rms : {true, false})
    {
        CCompressorSC clean = makeCompressor(-24.0, 0.2, 0.3);
        CCompressorSC hit = makeCompressor(-24.0, 0.2, 0.3);
        for (int i = 0; i < 3000; ++i)
        {
            const double key = 0.6 * std::sin(i * 0.05);
            const bool bad = i >= 1000 && i < 1003;
            // NaN, infinity, and a finite key whose square overflows.
            const double badKey = i == 1000 ? nan : (i == 1001 ? inf : (rms ? 1e200 : -inf));
            double al = 0.3, ar = -0.3, bl = 0.3, br = -0.3;
            if (rms)
            {
                clean.processRMS(al, ar, bad ? 0.0 : key, bad ? 0.0 : key);
                hit.processRMS(bl, br, bad ? badKey : key, bad ? -badKey : key);
            }
            else
            {
                clean.process(al, ar, bad ? 0.0 : key, bad ? 0.0 : key);
                hit.process(bl, br, bad ? badKey : key, bad ? -badKey : key);
            }
            ASSERT_EQ(al, bl) << i;
            ASSERT_EQ(ar, br) << i;
        }
        EXPECT_EQ(clean.getMeanSquare(), hit.getMeanSquare());
    }
}
