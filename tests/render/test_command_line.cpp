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

TEST(CommandLine, ValuesMustBeNumbersWithinZeroToOne)
{
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("0", "v"), 0.0f);
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("1", "v"), 1.0f);
    EXPECT_FLOAT_EQ(CCommandLine::parseNormalised("5e-1", "v"), 0.5f);
    for (const char* bad : {"", "abc", "0.5x", "nan", "inf", "-0.01", "1.0001", "1e999", " "})
        EXPECT_THROW(CCommandLine::parseNormalised(bad, "v"), CUsageError) << bad;
    // The last '=' separates the value, so a name may not hide a bad value.
    for (const char* bad : {"Mix", "=0.5", "Mix=", "Mix=0.5=2"})
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
