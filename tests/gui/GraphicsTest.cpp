// The drawing layer on bitmaps: colours, exact rectangle coverage, the pen's
// ring, clip replacement, alpha, image frames and scaling, and a graphics on a
// Cairo context the test makes itself, as window code does.
#include "GuiTestSupport.hpp"

#include "exceptions/CException.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CJPEGImage.hpp"
#include "gui/graphics/CPath.hpp"

#include <gtest/gtest.h>

using namespace GuiTests;
using Corvane::Basics::CString;
using Corvane::Collections::TAutomaticPointer;
using Corvane::GUI::Basics::CColour;
using Corvane::GUI::Graphics::CCairoContext;
using Corvane::GUI::Graphics::CPath;

TEST(Colours, DefaultConversionsAndClampedSums)
{
    EXPECT_TRUE(CAlphaColour() == WHITE);

    EXPECT_STREQ(CAlphaColour::convertToString(CAlphaColour(1, 2, 3, 4)).getString(), "1,2,3,4");
    EXPECT_TRUE(CAlphaColour::convertFromString(CString("10,20,30,40")) == CAlphaColour(10, 20, 30, 40));
    EXPECT_TRUE(CAlphaColour::convertFromString(CString("1,2,3")) == CAlphaColour(0, 0, 0, 0));
    EXPECT_TRUE(CAlphaColour::convertFromString(CString("1,2,3,4,5")) == CAlphaColour(0, 0, 0, 0));

    CColour sum(200, 10, 255);
    sum += CColour(100, 10, 1);
    EXPECT_TRUE(sum == CColour(255, 20, 255));
    char text[32];
    CAlphaColour(1, 2, 3, 4).getObjectDescription(text, sizeof text);
    EXPECT_STREQ(text, "[1,2,3,4]");
}

TEST(Graphics, RectanglesCoverExactlyTheirPixelsAndThePenDrawsTheOutermostRing)
{
    CCanvas canvas(14, 14);
    canvas.graphics.getMutableBrush().setColour(RED);
    canvas.graphics.fillRectangle(CRect(2, 3, 4, 5));
    const std::vector<std::string> filled = {"........", "........", "........", "..####..", "..####..",
                                             "..####..", "..####..", "..####..", "........"};
    EXPECT_EQ(inkMask(canvas.image(), CRect(0, 0, 8, 9)), filled);

    CCanvas ring(12, 12);
    ring.graphics.drawRectangle(CRect(0, 0, 10, 10));
    const std::vector<std::string> outline = {"##########..", "#........#..", "#........#..", "#........#..",
                                              "#........#..", "#........#..", "#........#..", "#........#..",
                                              "#........#..", "##########..", "............", "............"};
    EXPECT_EQ(inkMask(ring.image(), CRect(0, 0, 12, 12)), outline);
    EXPECT_TRUE(near(ring.pixel(0, 5), BLACK, 0)) << describe(ring.pixel(0, 5));

    // The drawing offset moves everything drawn; the clip does not move with it.
    CCanvas moved(8, 8);
    moved.graphics.setDrawingOffset(CPoint(5, 4));
    moved.graphics.getMutableBrush().setColour(RED);
    moved.graphics.fillRectangle(CRect(0, 0, 2, 2));
    EXPECT_EQ(inkBounds(moved.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT), CRect(5, 4, 2, 2));
}

TEST(Graphics, RoundedRectanglesCutTheirCornersUnlessTheCornerHasAZeroSide)
{
    CCanvas canvas(24, 14);
    canvas.graphics.drawRoundedRectangle(CRect(0, 0, 20, 10), CDimension(8, 8));
    EXPECT_EQ(canvas.pixel(0, 0).getAlpha(), 0U);
    EXPECT_GE(canvas.pixel(10, 0).getAlpha(), 128U);
    EXPECT_GE(canvas.pixel(0, 5).getAlpha(), 128U);
    EXPECT_EQ(canvas.pixel(10, 5).getAlpha(), 0U);
    CCanvas square(24, 14);
    square.graphics.getMutableBrush().setColour(RED);
    square.graphics.fillRoundedRectangle(CRect(0, 0, 20, 10), CDimension(0, 8));
    // Filled along the stroke's centre line: the outermost ring is half covered, so an outline completes it.
    EXPECT_EQ(square.pixel(1, 1).getAlpha(), 255U);
    EXPECT_NEAR(static_cast<double>(square.pixel(0, 5).getAlpha()), 128.0, 2.0);
    EXPECT_NEAR(static_cast<double>(square.pixel(0, 0).getAlpha()), 64.0, 2.0);
    EXPECT_EQ(square.pixel(20, 5).getAlpha(), 0U);
}

