#include "CRenderError.hpp"
#include "CRenderer.hpp"
#include "IEffectSession.hpp"
#include "RenderTestSupport.hpp"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <string>
#include <vector>

using namespace Tenvira::Render;
using RenderTest::CScratchFolder;
using RenderTest::SSound;

namespace {

// An effect that delays the main pair by a latency it reports only after resume,
// adds the key pair times keyGain, and records every call.
class CRecordingSession : public IEffectSession {
public:
    int latencyAfterResume = 23;
    float keyGain = 0.0f;
    std::vector<std::string> calls;
    std::vector<int> blocks;

    int numInputs() const override { return 4; }
    int numOutputs() const override { return 2; }
    int numParameters() const override { return 3; }
    int numPrograms() const override { return 2; }
    std::string parameterName(int index) override { return index == 1 ? "Mix" : "Threshold"; }
    std::string programName(int index) override { return index == 0 ? "Plain" : "Loud"; }

    void setSampleRate(double rate) override { calls.push_back("rate " + std::to_string(static_cast<int>(rate))); }
    void setBlockSize(int size) override { calls.push_back("block " + std::to_string(size)); }
    void setProgram(int index) override { calls.push_back("program " + std::to_string(index)); }
    void setParameter(int index, float value) override
    {
        calls.push_back("set " + std::to_string(index) + " " + std::to_string(value).substr(0, 4));
    }
    float getParameter(int) override { return 0.0f; }
    void resume() override
    {
        calls.push_back("resume");
        m_latency = latencyAfterResume;
        m_history.assign(2, std::vector<float>(static_cast<std::size_t>(m_latency), 0.0f));
    }
    void suspend() override { calls.push_back("suspend"); }
    int latency() override { return m_latency; }
    void process(float** inputs, float** outputs, int frames) override
    {
        if (calls.empty() || calls.back() != "process")
            calls.push_back("process");
        blocks.push_back(frames);
        for (int c = 0; c < 2; ++c) {
            std::vector<float>& history = m_history[static_cast<std::size_t>(c)];
            for (int i = 0; i < frames; ++i) {
                history.push_back(inputs[c][i]);
                outputs[c][i] = history.front() + keyGain * inputs[2 + c][i];
                history.erase(history.begin());
            }
        }
    }
    void close() override { calls.push_back("close"); }

private:
    int m_latency = 4096;
    std::vector<std::vector<float>> m_history;
};

SRenderOptions optionsFor(const CScratchFolder& folder)
{
    SRenderOptions options;
    options.input = folder.path("in.wav");
    options.output = folder.path("out.wav");
    options.progress = false;
    return options;
}

} // namespace

TEST(Renderer, DrivesTheEffectInHostOrderWithShortLastBlock)
{
    CScratchFolder folder;
    RenderTest::writeSound(folder.path("in.wav"), RenderTest::makeSignal(48000, 2, 1000, SF_FORMAT_WAV | SF_FORMAT_FLOAT));
    SRenderOptions options = optionsFor(folder);
    options.blockSize = 300;
    options.program = "loud";
    options.settings = {{"mix", 0.25f}, {"0", 1.0f}};
    CRecordingSession session;
    const SRenderResult result = CRenderer(session, options, nullptr).run();

    const std::vector<std::string> expected{"rate 48000", "block 300", "program 1", "set 1 0.25", "set 0 1.00",
                                            "resume",     "process",   "suspend",   "close"};
    EXPECT_EQ(session.calls, expected);
    // 1000 frames plus 23 of latency: three full blocks and a short one.
    EXPECT_EQ(session.blocks, (std::vector<int>{300, 300, 300, 123}));
    EXPECT_EQ(result.latency, 23) << "the latency is read after resume";
    EXPECT_EQ(result.program, 1);
    EXPECT_EQ(result.programName, "Loud");
    EXPECT_EQ(result.frames, 1000);
}

