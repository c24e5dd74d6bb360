// Parameter objects: mapping of the normalised value, display rules, bounds.
#include "CVstParamFloat.hpp"
#include "CVstParamFloatExp.hpp"
#include "CVstParamInt.hpp"
#include "CVstParamSelect.hpp"
#include "SafeString.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string display(const CVstParam& p)
{
    char text[CVstParam::CVSTPARAM_TEXT_SIZE + 8];
    std::memset(text, 'x', sizeof(text));
    p.GetValue(text);
    // Nothing may be written past the documented buffer size.
    for (size_t i = CVstParam::CVSTPARAM_TEXT_SIZE; i < sizeof(text); ++i) {
        EXPECT_EQ(text[i], 'x');
    }
    return text;
}

const char* const kThreeStops[] = {"Left", "Stereo", "Right"};
const char* const kTwoStops[] = {"Off", "On"};

}  // namespace

TEST(ParamFloat, MapsLinearlyAndShowsThreeSignificantDecimals)
{
    CVstParamFloat master("Master", "dB", -20.0f, 20.0f, 0.0f, false);
    EXPECT_FLOAT_EQ(master.Get(), 0.5f);
    EXPECT_EQ(display(master), "0.000");
    master.Set(0.0625f);
    EXPECT_FLOAT_EQ(master.GetData(), -17.5f);
    EXPECT_EQ(display(master), "-17.50");
    EXPECT_EQ(master.GetIntData(), -17);  // floor(-17.5 + 0.5)

    CVstParamFloat knee("Soft-Knee", "%", 0.0f, 100.0f, 0.0f, false);
    knee.Set(1.0f);
    EXPECT_EQ(display(knee), "100.0");

    CVstParamFloat signedGain("Gain", "dB", -20.0f, 20.0f, 0.0f, true);
    signedGain.Set(0.75f);
    EXPECT_EQ(display(signedGain), "+10.00");

    // The "g" form starts at 100000 for this kind, and never overruns the buffer.
    CVstParamFloat huge("Huge", "", -1e30f, 1e30f, 0.0f, true);
    huge.Set(0.0f);
    EXPECT_EQ(display(huge), "-1e+30");
}

TEST(ParamFloat, DefaultOutsideRangeAndSetRange)
{
    // The limiter threshold is built with a default of 0.5 in -50..0.
    CVstParamFloat threshold("Threshold", "dB", -50.0f, 0.0f, 0.5f, false);
    EXPECT_FLOAT_EQ(threshold.Get(), 1.01f);
    threshold.Set(0.99f);
    EXPECT_NEAR(threshold.GetData(), -0.5f, 1e-5f);

    CVstParamFloat ranged("R", "", 0.0f, 10.0f, 5.0f, false);
    ranged.SetRange(0.0f, 100.0f);
    EXPECT_FLOAT_EQ(ranged.Get(), 0.5f);
    EXPECT_FLOAT_EQ(ranged.GetData(), 50.0f);
    // Values outside 0..1 are not clamped by the object itself.
    ranged.Set(1.5f);
    EXPECT_FLOAT_EQ(ranged.GetData(), 150.0f);
}

TEST(ParamFloatExp, MapsLogarithmicallyAndClamps)
{
    CVstParamFloatExp attack("Attack", "ms", 1.0f, 1000.0f, 1.0f);
    EXPECT_FLOAT_EQ(attack.Get(), 0.0f);
    EXPECT_EQ(display(attack), "1.000");
    attack.Set(0.5f);
    EXPECT_NEAR(attack.GetData(), 31.6228f, 1e-3f);
    EXPECT_EQ(display(attack), "31.62");
    attack.Set(3.0f);
    EXPECT_FLOAT_EQ(attack.GetData(), 1000.0f);
    attack.Set(-2.0f);
    EXPECT_FLOAT_EQ(attack.GetData(), 1.0f);
    EXPECT_EQ(attack.GetIntData(), 1);

    CVstParamFloatExp big("Big", "", 1.0f, 1e7f, 1.0f);
    big.Set(1.0f);
    EXPECT_EQ(display(big), "1e+07");  // "%g" from 1000000 on for this kind
}

