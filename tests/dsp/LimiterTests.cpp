#include "CLimiter.hpp"
#include "DspAssert.hpp"
#include "DspMath.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
// Sample indices of the non-zero outputs for an impulse at sample 0.
std::vector<int> impulseHits(CLimiter& limiter, bool blank, int n)
{
    std::vector<int> hits;
    for (int i = 0; i < n; ++i) {
        double l = i == 0 ? 0.5 : 0.0, r = -l;
        blank ? limiter.processBlank(l, r) : limiter.process(l, r);
        if (l != 0.0)
            hits.push_back(i);
        EXPECT_TRUE(l == 0.0 || (l == 0.5 && r == -0.5));  // under the threshold: unchanged
    }
    return hits;
}

// Feeds n samples of a constant; answers the last output.
double feed(CLimiter& limiter, double value, int n)
{
    double l = 0.0, r = 0.0;
    for (int i = 0; i < n; ++i)
        limiter.process(l = value, r = value);
    return l;
}

std::string setRate(CLimiter& limiter, double rate)
{
    testing::internal::CaptureStderr();
    limiter.setSamplerate(rate);
    limiter.reset();
    return testing::internal::GetCapturedStderr();
}
}  // namespace

TEST(Limiter, BothPathsDelayByTheLookAhead)
{
    for (bool blank : {false, true}) {
        CLimiter limiter;  // 1 ms at 44100 Hz, threshold 0 dB
        EXPECT_EQ(std::vector<int>{44}, impulseHits(limiter, blank, 200));
        EXPECT_EQ("Peak is 96\n", setRate(limiter, 96000.0));
        EXPECT_EQ(std::vector<int>{96}, impulseHits(limiter, blank, 200));
    }
    CLimiter zero;
    zero.setAttack(0.01);  // 0.441 samples: no look-ahead, a full ring of delay
    EXPECT_EQ(0, zero.getLatency());
    EXPECT_EQ(std::vector<int>{CLimiter::BUFFER_SIZE}, impulseHits(zero, true, 1100));
}

TEST(Limiter, LookAheadStopsShortOfTheRing)
{
    for (double rate : {1024000.0, 1e300}) {
        CLimiter limiter;
        EXPECT_EQ("Peak is 1023\n", setRate(limiter, rate));
        EXPECT_STREQ("samp < BUFFER_SIZE", dspLastFailedCondition().condition);
        EXPECT_EQ(std::vector<int>{1023}, impulseHits(limiter, false, 1100));
    }
    CLimiter limiter;  // invalid times change neither look-ahead nor attack
    testing::internal::CaptureStderr();
    limiter.setAttack(std::numeric_limits<double>::quiet_NaN());
    limiter.setAttack(-2.0);
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ(44, limiter.getLatency());
    EXPECT_EQ(1.0, limiter.getAttack());
}

TEST(Limiter, PeakIsHeldThenSettlesAtTheThreshold)
{
    CLimiter limiter;
    limiter.setThresh(-6.0);
    limiter.setRelease(50.0);
    limiter.reset();
    feed(limiter, 1.0, 1);
    feed(limiter, 0.0, 43);
    EXPECT_EQ(1.0, limiter.getHeldPeak());  // held for the look-ahead...
    feed(limiter, 0.0, 1);
    EXPECT_EQ(dB2lin(-6.0), limiter.getHeldPeak());  // ...then back to the threshold
    EXPECT_NEAR(dB2lin(-6.0), feed(limiter, 1.0, 5000), 1e-9);
    feed(limiter, 0.0, 80000);
    EXPECT_NEAR(dB2lin(-6.0), limiter.getEnvelope(), 1e-12);
    EXPECT_NEAR(0.01, feed(limiter, 0.01, 45), 1e-14);  // quiet material then passes at unity gain
}

TEST(Limiter, AssignmentCopiesRingsWithoutSharing)
{
    CLimiter source, target;
    source.setThresh(-3.0);
    for (int i = 0; i < 300; ++i)
        feed(source, std::sin(i * 0.1), 1);
    target = source;
    EXPECT_NE(source.getLeftRing(), target.getLeftRing());
    EXPECT_NE(source.getRightRing(), target.getRightRing());
    for (int i = 0; i < 500; ++i)  // both continue alike
        ASSERT_EQ(feed(source, 1.5 * std::sin(i * 0.07), 1), feed(target, 1.5 * std::sin(i * 0.07), 1));
    const double kept = source.getLeftRing()[5];
    target.zeroBuffers();
    EXPECT_EQ(kept, source.getLeftRing()[5]);
    EXPECT_EQ(0.0, target.getLeftRing()[5]);
}

TEST(Limiter, NonFiniteInputReadsAsSilence)
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    for (bool blank : {false, true}) {
        CLimiter clean, hit;
        for (int i = 0; i < 2000; ++i) {
            const double x = (i == 500 || i == 501) ? 0.0 : 1.2 * std::sin(i * 0.02);
            double al = x, ar = -x, bl = i == 500 ? nan : (i == 501 ? inf : x),
                   br = i == 500 ? -inf : (i == 501 ? nan : -x);
            blank ? clean.processBlank(al, ar) : clean.process(al, ar);
            blank ? hit.processBlank(bl, br) : hit.process(bl, br);
            ASSERT_EQ(al, bl) << i;
            ASSERT_EQ(ar, br) << i;
        }
    }
}
