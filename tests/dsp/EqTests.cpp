#include "CEQ.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
CEQ makeEq(double low, double mid, double high)
{
    CEQ eq;
    eq.initEQ(800, 5000, 44100.0);
    eq.setGain(low, mid, high);
    return eq;
}

// A deterministic test signal with content in all three bands.
std::vector<double> testSignal(int n)
{
    std::vector<double> x(n);
    for (int i = 0; i < n; ++i)
        x[i] = 0.5 * std::sin(i * 0.01) + 0.3 * std::sin(i * 0.4) + 0.2 * std::sin(i * 2.5);
    return x;
}
} // namespace

TEST(Equaliser, CornerCoefficients)
{
    const CEQ eq = makeEq(1, 1, 1);
    EXPECT_NEAR(0.113919, eq.getLowCoefficient(), 1e-6);
    EXPECT_NEAR(0.697411, eq.getHighCoefficient(), 1e-6);
    // Pi is taken in single precision.
    EXPECT_EQ(2.0 * std::sin(800 / 44100.0 * 3.1415927410125732), eq.getLowCoefficient());

    CEQ fast;
    fast.initEQ(800, 5000, 96000.0);
    EXPECT_NEAR(2.0 * std::sin(M_PI * 5000.0 / 96000.0), fast.getHighCoefficient(), 1e-7);
}

TEST(Equaliser, UnityGainsDelayByThreeSamples)
{
    CEQ impulse = makeEq(1, 1, 1);
    for (int i = 0; i < 64; ++i)
    {
        const double y = impulse.processEQ(i == 0 ? 1.0 : 0.0);
        EXPECT_NEAR(i == 3 ? 1.0 : 0.0, y, 1e-15) << "sample " << i;
    }

    CEQ music = makeEq(1, 1, 1);
    const std::vector<double> x = testSignal(2000);
    for (int i = 0; i < 2000; ++i)
        EXPECT_NEAR(i >= 3 ? x[i - 3] : 0.0, music.processEQ(x[i]), 1e-14) << "sample " << i;
}

TEST(Equaliser, SilentUntilGainsAreSetAndWithZeroGains)
{
    CEQ fresh;
    fresh.initEQ(800, 5000, 44100.0);
    CEQ zero = makeEq(0, 0, 0);
    for (double x : testSignal(200))
    {
        EXPECT_EQ(0.0, fresh.processEQ(x));
        EXPECT_EQ(0.0, zero.processEQ(x));
    }
}

TEST(Equaliser, BandsSplitTheSpectrum)
{
    // Low band alone passes DC at unity and removes a tone near Nyquist.
    CEQ low = makeEq(1, 0, 0);
    double y = 0.0;
    for (int i = 0; i < 20000; ++i)
        y = low.processEQ(1.0);
    EXPECT_NEAR(1.0, y, 1e-9);

    CEQ lowOnTone = makeEq(1, 0, 0);
    CEQ highOnTone = makeEq(0, 0, 1);
    double lowPeak = 0.0;
    double highPeak = 0.0;
    for (int i = 0; i < 4000; ++i)
    {
        const double x = (i % 2) ? 1.0 : -1.0; // Nyquist
        const double l = lowOnTone.processEQ(x);
        const double h = highOnTone.processEQ(x);
        if (i > 1000)
        {
            lowPeak = std::max(lowPeak, std::fabs(l));
            highPeak = std::max(highPeak, std::fabs(h));
        }
    }
    EXPECT_LT(lowPeak, 1e-3);
    EXPECT_GT(highPeak, 0.9);

    // A +20 dB low band on DC: ten times the input.
    CEQ boost = makeEq(10, 1, 1);
    for (int i = 0; i < 20000; ++i)
        y = boost.processEQ(0.1);
    EXPECT_NEAR(1.0, y, 1e-9);
}

TEST(Equaliser, ResumeKeepsStateAndNonFiniteInputDoesNotPoisonIt)
{
    const std::vector<double> x = testSignal(600);
    CEQ clean = makeEq(2, 0.5, 1.5);
    CEQ dirty = makeEq(2, 0.5, 1.5);
    for (int i = 0; i < 600; ++i)
    {
        const bool bad = i == 100 || i == 101;
        const double in = i == 100 ? std::numeric_limits<double>::quiet_NaN()
                                   : (i == 101 ? std::numeric_limits<double>::infinity() : x[i]);
        const double a = clean.processEQ(bad ? 0.0 : x[i]);
        const double b = dirty.processEQ(in);
        ASSERT_TRUE(std::isfinite(b)) << "sample " << i;
        EXPECT_EQ(a, b) << "sample " << i; // read as silence, nothing else changes
    }

    // initEQ recomputes the coefficients only: the history survives it, so an
    // impulse fed before a re-initialisation still appears three samples later.
    CEQ resumed = makeEq(1, 1, 1);
    resumed.processEQ(1.0);
    resumed.initEQ(800, 5000, 48000.0);
    EXPECT_NEAR(0.0, resumed.processEQ(0.0), 1e-15);
    EXPECT_NEAR(0.0, resumed.processEQ(0.0), 1e-15);
    EXPECT_NEAR(1.0, resumed.processEQ(0.0), 1e-12);
}
