// The generated pictures: present after the build, at the sizes the editor's layout needs,
// with transparency where controls sit on the panel, and drawn the way the controls use them.
#include "CArtworkLayout.hpp"
#include "CArtworkWriter.hpp"
#include "CTestImage.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace Corvane::CorGain::Artwork;
using L = CArtworkLayout;

TEST(ArtworkFiles, PicturesHaveTheSizesTheLayoutNeedsAndControlsAreTransparentAroundTheirShape)
{
    // The editor takes K as the knob strip's width by its height / 63. The splash is shown
    // centred on the screen: it must fit a small laptop screen.
    const struct {
        const char* name;
        int width;
        int height;
        bool control;
    } pictures[] = {
        {"Background.png", 463, 465, false},
        {"knob.png", L::CARTWORKLAYOUT_KNOB_SIZE, 63 * L::CARTWORKLAYOUT_KNOB_SIZE, true},
        {"buttonUp.png", L::CARTWORKLAYOUT_BUTTON_WIDTH, L::CARTWORKLAYOUT_BUTTON_HEIGHT, true},
        {"buttonDown.png", L::CARTWORKLAYOUT_BUTTON_WIDTH, L::CARTWORKLAYOUT_BUTTON_HEIGHT, true},
        {"infopro.png", L::CARTWORKLAYOUT_INFO_WIDTH, L::CARTWORKLAYOUT_INFO_HEIGHT, true},
        {"splash.png", 0, 0, false},
    };
    std::vector<std::string> names;
    for (const auto& picture : pictures) {
        names.emplace_back(picture.name);
        CTestImage image(artworkPath(picture.name));
        ASSERT_TRUE(image.isLoaded()) << picture.name;
        if (picture.width > 0) {
            EXPECT_EQ(image.width(), picture.width) << picture.name;
            EXPECT_EQ(image.height(), picture.height) << picture.name;
        } else {
            EXPECT_TRUE(image.width() > 200 && image.width() <= 1024 && image.height() > 100 && image.height() <= 600);
        }
        // Panels are opaque; controls show the panel around their shape and are solid in the middle.
        EXPECT_EQ(image.hasAlpha(), picture.control) << picture.name;
        if (picture.control) {
            EXPECT_LT(image.pixel(0, 0).getAlpha(), 100U) << picture.name;
            EXPECT_LT(image.pixel(image.width() - 1, 0).getAlpha(), 100U) << picture.name;
            EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2 - 1).getAlpha(), 255U) << picture.name;
        }
    }
    EXPECT_EQ(CArtworkWriter::fileNames(), names);
}

TEST(KnobStrip, PointerSweepsTheTravelFromTopFrameToLastFrameOneStepPerFrame)
{
    CTestImage knob(artworkPath("knob.png"));
    ASSERT_TRUE(knob.isLoaded());
    const int k = knob.width();
    // The first frame points at the start of the travel (lower left), the last at its end
    // (lower right), the middle one straight up; every frame turned further than the one before.
    double previous = -180.0;
    for (int frame = 0; frame < 63; ++frame) {
        const double direction = knob.brightestDirection(k / 2.0, frame * k + k / 2.0, 4.0, 9.5);
        EXPECT_NEAR(direction, -135.0 + 270.0 * frame / 62.0, 3.0) << "frame " << frame;
        EXPECT_GT(direction, previous) << "frame " << frame;
        previous = direction;
        // Transparent corners in every frame, so the panel shows around the knob.
        EXPECT_EQ(knob.pixel(0, frame * k).getAlpha(), 0U) << "frame " << frame;
        EXPECT_EQ(knob.pixel(k - 1, frame * k + k - 1).getAlpha(), 0U) << "frame " << frame;
    }
}

TEST(SwitchButtons, LitLampReadsAtAGlanceAgainstTheUnlitOne)
{
    CTestImage up(artworkPath("buttonUp.png"));
    CTestImage down(artworkPath("buttonDown.png"));
    ASSERT_TRUE(up.isLoaded() && down.isLoaded());
    // The lamp: the middle of the key, away from the rim's highlight.
    double brightestUp = 0.0;
    double brightestDown = 0.0;
    for (int y = up.height() / 3; y < 2 * up.height() / 3; ++y) {
        for (int x = up.width() / 3; x < 2 * up.width() / 3; ++x) {
            brightestUp = std::max(brightestUp, up.luminance(x, y));
            brightestDown = std::max(brightestDown, down.luminance(x, y));
        }
    }
    EXPECT_LT(brightestUp, 0.1);
    EXPECT_GT(brightestDown, 0.6);
    // The lamp sits in the middle of the key.
    EXPECT_GT(down.luminance(down.width() / 2, down.height() / 2), 0.4);
    EXPECT_LT(up.luminance(up.width() / 2, up.height() / 2), 0.05);
}

TEST(InfoButton, LightFaceStandsOutFromThePanelCornerAndCarriesBlackText)
{
    CTestImage info(artworkPath("infopro.png"));
    CTestImage background(artworkPath("Background.png"));
    ASSERT_TRUE(info.isLoaded() && background.isLoaded());
    // The editor centres "info" over the button: the middle must be light enough for black text.
    const int w = info.width();
    const int h = info.height();
    for (int y = h / 2 - 4; y <= h / 2 + 4; ++y) {
        for (int x = w / 2 - 10; x <= w / 2 + 10; ++x) {
            EXPECT_GT(info.luminance(x, y), 0.4) << x << "," << y;
            EXPECT_GT(info.luminance(x, y) - background.luminance(x, y), 0.3) << x << "," << y;
        }
    }
}
