// The generated pictures: present after the build, at the sizes the editor's layout needs,
// with transparency where controls sit on the panel, and drawn the way the controls use them.
#include "CArtworkLayout.hpp"
#include "CArtworkWriter.hpp"
#include "CTestImage.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace Corvane::CorGain::Artwork;
using L = CArtworkLayout;

TEST(ArtworkFiles, TheSixPicturesExistWithTheSizesTheLayoutNeeds)
{
    const std::vector<std::string> expected = {"Background.png", "knob.png",    "buttonUp.png",
                                               "buttonDown.png", "infopro.png", "splash.png"};
    EXPECT_EQ(CArtworkWriter::fileNames(), expected);

    CTestImage background(artworkPath("Background.png"));
    ASSERT_TRUE(background.isLoaded());
    EXPECT_EQ(background.width(), 463);
    EXPECT_EQ(background.height(), 465);

    // The editor takes K as the strip's width by its height / 63.
    CTestImage knob(artworkPath("knob.png"));
    ASSERT_TRUE(knob.isLoaded());
    EXPECT_EQ(knob.width(), L::CARTWORKLAYOUT_KNOB_SIZE);
    EXPECT_EQ(knob.height() % 63, 0);
    EXPECT_EQ(knob.height() / 63, knob.width());

    CTestImage up(artworkPath("buttonUp.png"));
    CTestImage down(artworkPath("buttonDown.png"));
    ASSERT_TRUE(up.isLoaded() && down.isLoaded());
    EXPECT_EQ(up.width(), down.width());
    EXPECT_EQ(up.height(), down.height());
    EXPECT_EQ(down.width(), L::CARTWORKLAYOUT_BUTTON_WIDTH);
    EXPECT_EQ(down.height(), L::CARTWORKLAYOUT_BUTTON_HEIGHT);

    CTestImage info(artworkPath("infopro.png"));
    ASSERT_TRUE(info.isLoaded());
    EXPECT_EQ(info.width(), L::CARTWORKLAYOUT_INFO_WIDTH);
    EXPECT_EQ(info.height(), L::CARTWORKLAYOUT_INFO_HEIGHT);

    // The splash is shown centred on the screen: it must fit a small laptop screen.
    CTestImage splash(artworkPath("splash.png"));
    ASSERT_TRUE(splash.isLoaded());
    EXPECT_GT(splash.width(), 200);
    EXPECT_LE(splash.width(), 1024);
    EXPECT_GT(splash.height(), 100);
    EXPECT_LE(splash.height(), 600);
}

TEST(ArtworkFiles, ControlPicturesAreTransparentAroundTheirShapeAndPanelsAreOpaque)
{
    CTestImage knob(artworkPath("knob.png"));
    CTestImage up(artworkPath("buttonUp.png"));
    CTestImage down(artworkPath("buttonDown.png"));
    CTestImage info(artworkPath("infopro.png"));
    for (const CTestImage* image : {&knob, &up, &down, &info}) {
        ASSERT_TRUE(image->isLoaded());
        EXPECT_TRUE(image->hasAlpha());
        EXPECT_LT(image->pixel(0, 0).alpha, 100);
        EXPECT_LT(image->pixel(image->width() - 1, 0).alpha, 100);
        EXPECT_EQ(image->pixel(image->width() / 2, image->height() / 2 - 1).alpha, 255);
    }
    // Every frame of the strip has transparent corners, so the panel shows around the knob.
    const int k = knob.width();
    for (int frame = 0; frame < 63; ++frame) {
        EXPECT_EQ(knob.pixel(0, frame * k).alpha, 0) << "frame " << frame;
        EXPECT_EQ(knob.pixel(k - 1, frame * k + k - 1).alpha, 0) << "frame " << frame;
    }

    CTestImage background(artworkPath("Background.png"));
    CTestImage splash(artworkPath("splash.png"));
    EXPECT_FALSE(background.hasAlpha());
    EXPECT_FALSE(splash.hasAlpha());
}

TEST(KnobStrip, EveryFrameDiffersFromTheNext)
{
    CTestImage knob(artworkPath("knob.png"));
    ASSERT_TRUE(knob.isLoaded());
    const int k = knob.width();
    for (int frame = 0; frame + 1 < 63; ++frame) {
        int differing = 0;
        for (int y = 0; y < k; ++y) {
            for (int x = 0; x < k; ++x) {
                const CTestImage::SPixel a = knob.pixel(x, frame * k + y);
                const CTestImage::SPixel b = knob.pixel(x, (frame + 1) * k + y);
                if (a.red != b.red || a.green != b.green || a.blue != b.blue || a.alpha != b.alpha) {
                    ++differing;
                }
            }
        }
        EXPECT_GT(differing, 8) << "frames " << frame << " and " << frame + 1;
    }
}

TEST(KnobStrip, PointerSweepsTheTravelFromTopFrameToLastFrame)
{
    CTestImage knob(artworkPath("knob.png"));
    ASSERT_TRUE(knob.isLoaded());
    const double k = knob.width();
    // The first frame points at the start of the travel (lower left), the last at its end
    // (lower right), the middle one straight up; every frame in between in order.
    double previous = -180.0;
    for (int frame = 0; frame < 63; ++frame) {
        const double direction = knob.brightestDirection(k / 2.0, frame * k + k / 2.0, 4.0, 9.5);
        EXPECT_NEAR(direction, -135.0 + 270.0 * frame / 62.0, 3.0) << "frame " << frame;
        EXPECT_GE(direction, previous) << "frame " << frame;
        previous = direction;
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