TEST(Graphics, ANewClipReplacesTheOldOneAndClearingItFreesTheSurface)
{
    CCanvas canvas(20, 20);
    canvas.graphics.getClippingRegion().setCurrentClipRegion(CRect(0, 0, 5, 5));
    canvas.graphics.getClippingRegion().setCurrentClipRegion(CRect(10, 10, 4, 3));
    canvas.fill(RED);
    EXPECT_EQ(inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT), CRect(10, 10, 4, 3));
    EXPECT_TRUE(canvas.graphics.getClippingRegion().isClipSet());

    // An empty overlap (negative size) clips everything away.
    canvas.graphics.getClippingRegion().setCurrentClipRegion(CRect(3, 3, -5, 4));
    canvas.fill(BLACK);
    EXPECT_EQ(inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT), CRect(10, 10, 4, 3));

    canvas.graphics.getClippingRegion().clearClipRegion();
    EXPECT_FALSE(canvas.graphics.getClippingRegion().isClipSet());
    canvas.fill(BLACK);
    EXPECT_EQ(inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT), CRect(0, 0, 20, 20));
}

TEST(Graphics, AlphaOfPenBrushAndAlphaDrawingIsKept)
{
    // On white, a black pen at alpha 128 strokes at half opacity.
    CCanvas canvas(10, 10, false);
    canvas.fill(WHITE);
    canvas.graphics.getMutablePen().setColour(CAlphaColour(0, 0, 0, 128));
    canvas.graphics.drawRectangle(CRect(0, 0, 10, 10));
    EXPECT_TRUE(near(canvas.pixel(0, 4), CAlphaColour(127, 127, 127), 2)) << describe(canvas.pixel(0, 4));
    EXPECT_TRUE(near(canvas.pixel(4, 4), WHITE, 0));

    // On a transparent bitmap the alpha itself is stored, the colour straight.
    CCanvas clear(4, 4);
    clear.graphics.getMutableBrush().setColour(CAlphaColour(200, 100, 50, 128));
    clear.graphics.fillRectangle(CRect(0, 0, 2, 2));
    EXPECT_TRUE(near(clear.pixel(1, 1), CAlphaColour(200, 100, 50, 128), 2)) << describe(clear.pixel(1, 1));

    // Alpha drawing scales everything until it ends; a nested begin changes nothing.
    clear.graphics.getMutableBrush().setColour(RED);
    clear.graphics.beginAlphaDrawing(0.5);
    clear.graphics.beginAlphaDrawing(1.0);
    clear.graphics.fillRectangle(CRect(2, 0, 1, 1));
    clear.graphics.endAlphaDrawing();
    clear.graphics.fillRectangle(CRect(3, 0, 1, 1));
    EXPECT_NEAR(static_cast<double>(clear.pixel(2, 0).getAlpha()), 128.0, 1.0);
    EXPECT_EQ(clear.pixel(3, 0).getAlpha(), 255U);
}

