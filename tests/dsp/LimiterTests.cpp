#include "CLimiter.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
// Feeds an impulse of the given height at sample 0 and answers the index of
// every non-zero output among n samples.
std::vector<int> impulseResponse(CLimiter& limiter, bool blank, double height, int n, double* outHeight)
{
    std::vector<int> hits;
    for (int i = 0; i < n; ++i)
    {
        double l = i == 0 ? height : 0.0;
        double r = i == 0 ? -height : 0.0;
        if (blank)
            limiter.processBlank(l, r);
        else
            limiter.process(l, r);
        if (l != 0.0 || r != 0.0)
        {
            hits.push_back(i);
            *outHeight = l;
            EXPECT_EQ(-l, r);
        }
    }
    return hits;
}
} // namespace

TEST(Limiter, ConstructionAndDelayOfBothPaths)
{
    CLimiter limiter;
    EXPECT_EQ(44, limiter.getLatency());
    EXPECT_EQ(1.0, limiter.getAttack());
    EXPECT_EQ(100.0, limiter.getRelease());
    EXPECT_EQ(0.0, limiter.getThresh());
    EXPECT_EQ(1.0, limiter.getEnvelope());

    for (bool blank : {false, true})
    {
        CLimiter l;
        double height = 0.0;
        const std::vector<int> hits = impulseResponse(l, blank, 0.5, 200, &height);
        ASSERT_EQ(1u, hits.size());
        EXPECT_EQ(44, hits[0]);
        EXPECT_EQ(0.5, height); // below the threshold: unchanged
    }

    // A look-ahead of 0 delays by the full ring.
    CLimiter zero;
    zero.setAttack(0.01); // 0.441 samples
    EXPECT_EQ(0, zero.getLatency());
    double height = 0.0;
    const std::vector<int> hits = impulseResponse(zero, true, 0.25, 1100, &height);
    ASSERT_EQ(1u, hits.size());
    EXPECT_EQ(CLimiter::BUFFER_SIZE, hits[0]);
}

TEST(Limiter, SampleRateSetsLookAheadAndReportsIt)
{
    CLimiter limiter;
    const std::pair<double, int> rates[] = {{22050.0, 22}, {48000.0, 48}, {88200.0, 88}, {192000.0, 192}};
    for (const auto& rate : rates)
    {
        limiter.setSamplerate(rate.first);
        EXPECT_EQ(rate.second, limiter.getLatency());
    }
    testing::internal::CaptureStderr();
    limiter.setSamplerate(96000.0);
    EXPECT_EQ("Peak is 96\n", testing::internal::GetCapturedStderr());
    EXPECT_EQ(96, limiter.getLatency());
    EXPECT_EQ(100.0, limiter.getRelease());
    EXPECT_EQ(1.0, limiter.getAttack());
}

TEST(Limiter, LookAheadNeverReachesTheRing)
{
    for (double rate : {1024000.0, 5000000.0, 1e300})
    {
        CLimiter limiter;
        const auto before = dspFailedConditionCount();
        testing::internal::CaptureStderr();
        limiter.setSamplerate(rate);
        EXPECT_EQ("Peak is 1023\n", testing::internal::GetCapturedStderr());
        EXPECT_EQ(CLimiter::BUFFER_SIZE - 1, limiter.getLatency());
        EXPECT_GT(dspFailedConditionCount(), before);
        EXPECT_STREQ("samp < BUFFER_SIZE", dspLastFailedCondition().condition);
        EXPECT_STREQ("Source/CLimiter", dspLastFailedCondition().file);
        limiter.reset();
        double height = 0.0;
        const std::vector<int> hits = impulseResponse(limiter, false, 0.5, 1100, &height);
        ASSERT_EQ(1u, hits.size());
        EXPECT_EQ(1023, hits[0]);
    }

    CLimiter limiter;
    testing::internal::CaptureStderr();
    limiter.setAttack(std::numeric_limits<double>::quiet_NaN());
    limiter.setAttack(-2.0);
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ(44, limiter.getLatency());
    EXPECT_EQ(1.0, limiter.getAttack());
}

