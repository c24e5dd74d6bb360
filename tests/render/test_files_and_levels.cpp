#include "CAudioFileReader.hpp"
#include "CAudioFileWriter.hpp"
#include "CDemoSignal.hpp"
#include "CLevelTrack.hpp"
#include "COutputFormat.hpp"
#include "CProgressBar.hpp"
#include "CRenderError.hpp"
#include "RenderTestSupport.hpp"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Tenvira::Render;
using RenderTest::CScratchFolder;

TEST(LevelTrack, PeakRmsAndWindowsOfKnownSignals)
{
    CLevelTrack track(100);
    std::vector<float> left(250, 0.5f);
    std::vector<float> right(250, -0.5f);
    right[7] = -0.75f;
    track.add(left.data(), right.data(), 250);
    track.finish();
    EXPECT_EQ(track.frames(), 250);
    EXPECT_FLOAT_EQ(track.peak(), 0.75);
    ASSERT_EQ(track.windowRms().size(), 3u);  // the partial last window counts
    EXPECT_NEAR(track.windowRms()[1], 0.5, 1e-7);
    EXPECT_NEAR(track.windowPeaks()[0], 0.75, 1e-7);
    EXPECT_NEAR(track.windowPeaks()[2], 0.5, 1e-7);
    EXPECT_NEAR(track.rms(), std::sqrt((499 * 0.25 + 0.5625) / 500.0), 1e-9);

    CLevelTrack sine(441);
    std::vector<float> wave(44100);
    for (std::size_t i = 0; i < wave.size(); ++i)
        wave[i] = static_cast<float>(0.8 * std::sin(6.283185307179586 * 441.0 * i / 44100.0));
    sine.add(wave.data(), wave.data(), 44100);
    EXPECT_NEAR(CLevelTrack::toDecibels(sine.rms()), 20 * std::log10(0.8 / std::sqrt(2.0)), 0.01);
    EXPECT_TRUE(std::isinf(CLevelTrack::toDecibels(0.0)));
}

TEST(LevelTrack, BlockBoundariesDoNotChangeTheEnvelope)
{
    std::vector<float> signal(1000);
    for (std::size_t i = 0; i < signal.size(); ++i)
        signal[i] = static_cast<float>(std::sin(0.05 * i) * (i % 97) / 97.0);
    CLevelTrack whole(64);
    whole.add(signal.data(), signal.data(), 1000);
    whole.finish();
    CLevelTrack pieces(64);
    for (int start = 0, size = 1; start < 1000; start += size, size = size * 3 % 101 + 1)
        pieces.add(signal.data() + start, signal.data() + start, std::min(size, 1000 - start));
    pieces.finish();
    EXPECT_EQ(whole.windowRms(), pieces.windowRms());
    EXPECT_EQ(whole.windowPeaks(), pieces.windowPeaks());
}

TEST(LevelTrack, GainReductionComparesMatchingWindowsAboveTheFloor)
{
    std::vector<float> loud(400, 0.5f);
    std::vector<float> half(400, 0.25f);
    CLevelTrack input(100);
    CLevelTrack output(100);
    input.add(loud.data(), loud.data(), 400);
    output.add(loud.data(), loud.data(), 200);
    output.add(half.data(), half.data(), 200);
    EXPECT_NEAR(CLevelTrack::largestGainReduction(input, output), 20 * std::log10(2.0), 1e-5);
    // Louder output is no reduction; a quiet input below the floor is ignored.
    EXPECT_DOUBLE_EQ(CLevelTrack::largestGainReduction(output, input), 0.0);
    std::vector<float> faint(400, 1e-5f);
    std::vector<float> silence(400, 0.0f);
    CLevelTrack quiet(100);
    CLevelTrack muted(100);
    quiet.add(faint.data(), faint.data(), 400);
    muted.add(silence.data(), silence.data(), 400);
    EXPECT_DOUBLE_EQ(CLevelTrack::largestGainReduction(quiet, muted), 0.0);
    // A silenced live input is a finite, large reduction.
    const double dropped = CLevelTrack::largestGainReduction(input, muted);
    EXPECT_TRUE(std::isfinite(dropped));
    EXPECT_GT(dropped, 60.0);
}

TEST(OutputFormat, KeepsTheInputFormatOrFollowsTheExtension)
{
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "out.flac", 48000),
              SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_WAV | SF_FORMAT_FLOAT, "out", 44100), SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    // FLAC cannot hold floats: the named container with 24-bit samples.
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_WAV | SF_FORMAT_FLOAT, "dir.x/out.FLAC", 44100),
              SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "out.wav", 44100),
              SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_WAV | SF_FORMAT_PCM_16, "out.aiff", 44100),
              SF_FORMAT_AIFF | SF_FORMAT_PCM_16);
    // A container libsndfile cannot write stereo into falls back to 24-bit WAV.
    EXPECT_EQ(COutputFormat::choose(SF_FORMAT_WAV | SF_FORMAT_GSM610, "out.raw.unknown", 44100),
              SF_FORMAT_WAV | SF_FORMAT_PCM_24);
    EXPECT_EQ(COutputFormat::containerForExtension("a.b/noextension"), 0);
}

