#include "CFastEnvFollower.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

TEST(Conversions, DecibelsAndFloor)
{
    EXPECT_DOUBLE_EQ(1.0, dB2lin(0.0));
    EXPECT_NEAR(0.501187, dB2lin(-6.0), 1e-6);
    EXPECT_NEAR(10.0, dB2lin(20.0), 1e-12);
    EXPECT_NEAR(-20.0, lin2dB(0.1), 1e-12);
    EXPECT_NEAR(6.0, lin2dB(dB2lin(6.0)), 1e-12);
    EXPECT_EQ(9.999999682655225e-21, DSP_DETECTOR_FLOOR);
    EXPECT_NEAR(-400.0, lin2dB(DSP_DETECTOR_FLOOR), 1e-5);
}

TEST(EnvelopeDetector, CoefficientFollowsTimeAndRate)
{
    CEnvelopeDetector plain(5.0, 44100.0);
    EXPECT_EQ(0.9954751208601006, plain.coefficient.load());
    plain.sampleRate.store(96000.0);
    plain.setCoef();
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / (5.0 * 96000.0)), plain.coefficient.load());

    CFastEnvelopeDetector fast(1.0, 44100.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 44100.0), fast.getCoef());
    fast.setTimeConstant(10.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 441000.0), fast.getCoef());
    fast.setSampleRate(48000.0);
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / 480000.0), fast.getCoef());

    // Copies are independent values.
    CFastEnvelopeDetector copy = fast;
    copy.setTimeConstant(2.0);
    EXPECT_EQ(10.0, fast.getTimeConstant());
    EXPECT_EQ(2.0, copy.getTimeConstant());
}

TEST(EnvelopeDetector, InvalidTimesAndRatesAreRejectedAndRecorded)
{
    CFastEnvelopeDetector fast(3.0, 48000.0);
    const double coef = fast.getCoef();
    const auto failuresBefore = dspFailedConditionCount();

    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()})
    {
        fast.setTimeConstant(bad);
        fast.setSampleRate(bad);
    }
    EXPECT_EQ(3.0, fast.getTimeConstant());
    EXPECT_EQ(48000.0, fast.getSampleRate());
    EXPECT_EQ(coef, fast.getCoef());
    EXPECT_EQ(failuresBefore + 6, dspFailedConditionCount());
    const SDspCondition last = dspLastFailedCondition();
    EXPECT_STREQ("Source/CFastEnvFollower", last.file);
    EXPECT_STREQ("sampleRate > 0.0", last.condition);

    fast.setTimeConstant(-5.0);
    EXPECT_STREQ("ms > 0.0", dspLastFailedCondition().condition);

    // The constructor falls back to 44100 Hz / 1 ms for a rejected value.
    CFastEnvelopeDetector fallback(-1.0, 0.0);
    EXPECT_EQ(44100.0, fallback.getSampleRate());
    EXPECT_EQ(1.0, fallback.getTimeConstant());
    EXPECT_TRUE(std::isfinite(fallback.getCoef()));
}

TEST(AttRelDetector, AttackWhileRisingReleaseOtherwise)
{
    CAttRelEnvelopeDetector detector;
    EXPECT_EQ(44100.0, detector.attack().getSampleRate());
    EXPECT_EQ(44100.0, detector.release().sampleRate.load());
    EXPECT_EQ(1.0, detector.attack().getTimeConstant());
    EXPECT_EQ(1.0, detector.release().timeConstant.load());

    detector.attack().setTimeConstant(10.0);
    detector.release().timeConstant.store(100.0);
    detector.release().setCoef();
    const double a = detector.attack().getCoef();
    const double r = detector.release().coefficient.load();

    double state = 0.0;
    detector.run(1.0, state);
    EXPECT_DOUBLE_EQ(1.0 + (0.0 - 1.0) * a, state);
    const double risen = state;
    detector.run(0.0, state);
    EXPECT_DOUBLE_EQ(risen * r, state);
    // An input equal to the state uses the release branch and leaves it.
    detector.run(state, state);
    EXPECT_DOUBLE_EQ(risen * r, state);

    // After one time constant of attack the state covers 1 - 1/e of a step.
    state = 0.0;
    for (int i = 0; i < 441; ++i)
        detector.run(1.0, state);
    EXPECT_NEAR(1.0 - std::exp(-1.0), state, 1e-12);

    detector.setSampleRate(96000.0);
    EXPECT_EQ(96000.0, detector.release().sampleRate.load());
    EXPECT_DOUBLE_EQ(std::exp(-1000.0 / (100.0 * 96000.0)), detector.release().coefficient.load());
    detector.setSampleRate(-1.0); // rejected for both halves
    EXPECT_EQ(96000.0, detector.attack().getSampleRate());
    EXPECT_EQ(96000.0, detector.release().sampleRate.load());
}
