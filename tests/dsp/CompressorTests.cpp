#include "CCompressorSC.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
// Runs n samples of a constant key through processRMS; answers the gain
// applied to a unit audio sample at the last step.
double runRMS(CCompressorSC& comp, double keyL, double keyR, int n)
{
    double left = 1.0;
    double right = 1.0;
    for (int i = 0; i < n; ++i)
    {
        left = 1.0;
        right = 1.0;
        comp.processRMS(left, right, keyL, keyR);
        EXPECT_EQ(left, right); // linked: both channels get the same gain
    }
    return left;
}
} // namespace

TEST(Compressor, ConstructionAndSetters)
{
    CCompressorSC comp;
    EXPECT_EQ(0.0, comp.getThresh());
    EXPECT_EQ(1.0, comp.getRatio());
    EXPECT_EQ(0.0, comp.getKnee());
    EXPECT_EQ(0.0, comp.getMeanSquare());
    EXPECT_EQ(DSP_DETECTOR_FLOOR, comp.getEnvelope());
    EXPECT_EQ(0.9954751208601006, comp.getRmsAverager().coefficient.load());

    comp.setRelease(0.0);
    EXPECT_EQ(0.001, comp.getRelease());
    EXPECT_LT(comp.getSmoother().release().coefficient.load(), 1e-9); // follows at once
    comp.setRelease(-3.0); // would diverge: rejected
    EXPECT_EQ(0.001, comp.getRelease());
    comp.setRelease(250.0);
    EXPECT_EQ(250.0, comp.getRelease());

    comp.setRatio(0.25);
    comp.setRatio(0.0);
    EXPECT_EQ(0.25, comp.getRatio());
    EXPECT_STREQ("ratio > 0.0", dspLastFailedCondition().condition);
    EXPECT_STREQ("Source/CCompressorSC", dspLastFailedCondition().file);

    comp.setAttack(7.5);
    comp.setAttack(0.0); // rejected by the attack detector
    EXPECT_EQ(7.5, comp.getAttack());
}

TEST(Compressor, RmsAveragerStaysAt44100WhateverTheHostRate)
{
    CCompressorSC comp;
    comp.setSamplerate(96000.0);
    EXPECT_EQ(0.9954751208601006, comp.getRmsAverager().coefficient.load());
    EXPECT_EQ(96000.0, comp.getSmoother().attack().getSampleRate());
    EXPECT_EQ(96000.0, comp.getSmoother().release().sampleRate.load());

    // One step of the averager from zero with a known key.
    comp.setSamplerate(44100.0);
    double l = 0.0;
    double r = 0.0;
    comp.processRMS(l, r, 0.5, 0.5);
    const double m = 0.25 + 0.25 + DSP_DETECTOR_FLOOR; // channels summed, not averaged
    EXPECT_EQ((0.0 - m) * 0.9954751208601006 + m, comp.getMeanSquare());
}

TEST(Compressor, SettlesAtLevelOverThresholdTimesRatioMinusOne)
{
    for (double ratio : {0.25, 0.5, 0.05})
    {
        CCompressorSC comp;
        comp.setThresh(-20.0);
        comp.setRatio(ratio);
        comp.setKnee(1.0);
        comp.setAttack(1.0);
        comp.setRelease(10.0);
        // Identical channels of 0.5: the level is 0.5 * sqrt(2), 3 dB above one channel.
        const double over = 20.0 * std::log10(0.5 * std::sqrt(2.0)) + 20.0;
        const double gain = runRMS(comp, 0.5, 0.5, 20000);
        EXPECT_NEAR(over * (ratio - 1.0), lin2dB(gain), 1e-9) << "ratio " << ratio;
        EXPECT_NEAR(2 * 0.25, comp.getMeanSquare(), 1e-12);
    }

    // Peak detection: the louder channel sets the level.
    CCompressorSC peak;
    peak.setThresh(-18.0);
    peak.setRatio(0.5);
    peak.setKnee(1.0);
    double l = 1.0;
    double r = 1.0;
    for (int i = 0; i < 20000; ++i)
    {
        l = 1.0;
        r = 1.0;
        peak.process(l, r, -0.25, 0.125);
    }
    EXPECT_NEAR((20.0 * std::log10(0.25) + 18.0) * -0.5, lin2dB(l), 1e-9);
}

