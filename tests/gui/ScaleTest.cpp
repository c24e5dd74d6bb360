// Drawing at a screen scale: where logical pixels land on device pixels, rectangles that stay
// crisp and meet without seams at fractional factors, pictures drawn from their larger sets
// (read only when first needed), and the steps the desktop's settings round to.
#include "GuiTestSupport.hpp"

#include "gui/graphics/CDeviceScale.hpp"
#include "gui/graphics/CPNGImage.hpp"
#include "gui/windowing/CScaleFactor.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <unistd.h>

using namespace GuiTests;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Graphics::CBaseImage;
using Corvane::GUI::Graphics::CDeviceScale;
using Corvane::GUI::Graphics::CPNGImage;
using Corvane::GUI::Windowing::CScaleFactor;

namespace {

const double FACTORS[] = {1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// A canvas of the device pixels for a logical size at a factor, its graphics drawing in logical pixels.
class CScaledCanvas {
public:
    CScaledCanvas(long width, long height, double factor)
    {
        const CDimension pixels = CDeviceScale(factor).toDevice(CDimension(width, height));
        m_image = new CRGBAImage(pixels.getWidth(), pixels.getHeight(), false);
        m_image->initialiseGraphics(graphics, factor);
    }
    ~CScaledCanvas() { graphics.uninitialise(); }
    CAlphaColour pixel(long x, long y) const { return m_image->getPixel(x, y); }

    CGraphics graphics;

private:
    TAutomaticPointer<CRGBAImage> m_image;
};

std::string scratchPath(const std::string& name)
{
    return ::testing::TempDir() + "gui_scale_" + std::to_string(getpid()) + "_" + name;
}

// A picture of width x height in one colour, or in bands of one row each when banded.
void writePicture(const std::string& path, long width, long height, const CAlphaColour& colour, bool banded = false)
{
    TAutomaticPointer<CRGBAImage> image;
    image = banded ? bandedImage(width, 1, height, [](long row) { return CAlphaColour(row * 4 % 256, 0, 0); })
                   : swatch(colour, width, height);
    ASSERT_TRUE(image->writeToPNG(path.c_str()));
}

}  // namespace

TEST(DeviceScale, EveryDevicePixelBelongsToTheLogicalPixelDrawnThereAndAreasCoverTheirPixels)
{
    for (double factor : FACTORS) {
        SCOPED_TRACE(factor);
        const CDeviceScale scale(factor);
        for (long device = -40; device < 200; ++device) {
            const long logical = scale.toLogical(device);
            ASSERT_LE(scale.toDevice(logical), device);
            ASSERT_GT(scale.toDevice(logical + 1), device);
        }
        // A logical area and the device pixels it paints map onto each other exactly; any device area is
        // covered by the logical area it maps to.
        for (const CRect& area : {CRect(1, 1, 3, 3), CRect(463, 0, 1, 465), CRect(-7, 5, 20, 1)}) {
            EXPECT_EQ(scale.toLogical(scale.toDevice(area)), area);
        }
        const CRect exposed(3, 7, 5, 2);
        const CRect painted = scale.toDevice(scale.toLogical(exposed));
        EXPECT_LE(painted.getLeft(), exposed.getLeft());
        EXPECT_LE(painted.getTop(), exposed.getTop());
        EXPECT_GE(painted.getRight(), exposed.getRight());
        EXPECT_GE(painted.getBottom(), exposed.getBottom());
        EXPECT_EQ(scale.toLogical(scale.toDevice(CDimension(463, 465))), CDimension(463, 465));
    }
    EXPECT_EQ(CDeviceScale(1.5).toDevice(CRect(1, 1, 3, 3)), CRect(2, 2, 4, 4));
    EXPECT_EQ(CDeviceScale(0.5).getFactor(), 1.0);
}

TEST(ScaledGraphics, RectanglesFillsClipsAndOutlinesLandOnWholeDevicePixelsWithoutSeams)
{
    for (double factor : {1.25, 1.5, 1.75, 2.0}) {
        SCOPED_TRACE(factor);
        const CDeviceScale scale(factor);
        CScaledCanvas canvas(40, 10, factor);
        // A row of one-pixel columns in turn red and blue, under a clip that is set anew for each.
        for (long x = 0; x < 40; ++x) {
            canvas.graphics.getClippingRegion().setCurrentClipRegion(CRect(x, 0, 1, 10));
            canvas.graphics.getMutableBrush().setColour(x % 2 == 0 ? RED : BLUE);
            canvas.graphics.fillRectangle(CRect(0, 0, 40, 10));
        }
        canvas.graphics.getClippingRegion().clearClipRegion();
        // Every device pixel shows its logical column's colour, unblended: no seam, no overlap, no blur.
        for (long x = 0; x < scale.toDevice(40L); ++x) {
            const CAlphaColour expected = scale.toLogical(x) % 2 == 0 ? RED : BLUE;
            ASSERT_TRUE(near(canvas.pixel(x, 3), expected, 0)) << x << ": " << describe(canvas.pixel(x, 3));
        }
        // A one-pixel outline is a whole number of device pixels wide, against the inside of the rectangle.
        canvas.graphics.getMutableBrush().setColour(WHITE);
        canvas.graphics.fillRectangle(CRect(0, 0, 40, 10));
        canvas.graphics.getMutablePen().setColour(BLACK);
        canvas.graphics.drawRectangle(CRect(3, 2, 10, 6));
        const CRect device = scale.toDevice(CRect(3, 2, 10, 6));
        const long width = static_cast<long>(scale.snap(1.0));
        const long row = device.getTop() + device.getHeight() / 2;
        for (long x = device.getLeft() - 1; x <= device.getLeft() + width; ++x) {
            const bool inLine = x >= device.getLeft() && x < device.getLeft() + width;
            EXPECT_TRUE(near(canvas.pixel(x, row), inLine ? BLACK : WHITE, 0)) << x;
        }
    }
}

TEST(ScaledImages, APictureDrawsFromItsLargerSetReadAtTheFirstDrawThatNeedsItAndFramesStayItsOwn)
{
    const std::string own = scratchPath("strip.png");
    const std::string twice = CBaseImage::getLargerSetPath(own.c_str(), 2).getString();
    EXPECT_EQ(CBaseImage::getLargerSetPath("a.b/knob.png", 3), "a.b/knob@3x.png");
    // A strip of 4 frames of 2 x 2 pixels, all green; its larger set in rows of their own colours.
    writePicture(own, 2, 8, GREEN);
    std::remove(twice.c_str());
    TAutomaticPointer<CPNGImage> strip;
    strip = new CPNGImage(own.c_str());
    ASSERT_TRUE(strip->hasImageLoaded());
    // Written only after the picture was made: a set read in the constructor would never be seen.
    writePicture(twice, 4, 16, GREEN, true);
    double pixelsPerUnit = 0.0;
    EXPECT_EQ(strip->getImageHandleForScale(1.0, pixelsPerUnit), strip->getImageHandle());
    EXPECT_EQ(pixelsPerUnit, 1.0);
    const auto* set = strip->getImageHandleForScale(2.0, pixelsPerUnit);
    EXPECT_NE(set, strip->getImageHandle());
    EXPECT_EQ(pixelsPerUnit, 2.0);
    // In between, the larger set shrunk once to the scale and kept for the paints that follow.
    const auto* shrunk = strip->getImageHandleForScale(1.5, pixelsPerUnit);
    ASSERT_NE(shrunk, nullptr);
    EXPECT_NE(shrunk, set);
    EXPECT_EQ(pixelsPerUnit, 1.5);
    EXPECT_EQ(strip->getImageHandleForScale(1.5, pixelsPerUnit), shrunk);
    EXPECT_EQ(strip->getImageSize(), CDimension(2, 8));

    // Frame 2 of the strip (logical rows 4 and 5) at 2x: the set's rows 8 to 11, one to one.
    CScaledCanvas canvas(2, 2, 2.0);
    canvas.graphics.drawImage(strip.getPointer(), CRect(0, 0, 2, 2), CRect(0, 4, 2, 2));
    for (long y = 0; y < 4; ++y) {
        EXPECT_TRUE(near(canvas.pixel(1, y), CAlphaColour((8 + y) * 4, 0, 0), 0)) << y;
    }

    // Frame 2 at 1.5x: three device rows made of the set's rows 8 to 11 only, never of a neighbouring frame.
    CScaledCanvas between(2, 2, 1.5);
    between.graphics.drawImage(strip.getPointer(), CRect(0, 0, 2, 2), CRect(0, 4, 2, 2));
    for (long y = 0; y < 3; ++y) {
        const CAlphaColour pixel = between.pixel(1, y);
        EXPECT_TRUE(pixel.getRed() >= 8 * 4 && pixel.getRed() <= 11 * 4 && pixel.getGreen() == 0) << describe(pixel);
    }

    // A set of the wrong size would misplace every frame: it counts as absent, and the picture's own is drawn.
    writePicture(twice, 4, 15, RED);
    TAutomaticPointer<CPNGImage> misfit;
    misfit = new CPNGImage(own.c_str());
    CScaledCanvas misfitCanvas(2, 2, 2.0);
    misfitCanvas.graphics.drawImage(misfit.getPointer(), CRect(0, 0, 2, 2), CRect(0, 4, 2, 2));
    EXPECT_TRUE(near(misfitCanvas.pixel(1, 1), GREEN, 0)) << describe(misfitCanvas.pixel(1, 1));
    std::remove(own.c_str());
    std::remove(twice.c_str());
}

TEST(ScaleFactors, TheDesktopsDotsPerInchOrGdkScaleRoundToTheNearestStep)
{
    EXPECT_EQ(CScaleFactor::getNumberOfSteps(), 7u);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("192", "3"), 2.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("144", nullptr), 1.5);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("120.5\n", nullptr), 1.25);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("96", "2"), 1.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("1000", nullptr), 3.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings("ninety-six", "2"), 2.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings(nullptr, "2.2"), 2.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings(nullptr, "0"), 1.0);
    EXPECT_EQ(CScaleFactor::fromDesktopSettings(nullptr, nullptr), 1.0);
    EXPECT_EQ(CScaleFactor::nearestStep(2.25), 2.0);
    EXPECT_EQ(CScaleFactor::clamp(0.2), 1.0);
}
