#include "CLimiter.hpp"
#include "DspAssert.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {
// Sample indices of the non-zero outputs for an impulse at sample 0.
std::vector<int> impulseHits(CLimiter& limiter, int n)
{
    std::vector<int> hits;
    for (int i = 0; i < n; ++i) {
        double l = i == 0 ? 0.5 : 0.0, r = -l;
        limiter.process(l, r);
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

TEST(Limiter, LookAheadStopsShortOfTheRing)
{
    for (double rate : {1024000.0, 1e300}) {
        CLimiter limiter;
        EXPECT_EQ("", setRate(limiter, rate));  // nothing printed: hosts show stderr to users
        EXPECT_STREQ("samp < BUFFER_SIZE", dspLastFailedCondition().condition);
        EXPECT_EQ(std::vector<int>{1023}, impulseHits(limiter, 1100));
    }
    CLimiter limiter;  // invalid times change neither look-ahead nor attack
    testing::internal::CaptureStderr();
    limiter.setAttack(std::numeric_limits<double>::quiet_NaN());
    limiter.setAttack(-2.0);
    EXPECT_EQ("", testing::internal::GetCapturedStderr());
    EXPECT_EQ(44, limiter.getLatency());
    EXPECT_EQ(1.0, limiter.getAttack());
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
