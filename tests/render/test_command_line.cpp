#include "CCommandLine.hpp"
#include "CNameResolver.hpp"
#include "CRenderError.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using Tenvira::Render::CCommandLine;
using Tenvira::Render::CNameResolver;
using Tenvira::Render::CRenderError;
using Tenvira::Render::CUsageError;
using Tenvira::Render::SRenderOptions;

namespace {

SRenderOptions parse(const std::vector<std::string>& arguments)
{
    return CCommandLine::parse(arguments);
}

}  // namespace

TEST(CommandLine, ReadsFilesBetweenOptionsInBothSpellings)
{
    const SRenderOptions options =
        parse({"--program", "Soft master", "in.wav", "--set=18=1", "--block=64", "--sidechain=key.wav", "out.flac"});
    EXPECT_EQ(options.input, "in.wav");
    EXPECT_EQ(options.output, "out.flac");
    EXPECT_EQ(options.program, "Soft master");
    EXPECT_EQ(options.blockSize, 64);
    EXPECT_EQ(options.sidechain, "key.wav");
    ASSERT_EQ(options.settings.size(), 1u);
    EXPECT_EQ(options.settings[0].key, "18");
    EXPECT_FLOAT_EQ(options.settings[0].value, 1.0f);
    EXPECT_EQ(parse({"a", "b"}).blockSize, 512);
    // After "--" a name that starts with a dash is a file.
    EXPECT_EQ(parse({"--", "-in.wav", "-out.wav"}).input, "-in.wav");
}

TEST(CommandLine, SetTakesNormalisedValuesUnitsAndChoices)
{
    const auto value = [](const std::string& setting) {
        const SRenderOptions options = parse({"--set", setting, "a", "b"});
        return options.settings.at(0).value;
    };
    // Bare numbers within 0..1 are the host's normalised values, for any parameter name.
    EXPECT_EQ(value("Mix=0.5"), 0.5f);
    EXPECT_EQ(value("Loudness=5e-1"), 0.5f);
    EXPECT_EQ(value("Ratio=1"), 1.0f);  // the normalised top: 20:1
    // Units map as the plug-in maps them: each gives the value of the same setting.
    EXPECT_EQ(value("Threshold=-20dB"), 0.6f);
    EXPECT_EQ(value("threshold=-17.5 DB"), 0.65f);
    EXPECT_EQ(value("18=-0.5dB"), 0.99f);
    EXPECT_FLOAT_EQ(value("Ratio=4"), static_cast<float>(1.0 - (0.25 - 0.05) / 0.95));
    EXPECT_EQ(value("Ratio=4:1"), value("Ratio=4"));
    EXPECT_EQ(value("Ratio=1:1"), 0.0f);
    EXPECT_FLOAT_EQ(value("Attack=30ms"), static_cast<float>(std::log(30.0) / std::log(1000.0)));
    EXPECT_EQ(value("Valve Modelling=Soft"), 0.5f);
    EXPECT_EQ(value("14=dirty"), 1.0f);
    EXPECT_EQ(value("Soft-Knee=25 %"), 0.25f);

    for (const char* bad :
         {"Mix",           "=0.5",           "Mix=",         "Mix=0.5=2",       "Mix=lots",      "Mix=1.5",
          "Mix=-0.1",      "Mix=nan",        "Master=1e999", "Threshold=-60dB", "Threshold=5dB", "Threshold=-20ms",
          "Threshold=-20", "Mid/Side=0.5dB", "Ratio=0.5:1",  "Ratio=25",        "Attack=0.5ms",  "Valve Modelling=Loud",
          "Knee=3dB",      "21=1dB"})
        EXPECT_THROW(parse({"--set", bad, "a", "b"}), CUsageError) << bad;
}

TEST(CommandLine, RejectsMalformedLines)
{
    for (const char* block : {"0", "-4", "65537", "12a", ""})
        EXPECT_THROW(parse({"--block", block, "a", "b"}), CUsageError) << block;
    EXPECT_EQ(parse({"--block", "65536", "a", "b"}).blockSize, 65536);
    const std::vector<std::vector<std::string>> malformed = {
        {"--frobnicate", "a", "b"}, {"-x", "a", "b"},    {"a", "b", "--program"},  {"only-input.wav"}, {"a", "b", "c"},
        {"--sidechain", "k.wav"},   {"--plot", "p.png"}, {"--align=yes", "a", "b"}};
    for (const auto& line : malformed)
        EXPECT_THROW(parse(line), CUsageError) << line[0];
    EXPECT_TRUE(parse({"--help", "whatever"}).help);
}

// Names as matched against what the effect reports; the plain cases run end to end.
TEST(NameResolver, NumbersInRangeWholeNamesAndExactSpellingFirst)
{
    const std::vector<std::string> programs = {"Default", "Soft master", "------------"};
    EXPECT_EQ(CNameResolver::resolveProgram(" soft MASTER ", programs), 1);
    EXPECT_EQ(CNameResolver::resolveProgram("------------", programs), 2);
    for (const char* bad : {"3", "-1", "Soft", ""})
        EXPECT_THROW(CNameResolver::resolveProgram(bad, programs), CRenderError) << bad;

    const std::vector<std::string> parameters = {"Master", "Threshold", "Soft-Knee", "Threshold"};
    EXPECT_EQ(CNameResolver::resolveParameter("threshold", parameters), 1);
    EXPECT_EQ(CNameResolver::resolveParameter("3", parameters), 3);
    EXPECT_THROW(CNameResolver::resolveParameter("1.5", parameters), CRenderError);
    EXPECT_EQ(CNameResolver::resolveParameter("mix", {"MIX", "mix"}), 1);
    try {
        CNameResolver::resolveParameter("Knee", parameters);
        ADD_FAILURE() << "an unknown name is refused";
    } catch (const CRenderError& error) {
        EXPECT_NE(std::string(error.what()).find("Soft-Knee"), std::string::npos) << "lists the choices";
    }
}
