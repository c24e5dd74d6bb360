// End-to-end runs of the tenvira-render executable: against a stand-in plug-in
// with an exact, known delay, and against the built Tenvira plug-in when present.

#include "RenderTestSupport.hpp"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

using RenderTest::CScratchFolder;
using RenderTest::makeSignal;
using RenderTest::runRenderer;
using RenderTest::SRun;
using RenderTest::SSound;
using RenderTest::writeSound;

namespace {

const std::string FAKE = TENVIRA_FAKE_PLUGIN;
const std::string REAL = TENVIRA_PLUGIN;
constexpr long FAKE_LATENCY = 37;
constexpr int WAV16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
constexpr int WAVF = SF_FORMAT_WAV | SF_FORMAT_FLOAT;

std::string describe(const SRun& run)
{
    return "status " + std::to_string(run.status) + "\n" + run.err;
}

bool isPng(const std::string& path)
{
    return RenderTest::readText(path).compare(1, 3, "PNG") == 0;
}

}  // namespace

TEST(RenderCli, BadRequestsFailWithoutLeavingAnOutput)
{
    CScratchFolder folder;
    const std::string in = folder.path("in.wav");
    const std::string out = folder.path("out.wav");
    writeSound(in, makeSignal(44100, 2, 2000, WAV16));
    writeSound(folder.path("three.wav"), makeSignal(44100, 3, 100, WAV16));
    writeSound(folder.path("key.wav"), makeSignal(44100, 1, 2000, WAV16));
    std::ofstream(folder.path("text.wav")) << "not audio at all";
    std::ofstream(folder.path("junk.so")) << "not a library";

    // One request per way of failing; the parser's and the name resolver's cases are their own tests'.
    struct SCase {
        std::vector<std::string> arguments;
        int status;
        const char* message;
    };
    const std::vector<SCase> cases = {
        {{folder.path("missing.wav"), out}, 1, "cannot read input"},
        {{folder.path("text.wav"), out}, 1, "cannot read input"},
        {{folder.path("three.wav"), out}, 1, "3 channels"},
        {{"--sidechain", folder.path("missing.wav"), in, out}, 1, "side-chain"},
        {{"--program", "10", in, out}, 1, "unknown program"},
        {{"--set", "20=0.5", in, out}, 1, "unknown parameter"},
        {{"--set", "Mix=lots", in, out}, 2, "not a number"},
        {{"--plugin", folder.path("junk.so"), in, out}, 1, "cannot load the plug-in"},
        {{in, in}, 1, "is the input"},
        {{in, folder.path(".") + "/in.wav"}, 1, "is the input"},
        {{"--plot", folder.path(".") + "/out.wav", in, out}, 1, "would overwrite"},
        {{"--sidechain", folder.path("key.wav"), "--plot", folder.path("key.wav"), in, out}, 1, "would overwrite"},
        {{in}, 2, "missing output"},
    };
    for (const SCase& c : cases) {
        std::vector<std::string> arguments{"--plugin", FAKE};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const SRun run = runRenderer(arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments[0] << "\n" << describe(run);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(RenderTest::fileExists(out)) << c.arguments[0];
        EXPECT_EQ(folder.entries().size(), 5u) << c.arguments[0] << ": nothing new in the folder";
    }
    EXPECT_EQ(RenderTest::readSound(in).frames(), 2000);
}

TEST(RenderCli, MonoAndStereoRoundTripAtTheirRatesAndFormats)
{
    CScratchFolder folder;
    struct SCase {
        int rate, channels, format;
        const char* in;
        const char* out;
        int outFormat;
    };
    const SCase cases[] = {
        {44100, 2, SF_FORMAT_WAV | SF_FORMAT_FLOAT, "s.wav", "s-out.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
        {48000, 1, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "m.flac", "m-out.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {32000, 1, SF_FORMAT_AIFF | SF_FORMAT_PCM_24, "m.aiff", "m-out.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
    };
    for (const SCase& c : cases) {
        const SSound input = writeSound(folder.path(c.in), makeSignal(c.rate, c.channels, 3001, c.format));
        const SRun run = runRenderer({"--plugin", FAKE, "--block", "256", folder.path(c.in), folder.path(c.out)});
        ASSERT_EQ(run.status, 0) << describe(run);
        const SSound output = RenderTest::readSound(folder.path(c.out));
        EXPECT_EQ(output.sampleRate, c.rate);
        EXPECT_EQ(output.channels, 2);
        EXPECT_EQ(output.format, c.outFormat) << c.out;
        EXPECT_EQ(output.frames(), 3001);
        // Unaligned: the effect's delay shows; a mono input reaches both outputs.
        const float tolerance = (c.format & SF_FORMAT_SUBMASK) == SF_FORMAT_FLOAT ? 0.0f : 1e-4f;
        for (long i = FAKE_LATENCY; i < output.frames(); i += 97) {
            EXPECT_NEAR(output.at(i, 0), input.at(i - FAKE_LATENCY, 0), tolerance) << c.in << " " << i;
            EXPECT_NEAR(output.at(i, 1), input.at(i - FAKE_LATENCY, c.channels - 1), tolerance) << c.in << " " << i;
        }
        EXPECT_NE(run.out.find("latency: 37 samples"), std::string::npos) << run.out;
    }
}

TEST(RenderCli, AlignCompensatesTheLatencyReportedAfterResume)
{
    CScratchFolder folder;
    const SSound input = writeSound(folder.path("in.wav"), makeSignal(44100, 2, 4321, WAVF));
    for (const char* block : {"1", "64", "4096"}) {
        const SRun run = runRenderer({"--plugin", FAKE, "--align", "--block", block, "--set", "Master=0.5",
                                      folder.path("in.wav"), folder.path("out.wav")});
        ASSERT_EQ(run.status, 0) << describe(run);
        const SSound output = RenderTest::readSound(folder.path("out.wav"));
        ASSERT_EQ(output.frames(), input.frames());
        EXPECT_EQ(output.samples, input.samples) << "block " << block;
        EXPECT_NE(run.out.find("largest gain reduction: 0.00 dB"), std::string::npos) << run.out;
    }
}

TEST(RenderCli, HostOrderProgramsParametersAndSideChainReachThePlugin)
{
    CScratchFolder folder;
    writeSound(folder.path("in.wav"), makeSignal(44100, 2, 1000, WAVF));
    const SSound key = writeSound(folder.path("key.wav"), makeSignal(44100, 1, 600, WAVF));
    const std::string log = folder.path("calls.log");
    const SRun run = runRenderer(
        {"--plugin", FAKE, "--program", "GUITAR", "--set", "threshold=0.25", "--set", "18=0.75", "--set", "Monitor=1",
         "--block", "400", "--sidechain", folder.path("key.wav"), folder.path("in.wav"), folder.path("out.wav")},
        {{"TENVIRA_FAKE_PLUGIN_LOG", log}});
    ASSERT_EQ(run.status, 0) << describe(run);

    // Monitoring the key: the padded mono key on both outputs, undelayed.
    const SSound output = RenderTest::readSound(folder.path("out.wav"));
    ASSERT_EQ(output.frames(), 1000);
    for (long i = 0; i < 1000; ++i) {
        const float wanted = i < 600 ? key.at(i, 0) : 0.0f;
        ASSERT_EQ(output.at(i, 0), wanted) << i;
        ASSERT_EQ(output.at(i, 1), wanted) << i;
    }
    const std::string expected =
        "open 0\nrate 44100\nblock 400\nprogram 4\nset 1 0.250000\nset 18 0.750000\n"
        "set 10 1.000000\nresume 0\nprocess 400\nprocess 400\nprocess 237\nsuspend 0\n"
        "close 0\n";
    EXPECT_EQ(RenderTest::readText(log), expected);
    EXPECT_NE(run.out.find("program 4 \"Guitar\""), std::string::npos) << run.out;
}

TEST(RenderCli, DemoWritesInputOutputAndPlot)
{
    CScratchFolder folder;
    const std::string demo = folder.path("nested/demo");
    const SRun run = runRenderer({"--plugin", FAKE, "--demo-dir", demo});
    ASSERT_EQ(run.status, 0) << describe(run);
    const SSound input = RenderTest::readSound(demo + "/input.wav");
    const SSound output = RenderTest::readSound(demo + "/output.wav");
    EXPECT_EQ(input.frames(), output.frames());
    EXPECT_GT(input.frames(), 8 * 44100);
    EXPECT_TRUE(isPng(demo + "/levels.png"));
    EXPECT_NE(run.out.find(demo), std::string::npos) << "says where the files are";
    EXPECT_NE(run.out.find("program 5 \"Bass\""), std::string::npos) << run.out;
    // With the stand-in's exact delay compensated, the output is the input.
    EXPECT_EQ(output.samples, input.samples);

    // --plot on a file render; the picture needs its audio, so both are written.
    const SRun plotted =
        runRenderer({"--plugin", FAKE, "--plot", folder.path("p.png"), demo + "/input.wav", folder.path("o.wav")});
    ASSERT_EQ(plotted.status, 0) << describe(plotted);
    EXPECT_TRUE(isPng(folder.path("p.png")));
    const SRun badPlot = runRenderer(
        {"--plugin", FAKE, "--plot", folder.path("none/p.png"), demo + "/input.wav", folder.path("o2.wav")});
    EXPECT_EQ(badPlot.status, 1);
    EXPECT_FALSE(RenderTest::fileExists(folder.path("o2.wav")));
}

// The built plug-in: program 0 (compressor and limiter off, everything centred) passes the signal
// unchanged with the compressor's threshold at the top and any limiter threshold, so an aligned
// render must give the input back exactly.
TEST(RenderCliWithTenvira, NeutralRenderAlignsToTheReportedLatencyAndNamesGoToTheirParameters)
{
    if (!RenderTest::fileExists(REAL))
        GTEST_SKIP() << "the plug-in is not built: " << REAL;
    CScratchFolder folder;
    const SSound input = writeSound(folder.path("in.wav"), makeSignal(44100, 2, 20000, WAVF));
    // "Threshold" means the compressor's, index 18 the limiter's.
    const SRun run = runRenderer({"--plugin", REAL, "--program", "default", "--align", "--block", "300", "--set",
                                  "Threshold=1", "--set", "18=0.9", folder.path("in.wav"), folder.path("out.wav")});
    ASSERT_EQ(run.status, 0) << describe(run);
    EXPECT_NE(run.out.find("program 0 \"Default\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("parameter 1 \"Threshold\" = 1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("parameter 18 \"Threshold\" = 0.9"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("latency: 0 "), std::string::npos) << "a delay to compensate: " << run.out;
    EXPECT_EQ(RenderTest::readSound(folder.path("out.wav")).samples, input.samples) << run.out;
}
