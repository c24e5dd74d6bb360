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

TEST(LevelTrack, PeakRmsAndWindowsOfKnownSignalsWhateverTheBlocks)
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

    EXPECT_NEAR(CLevelTrack::toDecibels(0.5), -6.0206, 1e-4);
    EXPECT_TRUE(std::isinf(CLevelTrack::toDecibels(0.0)));

    // Block boundaries do not change the envelope.
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
    // 400 frames in windows of 100: `first` for 200 frames, then `then`.
    auto levels = [](float first, float then) {
        CLevelTrack track(100);
        std::vector<float> samples(400, first);
        std::fill(samples.begin() + 200, samples.end(), then);
        track.add(samples.data(), samples.data(), 400);
        return track;
    };
    const CLevelTrack input = levels(0.5f, 0.5f);
    EXPECT_NEAR(CLevelTrack::largestGainReduction(input, levels(0.5f, 0.25f)), 20 * std::log10(2.0), 1e-5);
    // Louder output is no reduction; a quiet input below the floor is ignored.
    EXPECT_DOUBLE_EQ(CLevelTrack::largestGainReduction(levels(0.5f, 0.25f), input), 0.0);
    EXPECT_DOUBLE_EQ(CLevelTrack::largestGainReduction(levels(1e-5f, 1e-5f), levels(0.0f, 0.0f)), 0.0);
    // A silenced live input is a finite, large reduction.
    const double dropped = CLevelTrack::largestGainReduction(input, levels(0.0f, 0.0f));
    EXPECT_TRUE(std::isfinite(dropped));
    EXPECT_GT(dropped, 60.0);
}

TEST(OutputFormat, KeepsTheInputFormatOrFollowsTheExtension)
{
    struct SCase {
        int input;
        const char* name;
        int wanted;
    };
    const SCase cases[] = {
        {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "out.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {SF_FORMAT_WAV | SF_FORMAT_FLOAT, "out", SF_FORMAT_WAV | SF_FORMAT_FLOAT},
        // FLAC cannot hold floats: the named container with 24-bit samples.
        {SF_FORMAT_WAV | SF_FORMAT_FLOAT, "dir.x/out.FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
        {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, "out.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
        {SF_FORMAT_WAV | SF_FORMAT_PCM_16, "out.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
        // Nothing writable as stereo falls back to 24-bit WAV.
        {SF_FORMAT_WAV | SF_FORMAT_GSM610, "out.raw.unknown", SF_FORMAT_WAV | SF_FORMAT_PCM_24},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(COutputFormat::choose(c.input, c.name, 44100), c.wanted) << c.name;
    EXPECT_EQ(COutputFormat::containerForExtension("a.b/noextension"), 0);
}

TEST(AudioFileWriter, ResultAppearsOnlyOnCommit)
{
    CScratchFolder folder;
    const std::string path = folder.path("out.wav");
    std::vector<float> left{0.1f, 0.2f, 0.3f};
    std::vector<float> right{-0.1f, 2.0f, -3.0f};
    for (const bool commit : {false, true}) {
        {
            CAudioFileWriter writer(path, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050);
            writer.write(left.data(), right.data(), 3);
            EXPECT_FALSE(RenderTest::fileExists(path));
            EXPECT_EQ(folder.entries().size(), 1u) << "only the hidden part file";
            if (commit)
                writer.commit();
        }
        // An abandoned write leaves nothing behind.
        EXPECT_EQ(folder.entries(), commit ? std::vector<std::string>{"out.wav"} : std::vector<std::string>{});
    }
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

TEST(DemoSignal, RepeatableDrumAndBassWithLoudPeaksAndQuieterBody)
{
    const CDemoSignal demo(44100);
    const CDemoSignal again(44100);
    EXPECT_EQ(demo.left(), again.left());
    EXPECT_NEAR(demo.left().size() / 44100.0, 9.0, 1.0);
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
        std::string text(static_cast<std::size_t>(std::ftell(stream)), '\0');
        std::rewind(stream);
        text.resize(std::fread(&text[0], 1, text.size(), stream));
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