TEST(ParamInt, EveryIntegerOwnsAnEqualShare)
{
    CVstParamInt steps("Steps", "", 0, 10, 0, false);
    EXPECT_EQ(steps.GetIntData(), 0);
    steps.Set(1.0f);
    EXPECT_EQ(steps.GetIntData(), 10);
    EXPECT_EQ(display(steps), "10");
    steps.Set(0.0f);
    EXPECT_EQ(steps.GetIntData(), 0);
    steps.Set(7.0f);  // held at the maximum
    EXPECT_EQ(steps.GetIntData(), 10);
    steps.Set(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(steps.GetIntData(), 0);

    CVstParamInt transpose("Transpose", "st", -12, 12, 0, true);
    EXPECT_EQ(display(transpose), "+0");
    transpose.Set(0.0f);
    EXPECT_EQ(display(transpose), "-12");
}

TEST(ParamSelect, StopBoundariesFollowTheTruncation)
{
    CVstParamSelect key("Key Input", "", 3, kThreeStops, 0);
    EXPECT_FLOAT_EQ(key.Get(), 0.0f);
    key.Set(0.333f);
    EXPECT_EQ(key.GetIntData(), 0);
    key.Set(0.34f);
    EXPECT_EQ(key.GetIntData(), 1);
    EXPECT_EQ(display(key), "Stereo");
    key.Set(1.0f);
    EXPECT_EQ(key.GetIntData(), 2);
    EXPECT_FLOAT_EQ(key.GetData(), 2.0f);
    key.Set(-0.5f);
    EXPECT_EQ(key.GetIntData(), 0);

    CVstParamSelect onOff("LimitOnOff", "", 2, kTwoStops, 0);
    onOff.Set(0.5f);
    EXPECT_EQ(display(onOff), "On");
}

TEST(ParamSelect, StopsAssociatesAndBounds)
{
    const int values[] = {10, 20, 30};
    CVstParamSelect key("Key", "", 3, kThreeStops, 0);
    key.SetAssociates(3, values);
    key.Set(0.5f);
    EXPECT_EQ(key.GetAssociatedData(), 20);
    key.SetStop(1, "Both channels of the key, a long name");
    EXPECT_EQ(display(key), "Both channels of the ke");
    key.SetStop(128, "ignored");
    key.SetStop(-1, "ignored");
    key.SetStops(2, kTwoStops);
    EXPECT_EQ(key.getNumberOfStops(), 2);
    EXPECT_EQ(display(key), "On");

    // Stop counts are held inside 1..128.
    CVstParamSelect none("None", "", 0, nullptr, 5);
    EXPECT_EQ(none.getNumberOfStops(), 1);
    none.Set(1.0f);
    EXPECT_EQ(display(none), "");
    CVstParamSelect many("Many", "", 500, nullptr, 0);
    EXPECT_EQ(many.getNumberOfStops(), 128);
}

TEST(ParamText, NamesAndLabelsAreCutTo23Characters)
{
    CVstParamFloat p("A parameter name that is far too long", "a label that is also too long", 0, 1, 0, false);
    char text[CVstParam::CVSTPARAM_TEXT_SIZE];
    p.GetName(text);
    EXPECT_EQ(std::string(text), "A parameter name that i");
    p.GetLabel(text);
    EXPECT_EQ(std::string(text), "a label that is also to");

    char small[4];
    EXPECT_EQ(strncpy_safe(small, "abcdef", sizeof(small)), small);
    EXPECT_STREQ(small, "abc");
    EXPECT_STREQ(strncpy_safe(small, nullptr, sizeof(small)), "");
    EXPECT_EQ(strncpy_safe(nullptr, "x", 4), nullptr);
}
