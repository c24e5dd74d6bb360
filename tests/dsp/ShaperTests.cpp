#include "CParabolicShaper.hpp"
#include "CValveModel.hpp"

#include <gtest/gtest.h>

TEST(ParabolicShaper, KneePointsAndBlend)
{
    CParabolicShaper knee;
    EXPECT_DOUBLE_EQ(0.0, knee.GetBreakpoints()); // constructed as pure curve
    EXPECT_DOUBLE_EQ(28.0 / 36.0, knee.process(1.0));
    EXPECT_DOUBLE_EQ(1.0, knee.process(3.0)); // the curve reaches exactly 1 at 3
    EXPECT_EQ(0.0, knee.process(0.0));

    knee.SetBreakpoints(1.0);
    for (double x : {0.0, 0.125, 0.5, 1.0})
        EXPECT_EQ(x, knee.process(x)); // straight line

    knee.SetBreakpoints(0.25);
    EXPECT_DOUBLE_EQ(0.25 + 0.75 * 28.0 / 36.0, knee.process(1.0));
    EXPECT_EQ(0.0, knee.process(0.0));
}

TEST(ParabolicShaper, CurveRisesMonotonicallyOverGainRange)
{
    CParabolicShaper knee;
    double previous = 0.0;
    for (int i = 1; i <= 1000; ++i)
    {
        const double y = knee.process(i / 1000.0);
        EXPECT_GT(y, previous);
        previous = y;
    }
}

TEST(ValveModel, SoftAndDirtyCurves)
{
    const CValveModel valve;
    const double soft = 0.699999988079071;
    const double dirty = 0.4000000059604645;
    EXPECT_DOUBLE_EQ(0.7 * 0.75, valve.process(2.0, 1.0, 0.5) * 0.7);
    EXPECT_DOUBLE_EQ(soft, valve.process(2.0, 1.0, 1.0) * soft);
    EXPECT_DOUBLE_EQ(-soft, valve.process(2.0, 1.0, -1.0) * soft);
    EXPECT_EQ(0.0, valve.process(2.0, 1.0, 2.0));
    EXPECT_EQ(0.0, valve.process(2.0, 1.0, -2.0));

    EXPECT_DOUBLE_EQ(0.75, valve.process(4.0, 4.0, 0.25));
    EXPECT_DOUBLE_EQ(dirty, valve.process(4.0, 4.0, 0.5) * dirty);
    EXPECT_EQ(0.0, valve.process(4.0, 4.0, 1.0));
    EXPECT_EQ(0.0, valve.process(4.0, 4.0, 0.0));

    // Odd symmetry, including the folded-back region beyond the peak.
    for (double x : {0.1, 0.7, 1.5, 3.0})
        EXPECT_EQ(-valve.process(2.0, 1.0, x), valve.process(2.0, 1.0, -x));
}
