#include "CFastEnvFollower.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Conversions, DecibelsAndFloor)
{
    EXPECT_EQ(1.0, dB2lin(0.0));
    EXPECT_NEAR(0.501187, dB2lin(-6.0), 1e-6);
    EXPECT_NEAR(-20.0, lin2dB(0.1), 1e-12);
    EXPECT_EQ(9.999999682655225e-21, DSP_DETECTOR_FLOOR);
    EXPECT_NEAR(-400.0, lin2dB(DSP_DETECTOR_FLOOR), 1e-5);
}

TEST(EnvelopeDetector, CoefficientsAndRejectedValues)
{
    EXPECT_EQ(0.9954751208601006, CEnvelopeDetector(5.0, 44100.0).coefficient.load());
    CFastEnvelopeDetector fast(3.0, 48000.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / (3.0 * 48000.0)), fast.getCoef());
    fast.setSampleRate(96000.0);
    fast.setTimeConstant(10.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 960000.0), fast.getCoef());

    const double coef = fast.getCoef();
    const auto failuresBefore = dspFailedConditionCount();
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()})
    {
        fast.setTimeConstant(bad);
        fast.setSampleRate(bad);
    }
    EXPECT_EQ(10.0, fast.getTimeConstant());
    EXPECT_EQ(96000.0, fast.getSampleRate());
    EXPECT_EQ(coef, fast.getCoef());
    EXPECT_EQ(failuresBefore + 6, dspFailedConditionCount());
    EXPECT_STREQ("Source/CFastEnvFollower", dspLastFailedCondition().file);
    EXPECT_STREQ("sampleRate > 0.0", dspLastFailedCondition().condition);

    CFastEnvelopeDetector fallback(-1.0, 0.0); // falls back to 1 ms at 44100 Hz
    EXPECT_EQ(44100.0, fallback.getSampleRate());
    EXPECT_EQ(1.0, fallback.getTimeConstant());
}

TEST(AttRelDetector, SampleRateMovesBothHalvesOrNeither)
{
    CAttRelEnvelopeDetector detector; // both at 1 ms, 44100 Hz
    detector.release().timeConstant.store(100.0);
    detector.setSampleRate(96000.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 96000.0), detector.attack().getCoef());
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / (100.0 * 96000.0)), detector.release().coefficient.load());
    detector.setSampleRate(-1.0);
    EXPECT_EQ(96000.0, detector.attack().getSampleRate());
    EXPECT_EQ(96000.0, detector.release().sampleRate.load());
}
