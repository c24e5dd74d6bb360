// Text: the font look-up, placement by alignment, measuring, Latin-1 fallback,
// and the default font the GUI start creates.
#include "GuiTestSupport.hpp"

#include "gui/CvnGUI.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/fonts/CTextEncoding.hpp"
#include "gui/graphics/CImageManager.hpp"

#include <gtest/gtest.h>

using namespace GuiTests;
using Corvane::Basics::CString;
using Corvane::GUI::Fonts::CFont;
using Corvane::GUI::Fonts::CTextEncoding;

namespace {

// Where text lands in a 120 x 40 white bitmap, drawn in black in area (10, 5, 100, 30).
CRect textInk(const char* text, long alignment, CFont* font)
{
    CCanvas canvas(120, 40, false);
    canvas.fill(WHITE);
    canvas.graphics.drawText(CString(text), CRect(10, 5, 100, 30), font,
                             static_cast<CGraphics::ETextAlignment>(alignment));
    return inkBounds(canvas.image(), WHITE, 40);
}

class Text : public ::testing::Test {
protected:
    CFont font{CString("Arial"), 12, false, false};
};

}  // namespace

TEST_F(Text, ArialIsFoundThroughItsMetricCompatibleFace)
{
    EXPECT_STREQ(font.getResolvedFamily().getString(), "Liberation Sans");
    // Liberation Sans has Arial's advance widths: "0" is 0.556 em wide.
    EXPECT_NEAR(font.measureText(CString("0000000000")).advance, 10 * 0.556 * 12, 0.1);
    CFont bold(CString("Arial"), 12, false, true);
    EXPECT_GT(bold.measureText(CString("Wide")).advance, font.measureText(CString("Wide")).advance);
    EXPECT_STREQ(CFont::convertToString(font).getString(), "Arial,12");
}

TEST_F(Text, AlignmentsPlaceTheTextInItsAreaAndUnknownOnesDrawNothing)
{
    CDimension size;
    CGraphics measuring;
    measuring.getStringBounds(CString("Mix 50"), size, &font);
    EXPECT_GT(size.getWidth(), 30);
    EXPECT_GT(size.getHeight(), 6);

    // 9: left-aligned, vertically centred (the centre sits 1.5 pixels above the area's middle).
    const CRect left = textInk("Mix 50", 9, &font);
    EXPECT_NEAR(left.getLeft(), 11, 1);
    EXPECT_NEAR(left.getWidth(), size.getWidth(), 1);
    EXPECT_NEAR(left.getTop() + left.getHeight() / 2.0, 20 - 1.5, 1.0);
    EXPECT_EQ(textInk("Mix 50", 3, &font), left);

    const CRect centred = textInk("Mix 50", 10, &font);
    EXPECT_NEAR(centred.getLeft() + centred.getWidth() / 2.0, 60, 1.5);
    EXPECT_EQ(centred.getTop(), left.getTop());
    EXPECT_NEAR(textInk("Mix 50", 5, &font).getRight(), 110, 1.5);

    const CRect top = textInk("Mix 50", 0, &font);
    EXPECT_NEAR(top.getTop(), 5 + 1.5, 1.0);
    const CRect bottom = textInk("Mix 50", 8, &font);
    EXPECT_NEAR(bottom.getBottom(), 35 - 1.5, 1.0);
    EXPECT_NEAR(bottom.getRight(), 110, 1.5);

    EXPECT_EQ(textInk("Mix 50", 11, &font).getWidth(), 0);
    EXPECT_EQ(textInk("Mix 50", -1, &font).getWidth(), 0);
}

TEST_F(Text, TextStaysInsideItsAreaAndTheDrawingOffsetMovesIt)
{
    CCanvas canvas(120, 40);
    canvas.graphics.setDrawingOffset(CPoint(30, 10));
    canvas.graphics.drawText(CString("A very long text that cannot fit"), CRect(0, 0, 40, 20), &font,
                             CGraphics::CGRAPHICS_TEXT_LEFT);
    const CRect ink = inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT, 0);
    EXPECT_GE(ink.getLeft(), 30);
    EXPECT_LE(ink.getRight(), 70);
    EXPECT_GE(ink.getTop(), 10);
    EXPECT_LE(ink.getBottom(), 30);
}

TEST_F(Text, TextThatIsNotUTF8IsDrawnAsLatin1)
{
    EXPECT_TRUE(CTextEncoding::isValidUTF8("caf\xC3\xA9 \xE2\x82\xAC"));
    for (const char* invalid : {"caf\xE9", "\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82"}) {
        EXPECT_FALSE(CTextEncoding::isValidUTF8(invalid)) << invalid;
    }
    EXPECT_EQ(CTextEncoding::toUTF8("caf\xE9"), "caf\xC3\xA9");

    auto drawn = [&](const char* text) {
        CCanvas canvas(60, 20);
        canvas.graphics.drawText(CString(text), CRect(0, 0, 60, 20), &font, CGraphics::CGRAPHICS_TEXT_LEFT);
        return inkMask(canvas.image(), CRect(0, 0, 60, 20));
    };
    EXPECT_EQ(drawn("caf\xE9"), drawn("caf\xC3\xA9"));
    EXPECT_NE(drawn("caf\xE9"), drawn("caf"));
}

TEST(GuiLibrary, StartMakesTheDefaultFontAndImageManagerAndStopReleasesThem)
{
    Corvane::CvnGUI::start();
    ASSERT_NE(CFont::CFONT_SYSTEM_FONT, nullptr);
    EXPECT_STREQ(CFont::CFONT_SYSTEM_FONT->getFontName().getString(), "Arial");
    EXPECT_EQ(CFont::CFONT_SYSTEM_FONT->getHeight(), 11U);
    EXPECT_STREQ(Corvane::GUI::Graphics::CImageManager::getDefaultPathToImages().getString(), " ");

    // Text without a font of its own uses the system font.
    CCanvas canvas(60, 20);
    canvas.graphics.drawText(CString("Hello"), CRect(0, 0, 60, 20), nullptr, CGraphics::CGRAPHICS_TEXT_LEFT);
    EXPECT_GT(inkBounds(canvas.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT).getWidth(), 10);

    Corvane::CvnGUI::stop();
    EXPECT_EQ(CFont::CFONT_SYSTEM_FONT, nullptr);
    CCanvas after(60, 20);
    after.graphics.drawText(CString("Hello"), CRect(0, 0, 60, 20), nullptr, CGraphics::CGRAPHICS_TEXT_LEFT);
    EXPECT_EQ(inkBounds(after.image(), CAlphaColour::CALPHACOLOUR_TRANSPARENT).getWidth(), 0);
}
