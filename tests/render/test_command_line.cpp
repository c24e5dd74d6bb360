#include "CCommandLine.hpp"
#include "CNameResolver.hpp"
#include "CRenderError.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Tenvira::Render::CCommandLine;
using Tenvira::Render::CNameResolver;
using Tenvira::Render::CRenderError;
using Tenvira::Render::CUsageError;
using Tenvira::Render::SRenderOptions;

namespace {

SRenderOptions parse(const std::vector<std::string>& arguments) { return CCommandLine::parse(arguments); }

const std::vector<std::string> PARAMETERS = {
    "Master", "Threshold", "Ratio", "Attack", "Release", "Mix", "EQ Low", "EQ Mid", "EQ High", "SideChain",
    "Monitor", "MakeUpGain", "Key Input", "Soft-Knee", "Valve Modelling", "Mid/Side", "LimitOnOff",
    "LimitRel", "Threshold", "LimitCeil"};
const std::vector<std::string> PROGRAMS = {"Default", "Soft master", "Warm master", "Dirty", "Guitar",
                                           "Bass", "------------", "Tolvek", "Orvasse", "Audio"};

} // namespace

TEST(CommandLine, ReadsFilesAndOptionsInBothSpellings)
{
    const SRenderOptions options =
        parse({"--program", "Soft master", "in.wav", "--set", "Mix=0.25", "--set=18=1", "--block=64",
               "--align", "--sidechain=key.wav", "--plot", "p.png", "--plugin", "x.so", "out.flac"});
    EXPECT_EQ(options.input, "in.wav");
    EXPECT_EQ(options.output, "out.flac");
    EXPECT_EQ(options.program, "Soft master");
    EXPECT_EQ(options.blockSize, 64);
    EXPECT_TRUE(options.align);
    EXPECT_EQ(options.sidechain, "key.wav");
    EXPECT_EQ(options.plot, "p.png");
    EXPECT_EQ(options.plugin, "x.so");
    ASSERT_EQ(options.settings.size(), 2u);
    EXPECT_EQ(options.settings[0].key, "Mix");
    EXPECT_FLOAT_EQ(options.settings[0].value, 0.25f);
    EXPECT_EQ(options.settings[1].key, "18");
    EXPECT_FLOAT_EQ(options.settings[1].value, 1.0f);
    EXPECT_FALSE(options.isDemo());
}

TEST(CommandLine, DefaultsAndDemoMode)
{
    const SRenderOptions options = parse({});
    EXPECT_TRUE(options.isDemo());
    EXPECT_EQ(options.blockSize, 512);
    EXPECT_FALSE(options.align);
    EXPECT_EQ(options.demoDir, "tenvira-demo");
    // After "--" a name that starts with a dash is a file.
    const SRenderOptions dashed = parse({"--", "-in.wav", "-out.wav"});
    EXPECT_EQ(dashed.input, "-in.wav");
    EXPECT_EQ(dashed.output, "-out.wav");
}

TEST(CommandLine, ValuesMustBeNumbersWithinZeroToOne)
{
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("0", "v"), 0.0f);
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("1", "v"), 1.0f);
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("5e-1", "v"), 0.5f);
    for (const char* bad : {"", "abc", "0.5x", "nan", "inf", "-0.01", "1.0001", "1e999", " "}) {
        EXPECT_THROW(CCommandLine::parseNormalised(bad, "v"), CUsageError) << bad;
    }
    EXPECT_THROW(parse({"--set", "Mix", "a", "b"}), CUsageError);
    EXPECT_THROW(parse({"--set", "=0.5", "a", "b"}), CUsageError);
    EXPECT_THROW(parse({"--set", "Mix=", "a", "b"}), CUsageError);
    // The last '=' separates the value, so a name may not hide a bad value.
    EXPECT_THROW(parse({"--set", "Mix=0.5=2", "a", "b"}), CUsageError);
}

TEST(CommandLine, RejectsMalformedLines)
{
    for (const char* block : {"0", "-4", "65537", "12a", ""})
        EXPECT_THROW(parse({"--block", block, "a", "b"}), CUsageError) << block;
    EXPECT_EQ(parse({"--block", "65536", "a", "b"}).blockSize, 65536);
    EXPECT_THROW(parse({"--frobnicate", "a", "b"}), CUsageError);
    EXPECT_THROW(parse({"-x", "a", "b"}), CUsageError);
    EXPECT_THROW(parse({"a", "b", "--program"}), CUsageError);
    EXPECT_THROW(parse({"only-input.wav"}), CUsageError);
    EXPECT_THROW(parse({"a", "b", "c"}), CUsageError);
    EXPECT_THROW(parse({"--sidechain", "k.wav"}), CUsageError);
    EXPECT_THROW(parse({"--plot", "p.png"}), CUsageError);
    EXPECT_THROW(parse({"--align=yes", "a", "b"}), CUsageError);
    EXPECT_TRUE(parse({"--help", "whatever"}).help);
}

TEST(NameResolver, ProgramsByNumberOrCaseInsensitiveName)
{
    EXPECT_EQ(CNameResolver::resolveProgram("0", PROGRAMS), 0);
    EXPECT_EQ(CNameResolver::resolveProgram("9", PROGRAMS), 9);
    EXPECT_EQ(CNameResolver::resolveProgram("SOFT MASTER", PROGRAMS), 1);
    EXPECT_EQ(CNameResolver::resolveProgram(" bass ", PROGRAMS), 5);
    EXPECT_EQ(CNameResolver::resolveProgram("------------", PROGRAMS), 6);
    EXPECT_THROW(CNameResolver::resolveProgram("10", PROGRAMS), CRenderError);
    EXPECT_THROW(CNameResolver::resolveProgram("-1", PROGRAMS), CRenderError);
    EXPECT_THROW(CNameResolver::resolveProgram("Soft", PROGRAMS), CRenderError);
    EXPECT_THROW(CNameResolver::resolveProgram("", PROGRAMS), CRenderError);
}

TEST(NameResolver, ParametersByIndexOrNameWithTheSharedNameMeaningTheFirst)
{
    EXPECT_EQ(CNameResolver::resolveParameter("Threshold", PARAMETERS), 1);
    EXPECT_EQ(CNameResolver::resolveParameter("threshold", PARAMETERS), 1);
    EXPECT_EQ(CNameResolver::resolveParameter("18", PARAMETERS), 18);
    EXPECT_EQ(CNameResolver::resolveParameter("limitceil", PARAMETERS), 19);
    EXPECT_EQ(CNameResolver::resolveParameter("Valve Modelling", PARAMETERS), 14);
    EXPECT_EQ(CNameResolver::resolveParameter("mid/side", PARAMETERS), 15);
    EXPECT_THROW(CNameResolver::resolveParameter("20", PARAMETERS), CRenderError);
    EXPECT_THROW(CNameResolver::resolveParameter("Knee", PARAMETERS), CRenderError);
    EXPECT_THROW(CNameResolver::resolveParameter("1.5", PARAMETERS), CRenderError);
    // An exact spelling beats a case-insensitive one.
    EXPECT_EQ(CNameResolver::resolveParameter("mix", {"MIX", "mix"}), 1);
    try {
        CNameResolver::resolveParameter("Knee", PARAMETERS);
    } catch (const CRenderError& error) {
        EXPECT_NE(std::string(error.what()).find("Soft-Knee"), std::string::npos) << "lists the choices";
    }
}