TEST(Renderer, OutputKeepsTheInputLengthAlignedOrNot)
{
    CScratchFolder folder;
    const SSound input = RenderTest::makeSignal(44100, 2, 5000, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    RenderTest::writeSound(folder.path("in.wav"), input);

    for (const bool align : {false, true}) {
        SRenderOptions options = optionsFor(folder);
        options.align = align;
        options.blockSize = 512;
        CRecordingSession session;
        const SRenderResult result = CRenderer(session, options, nullptr).run();
        const SSound output = RenderTest::readSound(folder.path("out.wav"));
        ASSERT_EQ(output.frames(), input.frames()) << "align " << align;
        ASSERT_EQ(output.channels, 2);
        EXPECT_EQ(output.format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        const long shift = align ? 0 : result.latency;
        for (long i = 0; i < output.frames(); ++i) {
            for (int c = 0; c < 2; ++c) {
                const float wanted = i < shift ? 0.0f : input.at(i - shift, c);
                ASSERT_EQ(output.at(i, c), wanted) << "frame " << i << " align " << align;
            }
        }
        EXPECT_EQ(result.alignedOutput.windowRms(), result.input.windowRms());
        EXPECT_NEAR(CLevelTrack::largestGainReduction(result.input, result.alignedOutput), 0.0, 1e-9);
    }
}

TEST(Renderer, MonoInputAndShorterMonoKeyFeedTheirPairs)
{
    CScratchFolder folder;
    const SSound input = RenderTest::makeSignal(22050, 1, 700, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    SSound key = RenderTest::makeSignal(22050, 1, 300, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    RenderTest::writeSound(folder.path("in.wav"), input);
    RenderTest::writeSound(folder.path("key.wav"), key);
    SRenderOptions options = optionsFor(folder);
    options.sidechain = folder.path("key.wav");
    options.blockSize = 128;
    options.align = true;
    CRecordingSession session;
    session.latencyAfterResume = 0;
    session.keyGain = 1.0f;
    CRenderer(session, options, nullptr).run();

    const SSound output = RenderTest::readSound(folder.path("out.wav"));
    ASSERT_EQ(output.frames(), 700);
    for (long i = 0; i < 700; ++i) {
        const float wanted = input.at(i, 0) + (i < 300 ? key.at(i, 0) : 0.0f);
        ASSERT_EQ(output.at(i, 0), wanted) << i;
        ASSERT_EQ(output.at(i, 1), wanted) << i;
    }
}

TEST(Renderer, FailuresLeaveNoFileAndCloseTheEffect)
{
    CScratchFolder folder;
    RenderTest::writeSound(folder.path("in.wav"), RenderTest::makeSignal(44100, 2, 100, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    RenderTest::writeSound(folder.path("key.wav"), RenderTest::makeSignal(48000, 2, 100, SF_FORMAT_WAV | SF_FORMAT_PCM_16));

    struct SCase {
        const char* what;
        void (*change)(SRenderOptions&, const CScratchFolder&);
    };
    const SCase cases[] = {
        {"unknown program", [](SRenderOptions& o, const CScratchFolder&) { o.program = "Quiet"; }},
        {"unknown parameter", [](SRenderOptions& o, const CScratchFolder&) { o.settings = {{"Knee", 0.5f}}; }},
        {"key at another rate", [](SRenderOptions& o, const CScratchFolder& f) { o.sidechain = f.path("key.wav"); }},
        {"output is the input", [](SRenderOptions& o, const CScratchFolder& f) { o.output = f.path("in.wav"); }},
        {"missing input", [](SRenderOptions& o, const CScratchFolder& f) { o.input = f.path("none.wav"); }},
    };
    for (const SCase& c : cases) {
        SRenderOptions options = optionsFor(folder);
        c.change(options, folder);
        CRecordingSession session;
        EXPECT_THROW(CRenderer(session, options, nullptr).run(), CRenderError) << c.what;
        EXPECT_EQ(session.calls.back(), "close") << c.what;
        EXPECT_EQ(std::count(session.calls.begin(), session.calls.end(), "process"), 0) << c.what;
        EXPECT_FALSE(RenderTest::fileExists(folder.path("out.wav"))) << c.what;
        EXPECT_EQ(folder.entries().size(), 2u) << c.what << ": no part file left";
    }
    EXPECT_EQ(RenderTest::readSound(folder.path("in.wav")).frames(), 100) << "the input survives";
}

TEST(Renderer, StopRequestAbandonsTheRender)
{
    CScratchFolder folder;
    RenderTest::writeSound(folder.path("in.wav"), RenderTest::makeSignal(44100, 2, 4000, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    CRecordingSession session;
    CRenderer::requestStop();
    EXPECT_THROW(CRenderer(session, optionsFor(folder), nullptr).run(), CRenderError);
    CRenderer::clearStop();
    EXPECT_EQ(session.calls.back(), "close");
    EXPECT_NE(std::find(session.calls.begin(), session.calls.end(), "suspend"), session.calls.end());
    EXPECT_EQ(folder.entries().size(), 1u);
}
