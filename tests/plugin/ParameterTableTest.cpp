// Names, labels, displays and values of all twenty parameters in every factory
// program; the values and program names are the plain model's own table.
#include "PluginFixture.hpp"

#include "model/PlainModel.hpp"

#include <limits>
#include <vector>

namespace {

const char* const kNames[20] = {"Master",   "Threshold",  "Ratio",     "Attack",    "Release",
                                "Mix",      "EQ Low",     "EQ Mid",    "EQ High",   "SideChain",
                                "Monitor",  "MakeUpGain", "Key Input", "Soft-Knee", "Valve Modelling",
                                "Mid/Side", "LimitOnOff", "LimitRel",  "Threshold", "LimitCeil"};
const char* const kLabels[20] = {"dB", "dB", " :1", "ms", "ms", "mix", "dB", "dB", "dB", "",
                                 "",   "",   "",    "%",  "",   " ",   "",   "ms", "dB", "dB"};

// What the host shows for programs 0 to 5, in the parameters' own units.
const char* const kDisplays[6][20] = {
    {"0.000",  "0.000", "1.00",   "5.623", "31.62",  "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "Off",   "Stereo", "0.000", "Bypass", "0.000", "Off",   "31.62", "-0.500", "0.000"},
    {"0.000",  "0.000", "2.32",   "7.943", "89.13",  "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "Off",   "Stereo", "25.00", "Bypass", "0.000", "On",    "31.62", "-0.500", "0.000"},
    {"0.000",  "0.000", "3.16",   "1.000", "89.13", "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "Off",   "Stereo", "20.00", "Soft",  "0.000", "On",    "31.62", "-1.000", "-0.500"},
    {"0.000",  "0.000", "3.16",   "1.000", "89.13", "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "Off",   "Stereo", "20.00", "Dirty", "0.000", "On",    "31.62", "-1.000", "-0.500"},
    {"0.000",  "-9.000", "2.32",   "89.13", "63.10", "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "On",     "Stereo", "20.00", "Soft",  "0.000", "On",    "31.62", "-0.500", "0.000"},
    {"0.000",  "-17.50", "3.47",   "1.000", "707.9",  "1.000", "0.000", "0.000", "0.000",  "Internal",
     "Output", "On",     "Stereo", "50.00", "Bypass", "0.000", "On",    "31.62", "-1.000", "-0.500"},
};

}  // namespace

TEST_F(PluginFixture, EveryFactoryProgramShowsItsTable)
{
    auto instance = create();
    PlainModel model;
    // Visit the programs out of order: nothing may leak from one into the next.
    for (int p : {0, 5, 1, 9, 4, 2, 7, 3, 6, 8, 0}) {
        std::string name;
        ASSERT_TRUE(instance->programNameIndexed(9 - p, name));  // asked without switching
        EXPECT_EQ(name, model.programName(9 - p));
        instance->setProgram(p);
        model.setProgram(p);
        ASSERT_EQ(instance->program(), p);
        EXPECT_EQ(instance->programName(), model.programName(p));
        const int row = p < 6 ? p : 0;
        for (int i = 0; i < 20; ++i) {
            SCOPED_TRACE(testing::Message() << "program " << p << " parameter " << i);
            EXPECT_EQ(instance->parameterName(i), kNames[i]);
            EXPECT_EQ(instance->parameterLabel(i), kLabels[i]);
            EXPECT_EQ(instance->parameterDisplay(i), kDisplays[row][i]);
            EXPECT_FLOAT_EQ(instance->getParameter(i), model.getParameter(i));
        }
    }
}

TEST_F(PluginFixture, HostValuesAreHeldInsideTheRangeAndBadIndicesAnswerNothing)
{
    auto instance = create();
    const struct {
        int index;
        float value, held;
        const char* shown;
    } cases[] = {{0, 7.5f, 1.0f, "20.00"},
                 {0, -3.0f, 0.0f, "-20.00"},
                 {0, std::numeric_limits<float>::infinity(), 1.0f, "20.00"},
                 {2, 2.0f, 1.0f, "20.0"},
                 {2, -1.0f, 0.0f, "1.00"},
                 {2, 0.9f, 0.9f, "6.89"}};  // slope 0.145: the ratio shown is its inverse
    for (const auto& c : cases) {
        instance->setParameter(c.index, c.value);
        EXPECT_FLOAT_EQ(instance->getParameter(c.index), c.held) << c.value;
        EXPECT_EQ(instance->parameterDisplay(c.index), c.shown) << c.value;
    }
    // A NaN changes nothing, neither the parameter nor the program.
    instance->setParameter(1, 0.25f);
    instance->setParameter(1, std::numeric_limits<float>::quiet_NaN());
    EXPECT_FLOAT_EQ(instance->getParameter(1), 0.25f);
    instance->setProgram(1);
    instance->setProgram(0);
    EXPECT_FLOAT_EQ(instance->getParameter(1), 0.25f);
    EXPECT_EQ(instance->parameterDisplay(1), "-37.50");

    std::vector<float> before;
    for (int i = 0; i < 20; ++i) {
        before.push_back(instance->getParameter(i));
    }
    for (int bad : {-1, 20, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(instance->parameterName(bad), "") << bad;
        EXPECT_EQ(instance->parameterLabel(bad), "") << bad;
        EXPECT_EQ(instance->parameterDisplay(bad), "") << bad;
        EXPECT_FLOAT_EQ(instance->getParameter(bad), 0.0f) << bad;
        instance->setParameter(bad, 0.3f);
    }
    for (int i = 0; i < 20; ++i) {  // nothing moved
        EXPECT_EQ(instance->getParameter(i), before[static_cast<size_t>(i)]) << i;
    }
}