TEST(Limiter, SustainedPeakSettlesAtThreshold)
{
    CLimiter limiter;
    limiter.setThresh(-6.0);
    limiter.setRelease(50.0);
    limiter.reset();
    EXPECT_EQ(dB2lin(-6.0), limiter.getEnvelope());
    double l = 0.0;
    double r = 0.0;
    for (int i = 0; i < 44; ++i)
    {
        l = 1.0;
        r = 1.0;
        limiter.process(l, r);
        EXPECT_EQ(0.0, l); // the rings start silent
    }
    for (int i = 0; i < 5000; ++i)
    {
        l = 1.0;
        r = 1.0;
        limiter.process(l, r);
    }
    EXPECT_NEAR(dB2lin(-6.0), l, 1e-9);
    EXPECT_NEAR(0.501, l, 1e-3);
    EXPECT_EQ(l, r);

    // Silence never lifts the gain above 1: the held peak stays at threshold.
    for (int i = 0; i < 80000; ++i)
    {
        l = 0.0;
        r = 0.0;
        limiter.process(l, r);
    }
    EXPECT_NEAR(dB2lin(-6.0), limiter.getEnvelope(), 1e-12);
    EXPECT_GE(limiter.getHeldPeak(), dB2lin(-6.0));
    std::vector<double> quiet(100);
    for (int i = 0; i < 100; ++i)
    {
        l = 0.01 * std::sin(i * 0.3);
        r = -l;
        quiet[i] = l;
        limiter.process(l, r);
        if (i >= 44)
        {
            EXPECT_NEAR(quiet[i - 44], l, 1e-14);
        }
    }
}

TEST(Limiter, HoldKeepsPeakForTheLookAhead)
{
    CLimiter limiter;
    limiter.setThresh(-20.0);
    limiter.setRelease(1.0);
    limiter.reset();
    double l = 1.0;
    double r = 0.0;
    limiter.process(l, r);
    EXPECT_EQ(1.0, limiter.getHeldPeak());
    for (int i = 1; i < 44; ++i)
    {
        l = 0.0;
        r = 0.0;
        limiter.process(l, r);
        EXPECT_EQ(1.0, limiter.getHeldPeak()) << "sample " << i;
    }
    l = 0.0;
    limiter.process(l, r); // the hold expires: the held value drops to threshold
    EXPECT_EQ(dB2lin(-20.0), limiter.getHeldPeak());
}

TEST(Limiter, AssignmentCopiesRingsWithoutSharing)
{
    CLimiter source;
    source.setThresh(-3.0);
    source.setRelease(20.0);
    source.reset();
    for (int i = 0; i < 300; ++i)
    {
        double l = std::sin(i * 0.1);
        double r = std::cos(i * 0.1);
        source.process(l, r);
    }
    CLimiter target;
    target = source;
    EXPECT_NE(source.getLeftRing(), target.getLeftRing());
    EXPECT_NE(source.getRightRing(), target.getRightRing());
    for (int i = 0; i < CLimiter::BUFFER_SIZE; ++i)
        ASSERT_EQ(source.getLeftRing()[i], target.getLeftRing()[i]);
    EXPECT_EQ(source.getThresh(), target.getThresh());
    EXPECT_EQ(source.getRelease(), target.getRelease());

    // Both continue identically, and processing one leaves the other alone.
    CLimiter copy(source);
    for (int i = 0; i < 500; ++i)
    {
        double a = 1.5 * std::sin(i * 0.07), b = a, c = a;
        double ar = -a, br = -a, cr = -a;
        source.process(a, ar);
        target.process(b, br);
        copy.process(c, cr);
        ASSERT_EQ(a, b);
        ASSERT_EQ(a, c);
    }
    const double kept = source.getLeftRing()[5];
    target.zeroBuffers();
    EXPECT_EQ(kept, source.getLeftRing()[5]);
    EXPECT_EQ(0.0, target.getLeftRing()[5]);

    target = target; // self-assignment keeps the rings
    EXPECT_NE(nullptr, target.getLeftRing());
}

TEST(Limiter, NonFiniteInputReadsAsSilence)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (bool blank : {false, true})
    {
        CLimiter clean;
        CLimiter hit;
        for (CLimiter* c : {&clean, &hit})
        {
            c->setThresh(-6.0);
            c->reset();
        }
        for (int i = 0; i < 2000; ++i)
        {
            const double x = 1.2 * std::sin(i * 0.02);
            const bool bad = i == 500 || i == 501;
            double al = bad ? 0.0 : x, ar = bad ? 0.0 : -x;
            double bl = i == 500 ? nan : (i == 501 ? inf : x);
            double br = i == 500 ? -inf : (i == 501 ? nan : -x);
            if (blank)
            {
                clean.processBlank(al, ar);
                hit.processBlank(bl, br);
            }
            else
            {
                clean.process(al, ar);
                hit.process(bl, br);
            }
            ASSERT_TRUE(std::isfinite(bl) && std::isfinite(br)) << "sample " << i;
            ASSERT_EQ(al, bl) << "sample " << i;
            ASSERT_EQ(ar, br) << "sample " << i;
        }
        EXPECT_EQ(clean.getEnvelope(), hit.getEnvelope());
    }
}
