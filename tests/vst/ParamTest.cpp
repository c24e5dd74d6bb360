// Parameter objects: bounds of the text buffer, stop tables and odd host values.
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

// The shown value; nothing may be written past the documented buffer size.
std::string display(const CVstParam& p)
{
    char text[CVstParam::CVSTPARAM_TEXT_SIZE + 8];
    std::memset(text, 'x', sizeof(text));
    p.GetValue(text);
    for (size_t i = CVstParam::CVSTPARAM_TEXT_SIZE; i < sizeof(text); ++i) {
        EXPECT_EQ(text[i], 'x');
    }
    return text;
}

const char* const kThreeStops[] = {"Left", "Stereo", "Right"};
const char* const kTwoStops[] = {"Off", "On"};

}  // namespace

TEST(Param, ExtremeValuesStayInsideTheTextBuffer)
{
    CVstParamFloat huge("Huge", "", -1e30f, 1e30f, 0.0f, true);
    huge.Set(0.0f);
    EXPECT_EQ(display(huge), "-1e+30");
    CVstParamFloatExp big("Big", "", 1.0f, 1e7f, 1.0f);
    big.Set(3.0f);  // held inside the range
    EXPECT_FLOAT_EQ(big.GetData(), 1e7f);
    big.Set(-2.0f);
    EXPECT_FLOAT_EQ(big.GetData(), 1.0f);

    CVstParamInt steps("Steps", "", 0, 10, 0, false);
    steps.Set(7.0f);
    EXPECT_EQ(steps.GetIntData(), 10);
    steps.Set(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(steps.GetIntData(), 0);

    CVstParamFloat p("A parameter name that is far too long", "a label that is also too long", 0, 1, 0, false);
    char text[CVstParam::CVSTPARAM_TEXT_SIZE];
    p.GetName(text);
    EXPECT_EQ(std::string(text), "A parameter name that i");
    p.GetLabel(text);
    EXPECT_EQ(std::string(text), "a label that is also to");
}

TEST(Param, SelectStopsAssociatesAndBounds)
{
    const int values[] = {10, 20, 30};
    CVstParamSelect key("Key", "", 3, kThreeStops, 0);
    key.Set(0.333f);
    EXPECT_EQ(key.GetIntData(), 0);
    key.Set(-0.5f);
    EXPECT_EQ(key.GetIntData(), 0);
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

    char small[4];
    EXPECT_STREQ(strncpy_safe(small, "abcdef", sizeof(small)), "abc");
    EXPECT_STREQ(strncpy_safe(small, nullptr, sizeof(small)), "");
    EXPECT_EQ(strncpy_safe(nullptr, "x", 4), nullptr);
}

TEST(Param, UnitsMapBackToTheSameSetting)
{
    CVstParamFloat gain("Gain", "dB", -50.0f, 0.0f, 0.0f, false);
    CVstParamFloatExp time("Time", "ms", 1.0f, 1000.0f, 1.0f);
    CVstParamInt steps("Steps", "", -3, 7, 0, false);
    CVstParamSelect key("Key", "", 3, kThreeStops, 0);
    for (float v : {0.0f, 0.013f, 0.25f, 0.5f, 0.82f, 0.99f, 1.0f}) {
        EXPECT_EQ(gain.GetNormalisedFor(gain.GetUnitsFor(v)), v);
        EXPECT_EQ(time.GetNormalisedFor(time.GetUnitsFor(v)), v);
        EXPECT_EQ(steps.GetIntDataFor(steps.GetNormalisedFor(steps.GetUnitsFor(v))), steps.GetIntDataFor(v)) << v;
        EXPECT_EQ(key.GetIntDataFor(key.GetNormalisedFor(key.GetUnitsFor(v))), key.GetIntDataFor(v)) << v;
    }
    // Outside the range the ends (the product's kinds through the LV2 ports: SoundTest); NaN the start.
    EXPECT_EQ(time.GetNormalisedFor(std::nan("")), 0.0f);
    EXPECT_EQ(steps.GetIntDataFor(steps.GetNormalisedFor(99.0)), 7);
    EXPECT_EQ(steps.GetIntDataFor(steps.GetNormalisedFor(-2.0)), -2);
}
