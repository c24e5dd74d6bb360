#include "CEQ.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
CEQ makeEq(double low, double mid, double high)
{
    CEQ eq;
    eq.initEQ(800, 5000, 44100.0);
    eq.setGain(low, mid, high);
    return eq;
}

double signal(int i)
{
    return 0.5 * std::sin(i * 0.01) + 0.3 * std::sin(i * 0.4) + 0.2 * std::sin(i * 2.5);
}
}  // namespace

TEST(Equaliser, CoefficientsUnityDelayAndSilence)
{
    CEQ unity = makeEq(1, 1, 1);  // corners from pi rounded to single precision
    EXPECT_NEAR(0.113919, unity.getLowCoefficient(), 1e-6);
    EXPECT_NEAR(0.697411, unity.getHighCoefficient(), 1e-6);
    EXPECT_EQ(2.0 * std::sin(800 / 44100.0 * 3.1415927410125732), unity.getLowCoefficient());
    CEQ fresh;  // zero gains until setGain
    fresh.initEQ(800, 5000, 44100.0);
    CEQ zero = makeEq(0, 0, 0);
    for (int i = 0; i < 20000; ++i) {
        ASSERT_NEAR(i >= 3 ? signal(i - 3) : 0.0, unity.processEQ(signal(i)), 1e-14) << i;
        ASSERT_EQ(0.0, fresh.processEQ(signal(i)));
        ASSERT_EQ(0.0, zero.processEQ(signal(i)));
    }
}

TEST(Equaliser, NonFiniteInputDoesNotPoisonTheState)
{
    CEQ clean = makeEq(2, 0.5, 1.5);
    CEQ hit = makeEq(2, 0.5, 1.5);
    for (int i = 0; i < 600; ++i) {
        const double bad =
            i == 100 ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
        const bool isBad = i == 100 || i == 101;
        ASSERT_EQ(clean.processEQ(isBad ? 0.0 : signal(i)), hit.processEQ(isBad ? bad : signal(i))) << i;
    }
}

// The unity sum is a plain delay whatever the cascades do, so the band split
// is checked on its own: at DC only the low band passes.
TEST(Equaliser, DcSettlesInTheLowBandOnly)
{
    CEQ low = makeEq(1, 0, 0), mid = makeEq(0, 1, 0), high = makeEq(0, 0, 1);
    double l = 0.0, m = 0.0, h = 0.0;
    for (int i = 0; i < 5000; ++i) {
        l = low.processEQ(1.0);
        m = mid.processEQ(1.0);
        h = high.processEQ(1.0);
    }
    EXPECT_NEAR(1.0, l, 1e-12);
    EXPECT_NEAR(0.0, m, 1e-12);
    EXPECT_NEAR(0.0, h, 1e-12);

    // The first outputs of the low band follow four one-pole stages in series.
    CEQ fresh = makeEq(1, 0, 0);
    const double c = fresh.getLowCoefficient();
    EXPECT_DOUBLE_EQ(c * c * c * c, fresh.processEQ(1.0));
}
