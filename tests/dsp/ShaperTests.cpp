#include "CParabolicShaper.hpp"
#include "CValveModel.hpp"

#include <gtest/gtest.h>

TEST(ParabolicShaper, KneePointsBlendAndMonotonicCurve)
{
    CParabolicShaper knee; // constructed as the pure curve
    EXPECT_DOUBLE_EQ(28.0 / 36.0, knee.process(1.0));
    EXPECT_DOUBLE_EQ(1.0, knee.process(3.0));
    EXPECT_EQ(0.0, knee.process(0.0));
    double previous = 0.0;
    for (int i = 1; i <= 1000; ++i)
    {
        const double y = knee.process(i / 1000.0);
        ASSERT_GT(y, previous);
        previous = y;
    }
    knee.SetBreakpoints(1.0);
    for (double x : {0.125, 0.5, 1.0})
        EXPECT_EQ(x, knee.process(x));
    knee.SetBreakpoints(0.25);
    EXPECT_DOUBLE_EQ(0.25 + 0.75 * 28.0 / 36.0, knee.process(1.0));
}

TEST(ValveModel, SoftAndDirtyCurves)
{
    const CValveModel valve;
    EXPECT_DOUBLE_EQ(0.75, valve.process(2.0, 1.0, 0.5)); // "Soft": 0.7 x 0.75 after scaling
    EXPECT_DOUBLE_EQ(1.0, valve.process(2.0, 1.0, 1.0));
    EXPECT_DOUBLE_EQ(-1.0, valve.process(2.0, 1.0, -1.0));
    EXPECT_EQ(0.0, valve.process(2.0, 1.0, 2.0));
    EXPECT_DOUBLE_EQ(0.75, valve.process(4.0, 4.0, 0.25)); // "Dirty"
    EXPECT_DOUBLE_EQ(1.0, valve.process(4.0, 4.0, 0.5));
    EXPECT_EQ(0.0, valve.process(4.0, 4.0, 1.0));
    EXPECT_EQ(0.0, valve.process(4.0, 4.0, 0.0));
    for (double x : {0.1, 0.7, 1.5, 3.0}) // odd, also where the curve folds back
        EXPECT_EQ(-valve.process(2.0, 1.0, x), valve.process(2.0, 1.0, -x));
}