TEST(AudioFileWriter, ResultAppearsOnlyOnCommit)
{
    CScratchFolder folder;
    const std::string path = folder.path("out.wav");
    std::vector<float> left{0.1f, 0.2f, 0.3f};
    std::vector<float> right{-0.1f, 2.0f, -3.0f};
    {
        CAudioFileWriter writer(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050);
        writer.write(left.data(), right.data(), 3);
        EXPECT_FALSE(RenderTest::fileExists(path));
        EXPECT_EQ(folder.entries().size(), 1u);  // only the hidden part file
    }
    EXPECT_TRUE(folder.entries().empty()) << "an abandoned write leaves nothing";

    {
        CAudioFileWriter writer(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050);
        writer.write(left.data(), right.data(), 3);
        writer.commit();
    }
    ASSERT_EQ(folder.entries(), std::vector<std::string>{"out.wav"});
    const RenderTest::SSound sound = RenderTest::readSound(path);
    EXPECT_EQ(sound.sampleRate, 22050);
    ASSERT_EQ(sound.frames(), 3);
    EXPECT_NEAR(sound.at(1, 0), 0.2f, 1e-4);
    // Beyond full scale clips instead of wrapping round.
    EXPECT_NEAR(sound.at(1, 1), 1.0f, 1e-4);
    EXPECT_NEAR(sound.at(2, 1), -1.0f, 1e-4);

    EXPECT_THROW(CAudioFileWriter(folder.path("missing/out.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100),
                 CRenderError);
}

TEST(AudioFileReader, MonoFeedsBothChannelsAndPadsWithSilence)
{
    CScratchFolder folder;
    RenderTest::SSound mono = RenderTest::makeSignal(8000, 1, 10, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    RenderTest::writeSound(folder.path("m.wav"), mono);
    CAudioFileReader reader(folder.path("m.wav"), "input");
    std::vector<float> left(16, 9.0f);
    std::vector<float> right(16, 9.0f);
    EXPECT_EQ(reader.read(left.data(), right.data(), 16), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(left[i], mono.samples[i]);
        EXPECT_EQ(right[i], mono.samples[i]);
    }
    for (int i = 10; i < 16; ++i) {
        EXPECT_EQ(left[i], 0.0f);
        EXPECT_EQ(right[i], 0.0f);
    }
    EXPECT_EQ(reader.read(left.data(), right.data(), 4), 0);

    RenderTest::writeSound(folder.path("3.wav"), RenderTest::makeSignal(8000, 3, 10, SF_FORMAT_WAV | SF_FORMAT_PCM_16));
    EXPECT_THROW(CAudioFileReader(folder.path("3.wav"), "input"), CRenderError);
    EXPECT_THROW(CAudioFileReader(folder.path("absent.wav"), "input"), CRenderError);
}

TEST(DemoSignal, RepeatableDrumAndBassWithLoudPeaksAndQuieterBody)
{
    const CDemoSignal demo(44100);
    const CDemoSignal again(44100);
    EXPECT_EQ(demo.left(), again.left());
    const double seconds = demo.left().size() / 44100.0;
    EXPECT_GT(seconds, 8.0);
    EXPECT_LT(seconds, 10.0);

    CLevelTrack track(441);
    track.add(demo.left().data(), demo.right().data(), static_cast<int>(demo.left().size()));
    EXPECT_NEAR(track.peak(), CDemoSignal::PEAK, 1e-6);
    // Crest factor of a drum mix: peaks well above the average level.
    EXPECT_GT(CLevelTrack::toDecibels(track.peak()) - CLevelTrack::toDecibels(track.rms()), 9.0);
    // The channels differ (panned hats, snare noise) but both carry the mix.
    EXPECT_NE(demo.left(), demo.right());
}

TEST(ProgressBar, DrawsOnlyWhenEnabledAndEndsItsLine)
{
    auto drawn = [](bool enabled, bool complete) {
        std::FILE* stream = std::tmpfile();
        {
            Tenvira::Render::CProgressBar bar(stream, 1000, 100.0, enabled);
            for (int done = 0; done <= 600; done += 6)
                bar.update(done);
            bar.finish(complete);
            bar.finish(complete);  // a second finish adds nothing
        }
        std::rewind(stream);
        std::string text;
        for (int c = std::fgetc(stream); c != EOF; c = std::fgetc(stream))
            text += static_cast<char>(c);
        std::fclose(stream);
        return text;
    };
    EXPECT_EQ(drawn(false, true), "");
    const std::string complete = drawn(true, true);
    EXPECT_NE(complete.find(" 60%"), std::string::npos);
    EXPECT_NE(complete.find("100%"), std::string::npos);
    EXPECT_EQ(std::count(complete.begin(), complete.end(), '\n'), 1);
    EXPECT_EQ(complete.back(), '\n');
    // One redraw per percent, not per update.
    EXPECT_EQ(std::count(complete.begin(), complete.end(), '\r'), 62);
    const std::string abandoned = drawn(true, false);
    EXPECT_EQ(abandoned.find("100%"), std::string::npos);
    EXPECT_EQ(abandoned.back(), '\n');
}