TEST(Graphics, ImagesGiveOneUnscaledFrameOfAStripOrTheWholeImageScaled)
{
    // A 64 x 4032 strip of 63 frames, frame k filled with the grey level 4k.
    TAutomaticPointer<CRGBAImage> strip;
    strip = bandedImage(64, 64, 63, [](long k) { return CAlphaColour(4 * k, 4 * k, 4 * k); });
    CCanvas canvas(90, 90);
    canvas.graphics.drawImage(strip.getPointer(), CRect(10, 10, 64, 64), CRect(0, 64, 64, 64));
    // Only the second frame (grey 4), exactly over the destination.
    EXPECT_EQ(inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT, 0), CRect(10, 10, 64, 64));
    EXPECT_TRUE(near(canvas.pixel(10, 10), CAlphaColour(4, 4, 4), 0)) << describe(canvas.pixel(10, 10));
    EXPECT_TRUE(near(canvas.pixel(73, 73), CAlphaColour(4, 4, 4), 0)) << describe(canvas.pixel(73, 73));

    // A source of the whole image's size scales it into the destination.
    CCanvas halves(4, 4);
    halves.graphics.getMutableBrush().setColour(RED);
    halves.graphics.fillRectangle(CRect(0, 0, 2, 4));
    CCanvas scaled(50, 50);
    scaled.graphics.drawImage(&halves.image(), CRect(5, 5, 40, 40), CRect(0, 0, 4, 4));
    const CRect ink = inkBounds(scaled.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT, 0);
    EXPECT_EQ(ink.getLeft(), 5);
    EXPECT_EQ(ink.getTop(), 5);
    EXPECT_EQ(ink.getBottom(), 45);
    EXPECT_TRUE(near(scaled.pixel(5, 5), RED, 0)) << describe(scaled.pixel(5, 5));
    EXPECT_TRUE(near(scaled.pixel(18, 44), RED, 0)) << describe(scaled.pixel(18, 44));
    EXPECT_EQ(scaled.pixel(32, 25).getAlpha(), 0U);

    // With alpha the image is blended; an image without alpha is drawn opaque whatever alpha is asked.
    CCanvas faded(64, 64);
    faded.graphics.drawImageWithAlpha(strip.getPointer(), CRect(0, 0, 64, 64), CRect(0, 0, 64, 64), 0.25);
    EXPECT_NEAR(static_cast<double>(faded.pixel(3, 3).getAlpha()), 64.0, 1.0);
    TAutomaticPointer<Corvane::GUI::Graphics::CJPEGImage> jpeg;
    jpeg = new Corvane::GUI::Graphics::CJPEGImage(Corvane::Basics::CSystemString(dataPath("swatch.jpg").c_str()));
    ASSERT_TRUE(jpeg->hasImageLoaded());
    faded.graphics.drawImageWithAlpha(jpeg.getPointer(), CRect(0, 0, 32, 16), CRect(0, 0, 32, 16), 0.25);
    EXPECT_EQ(faded.pixel(3, 3).getAlpha(), 255U);

    // Nothing to draw: no image, or nothing loaded.
    CCanvas empty(8, 8);
    TAutomaticPointer<CRGBAImage> unloaded;
    unloaded = new CRGBAImage(0, 0);
    empty.graphics.drawImage(nullptr, CRect(0, 0, 8, 8), CRect(0, 0, 8, 8));
    empty.graphics.drawImage(unloaded.getPointer(), CRect(0, 0, 8, 8), CRect(0, 0, 8, 8));
    EXPECT_EQ(inkBounds(empty.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT, 0).getWidth(), 0);
}

TEST(Graphics, RenderingQualityZeroDrawsHardEdges)
{
    CPath disc;
    disc.addCircle(10.0, 10.0, 7.3);
    auto softPixels = [&](CGraphics::ERenderingQuality quality) {
        CCanvas canvas(20, 20);
        canvas.graphics.setRenderingQuality(quality);
        canvas.graphics.getMutableBrush().setColour(BLACK);
        canvas.graphics.fillPath(disc);
        int soft = 0;
        for (long y = 0; y < 20; ++y) {
            for (long x = 0; x < 20; ++x) {
                const unsigned long alpha = canvas.pixel(x, y).getAlpha();
                soft += alpha != 0 && alpha != 255 ? 1 : 0;
            }
        }
        return soft;
    };
    EXPECT_EQ(softPixels(CGraphics::CGRAPHICS_QUALITY_ALIASED), 0);
    EXPECT_GT(softPixels(CGraphics::CGRAPHICS_QUALITY_ANTIALIASED), 10);
}

// What is drawn through such a graphics is read back from real windows in the X tests.
TEST(Graphics, PlatformCodeHandsItsOwnCairoContextToAGraphics)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 16, 16);
    cairo_t* context = cairo_create(surface);
    CGraphics graphics;
    CCairoContext::initialiseGraphics(graphics, context, CDimension(16, 16));
    EXPECT_EQ(CCairoContext::getCairoContext(graphics), context);
    EXPECT_EQ(cairo_get_reference_count(context), 2U);
    EXPECT_EQ(graphics.getUpdateArea(), CRect(0, 0, 16, 16));
    graphics.uninitialise();
    EXPECT_EQ(cairo_get_reference_count(context), 1U);
    EXPECT_EQ(CCairoContext::getCairoContext(graphics), nullptr);
    cairo_destroy(context);
    cairo_surface_destroy(surface);

    // Without a context nothing is drawn and nothing fails; a null context is refused.
    graphics.fillRectangle(CRect(0, 0, 4, 4));
    try {
        CCairoContext::initialiseGraphics(graphics, nullptr, CDimension(4, 4));
        ADD_FAILURE() << "a null context was taken";
    } catch (const Corvane::Exceptions::CException& exception) {
        EXPECT_STREQ(exception.getErrorReason().getString(), "Context is NULL");
    }
    EXPECT_FALSE(graphics.isInitialised());
}