TEST(Compressor, NoReductionBelowThresholdOrAtRatioOne)
{
    // Silent key: only the knee shapes the unity gain.
    for (double knee : {0.0, 0.5, 1.0})
    {
        CCompressorSC comp;
        comp.setThresh(-30.0);
        comp.setRatio(0.1);
        comp.setKnee(knee);
        EXPECT_DOUBLE_EQ(knee + (1.0 - knee) * 28.0 / 36.0, runRMS(comp, 0.0, 0.0, 100));
        EXPECT_NEAR(DSP_DETECTOR_FLOOR, comp.getEnvelope(), 1e-30);
    }

    // A level below the threshold is floored like silence.
    CCompressorSC quiet;
    quiet.setThresh(-6.0);
    quiet.setRatio(0.1);
    quiet.setKnee(1.0);
    EXPECT_EQ(1.0, runRMS(quiet, 0.1, 0.1, 5000));

    // Ratio 1: no gain change however loud the key.
    CCompressorSC unity;
    unity.setThresh(-50.0);
    unity.setKnee(1.0);
    EXPECT_EQ(1.0, runRMS(unity, 1.0, -1.0, 5000));
}

TEST(Compressor, AttackAndReleaseCurves)
{
    CCompressorSC comp;
    comp.setThresh(-10.0);
    comp.setRatio(0.5);
    comp.setKnee(1.0);
    comp.setAttack(1.0);
    comp.setRelease(20.0);
    const double target = lin2dB(1.0 + DSP_DETECTOR_FLOOR) + 10.0 + DSP_DETECTOR_FLOOR;
    const double a = std::exp(-1000.0 / 44100.0);
    const double r = std::exp(-1000.0 / (20.0 * 44100.0));

    double l = 1.0;
    double r2 = 1.0;
    for (int i = 0; i < 44; ++i)
        comp.process(l, r2, 1.0, 1.0);
    EXPECT_NEAR(target + (DSP_DETECTOR_FLOOR - target) * std::pow(a, 44), comp.getEnvelope(), 1e-12);
    for (int i = 0; i < 2000; ++i)
        comp.process(l, r2, 1.0, 1.0);
    const double settled = comp.getEnvelope();
    EXPECT_NEAR(target, settled, 1e-12);

    // Key falls silent: the envelope decays with the release coefficient.
    for (int i = 0; i < 882; ++i)
        comp.process(l, r2, 0.0, 0.0);
    EXPECT_NEAR(DSP_DETECTOR_FLOOR + (settled - DSP_DETECTOR_FLOOR) * std::pow(r, 882), comp.getEnvelope(), 1e-9);
    EXPECT_NEAR(settled * std::exp(-1.0), comp.getEnvelope(), 1e-9);
}

TEST(Compressor, ResetClearsEnvelopeButNotMeanSquare)
{
    CCompressorSC comp;
    comp.setThresh(-20.0);
    comp.setRatio(0.25);
    comp.setKnee(1.0);
    runRMS(comp, 0.8, 0.8, 5000);
    const double meanSquare = comp.getMeanSquare();
    comp.reset();
    EXPECT_EQ(DSP_DETECTOR_FLOOR, comp.getEnvelope());
    EXPECT_EQ(meanSquare, comp.getMeanSquare());
    // The first samples after reset already compress.
    EXPECT_LT(runRMS(comp, 0.0, 0.0, 1), 0.99);
    EXPECT_LT(runRMS(comp, 0.0, 0.0, 20), 0.6);
}

TEST(Compressor, NonFiniteKeyReadsAsSilenceAndDetectorRecovers)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (bool rms : {true, false})
    {
        CCompressorSC clean;
        CCompressorSC hit;
        for (CCompressorSC* c : {&clean, &hit})
        {
            c->setThresh(-24.0);
            c->setRatio(0.2);
            c->setKnee(0.3);
            c->setRelease(50.0);
        }
        for (int i = 0; i < 3000; ++i)
        {
            const double key = 0.6 * std::sin(i * 0.05);
            const bool bad = i >= 1000 && i < 1003;
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
            ASSERT_TRUE(std::isfinite(bl) && std::isfinite(br)) << "sample " << i;
            ASSERT_EQ(al, bl) << "sample " << i;
            ASSERT_EQ(ar, br) << "sample " << i;
        }
        EXPECT_EQ(clean.getMeanSquare(), hit.getMeanSquare());
        EXPECT_EQ(clean.getEnvelope(), hit.getEnvelope());
    }
}
