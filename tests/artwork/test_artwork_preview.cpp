// The preview command composes the editor from the built pictures at the table's positions.
#include "CArtworkLayout.hpp"
#include "CTestImage.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Corvane::CorGain::Artwork;
using L = CArtworkLayout;

namespace {

int runPreview(const std::string& arguments)
{
    const std::string command = std::string("\"") + TENVIRA_ARTWORK_PREVIEW + "\" " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string previewAt(const char* value)
{
    const std::string path = ::testing::TempDir() + "artwork-preview-" + value + ".png";
    std::remove(path.c_str());
    const int status = runPreview("\"" + path + "\" --value " + value + " --resources \"" + TENVIRA_ARTWORK_DIR + "\"");
    EXPECT_EQ(status, 0);
    return path;
}

}  // namespace

TEST(ArtworkPreview, EveryKnobPointsAtTheChosenValueAtItsPlace)
{
    for (const char* value : {"0", "1"}) {
        CTestImage preview(previewAt(value));
        ASSERT_TRUE(preview.isLoaded()) << value;
        EXPECT_EQ(preview.width(), 463);
        EXPECT_EQ(preview.height(), 465);
        const double expected = value[0] == '0' ? -135.0 : 135.0;
        for (std::size_t i = 0; i < L::controlCount(); ++i) {
            const SControlPlacement& c = L::controls()[i];
            if (c.kind != EControlKind::Knob) {
                continue;
            }
            const SRectangle area = L::controlArea(c);
            const double direction =
                preview.brightestDirection(area.left + area.width / 2.0, area.top + area.height / 2.0, 4.0, 9.5);
            EXPECT_NEAR(direction, expected, 3.0) << "knob " << c.id << " at value " << value;
        }
    }
}

TEST(ArtworkPreview, MeterLightsHalfItsSegmentsFromTheBottomAndLabelsShowBlackText)
{
    CTestImage preview(previewAt("0.5"));
    CTestImage background(artworkPath("Background.png"));
    ASSERT_TRUE(preview.isLoaded() && background.isLoaded());
    for (int index = 0; index < L::CARTWORKLAYOUT_METER_SEGMENTS; ++index) {
        const SRectangle segment = L::meterSegment(index);
        const bool turquoise = preview.pixel(segment.left + segment.width / 2, segment.top + 1) ==
                               Corvane::GUI::Basics::CAlphaColour(116, 184, 188);
        EXPECT_EQ(turquoise, index < 25) << "segment " << index;
    }
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& c = L::controls()[i];
        if (!c.hasLabel) {
            continue;
        }
        const SRectangle label = L::labelArea(c);
        int blackInPreview = 0;
        int blackInPanel = 0;
        for (int y = label.top; y < label.bottom(); ++y) {
            for (int x = label.left; x < std::min(label.right(), L::CARTWORKLAYOUT_PANEL_WIDTH); ++x) {
                blackInPreview += preview.luminance(x, y) < 0.02 ? 1 : 0;
                blackInPanel += background.luminance(x, y) < 0.02 ? 1 : 0;
            }
        }
        EXPECT_GT(blackInPreview, blackInPanel + 10) << "label of control " << c.id;
    }
}

TEST(ArtworkPreview, FailsLoudlyOnMissingPicturesOrABadValue)
{
    const std::string out = ::testing::TempDir() + "artwork-preview-fail.png";
    EXPECT_EQ(runPreview("\"" + out + "\" --resources /nonexistent-artwork-folder"), 1);
    EXPECT_EQ(runPreview("\"" + out + "\" --value 1.5"), 2);
    EXPECT_EQ(runPreview("\"" + out + "\" --value abc"), 2);
    EXPECT_EQ(runPreview(""), 2);
}
