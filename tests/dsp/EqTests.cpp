#include "CEQ.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
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
} // namespace

TEST(Equaliser, CornerCoefficientsUseSinglePrecisionPi)
{
    const CEQ eq = makeEq(1, 1, 1);
    EXPECT_NEAR(0.113919, eq.getLowCoefficient(), 1e-6);
    EXPECT_NEAR(0.697411, eq.getHighCoefficient(), 1e-6);
    EXPECT_EQ(2.0 * std::sin(800 / 44100.0 * 3.1415927410125732), eq.getLowCoefficient());
}

TEST(Equaliser, UnityGainsDelayByThreeSamples)
{
    CEQ eq = makeEq(1, 1, 1);
    for (int i = 0; i < 2000; ++i)
        ASSERT_NEAR(i >= 3 ? signal(i - 3) : 0.0, eq.processEQ(signal(i)), 1e-14) << i;
    // initEQ changes the coefficients only: an impulse fed before it still
    // comes out three samples later.
    CEQ resumed = makeEq(1, 1, 1);
    EXPECT_EQ(0.0, resumed.processEQ(1.0));
    resumed.initEQ(800, 5000, 48000.0);
    EXPECT_NEAR(0.0, resumed.processEQ(0.0) + resumed.processEQ(0.0), 1e-15);
    EXPECT_NEAR(1.0, resumed.processEQ(0.0), 1e-15);
}

TEST(Equaliser, GainsShapeTheBands)
{
    CEQ fresh; // zero gains until setGain
    fresh.initEQ(800, 5000, 44100.0);
    CEQ boost = makeEq(10, 0, 0); // +20 dB low band alone
    CEQ high = makeEq(0, 0, 1);
    double dc = 0.0, highPeak = 0.0;
    for (int i = 0; i < 20000; ++i)
    {
        ASSERT_EQ(0.0, fresh.processEQ(signal(i)));
        dc = boost.processEQ(0.1);
        const double h = high.processEQ((i % 2) ? 1.0 : -1.0); // Nyquist tone
        highPeak = i > 1000 ? std::max(highPeak, std::fabs(h)) : 0.0;
    }
    EXPECT_NEAR(1.0, dc, 1e-9);
    EXPECT_GT(highPeak, 0.9);
}

TEST(Equaliser, NonFiniteInputDoesNotPoisonTheState)
{
    CEQ clean = makeEq(2, 0.5, 1.5);
    CEQ hit = makeEq(2, 0.5, 1.5);
    for (int i = 0; i < 600; ++i)
    {
        const double bad = i == 100 ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
        const bool isBad = i == 100 || i == 101;
        const double a = clean.processEQ(isBad ? 0.0 : signal(i));
        const double b = hit.processEQ(isBad ? bad : signal(i));
        ASSERT_EQ(a, b) << i; // read as silence, nothing else changes
    }
}
