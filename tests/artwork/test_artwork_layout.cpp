// The layout table against the panel: every control and label fits, the label texts stand
// on light plates, captions are printed, and the meter has a dark well and a scale.
#include "CArtworkLayout.hpp"
#include "CTestImage.hpp"
#include "GuiTestSupport.hpp"
#include "gui/fonts/CFont.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Corvane::CorGain::Artwork;
using L = CArtworkLayout;

namespace {

// Where a label draws `text`, found by drawing it as a label does: black system font 12,
// left-aligned one pixel in, vertically centred, in the label's 96 x 20 rectangle.
SRectangle labelTextBox(const SControlPlacement& control, const char* text)
{
    const SRectangle label = L::labelArea(control);
    GuiTests::CCanvas canvas(label.width, label.height);
    Corvane::GUI::Fonts::CFont font(L::CARTWORKLAYOUT_LABEL_FONT,
                                    static_cast<unsigned long>(L::CARTWORKLAYOUT_LABEL_FONT_SIZE), false, false);
    canvas.graphics.drawText(text, GuiTests::CRect(1, 1, label.width, label.height), &font,
                             GuiTests::CGraphics::CGRAPHICS_TEXT_LEFT);
    const GuiTests::CRect ink =
        GuiTests::inkBounds(canvas.image(), Corvane::GUI::Basics::CAlphaColour::CALPHACOLOUR_TRANSPARENT, 0);
    return {label.left + static_cast<int>(ink.getLeft()), label.top + static_cast<int>(ink.getTop()),
            static_cast<int>(ink.getWidth()), static_cast<int>(ink.getHeight())};
}

bool overlaps(const SRectangle& a, const SRectangle& b)
{
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool inside(const SRectangle& inner, const SRectangle& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

SRectangle sectionArea(ESection section)
{
    for (std::size_t i = 0; i < L::sectionCount(); ++i) {
        if (L::sections()[i].section == section) {
            return L::sections()[i].area;
        }
    }
    return {0, 0, 0, 0};
}

const SRectangle PANEL{0, 0, L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT};

}  // namespace

TEST(ArtworkLayout, ControlsPlatesAndLabelTextsFitTheirSectionsWithoutCoveringEachOther)
{
    // The information button comes first, so a click at (0, 0) reaches it.
    EXPECT_EQ(L::controls()[0].kind, EControlKind::InfoButton);
    EXPECT_TRUE(L::controls()[0].left == 0 && L::controls()[0].top == 0);
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& c = L::controls()[i];
        const SRectangle area = L::controlArea(c);
        const SRectangle section = sectionArea(c.section);
        EXPECT_TRUE(inside(area, PANEL) && inside(area, section)) << "control " << c.id;
        for (std::size_t j = i + 1; j < L::controlCount(); ++j) {
            EXPECT_FALSE(overlaps(area, L::controlArea(L::controls()[j]))) << c.id << " / " << L::controls()[j].id;
        }
        if (!c.hasLabel) {
            continue;
        }
        const SRectangle label = L::labelArea(c);
        // A knob or button must end before its own label starts.
        EXPECT_LE(area.bottom(), label.top) << "control " << c.id;
        EXPECT_TRUE(label.left >= 0 && label.bottom() <= L::CARTWORKLAYOUT_PANEL_HEIGHT) << "label " << c.id;
        // The plate with its one-pixel rim stays in the section and off every other plate.
        const SRectangle plate = L::plateArea(c);
        const SRectangle rim{plate.left - 1, plate.top - 1, plate.width + 2, plate.height + 2};
        EXPECT_TRUE(inside(rim, section)) << "plate of control " << c.id;
        for (std::size_t j = i + 1; j < L::controlCount(); ++j) {
            if (L::controls()[j].hasLabel) {
                EXPECT_FALSE(overlaps(rim, L::plateArea(L::controls()[j]))) << c.id << " / " << L::controls()[j].id;
            }
        }
        // The 96-pixel label may run past the panel's right edge (the Master label does);
        // the text it can show may not.
        const SRectangle text = labelTextBox(c, c.widestText);
        EXPECT_LE(text.right(), L::CARTWORKLAYOUT_PANEL_WIDTH) << "label " << c.id;
        for (std::size_t j = 0; j < L::controlCount(); ++j) {
            EXPECT_FALSE(overlaps(L::controlArea(L::controls()[j]), text))
                << "label " << c.id << " covers control " << L::controls()[j].id;
        }
    }
}

TEST(ArtworkLayout, EveryControlHasItsNamePrintedAboveItAndItsLabelTextOnALightPlate)
{
    CTestImage background(artworkPath("Background.png"));
    ASSERT_TRUE(background.isLoaded());
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& c = L::controls()[i];
        if (c.caption[0] != '\0') {
            const SRectangle area = L::controlArea(c);
            const int centre = area.left + area.width / 2;
            int bright = 0;
            for (int y = area.top - 16; y < area.top - 4; ++y) {
                for (int x = centre - 12; x <= centre + 12; ++x) {
                    bright += background.luminance(x, y) > 0.5 ? 1 : 0;
                }
            }
            EXPECT_GT(bright, 10) << "caption of control " << c.id;
        }
        if (!c.hasLabel) {
            continue;
        }
        // Black text needs a contrast of at least 7:1, a relative luminance of 0.3 or more;
        // two columns to spare allow for renderers whose text comes out a little wider.
        SRectangle text = labelTextBox(c, c.widestText);
        text.width += 2;
        double darkest = 1.0;
        for (int y = text.top; y < text.bottom(); ++y) {
            for (int x = text.left; x < text.right(); ++x) {
                darkest = std::min(darkest, background.luminance(x, y));
            }
        }
        EXPECT_GE(darkest, 0.3) << "label of control " << c.id << " (\"" << c.widestText << "\")";
    }
}

TEST(ArtworkLayout, MeterHasADarkWellUnderItsSegmentsAndADecibelScale)
{
    CTestImage background(artworkPath("Background.png"));
    ASSERT_TRUE(background.isLoaded());
    const SRectangle top = L::meterSegment(L::CARTWORKLAYOUT_METER_SEGMENTS - 1);
    const SRectangle bottom = L::meterSegment(0);
    EXPECT_EQ(top.width, 36);
    EXPECT_EQ(top.height, 3);
    EXPECT_TRUE(inside(L::CARTWORKLAYOUT_METER, PANEL));
    EXPECT_GE(top.top, L::CARTWORKLAYOUT_METER.top);
    EXPECT_LE(bottom.bottom(), L::CARTWORKLAYOUT_METER.bottom());
    // Lit turquoise segments need a contrast of 4.5:1 against the well and the gaps.
    for (int y = top.top; y < bottom.bottom(); ++y) {
        for (int x = bottom.left; x < bottom.right(); ++x) {
            ASSERT_LE(background.luminance(x, y), 0.052) << x << "," << y;
        }
    }
    // Scale ticks beside the column at 0 dB and -6 dB.
    for (double decibels : {0.0, -6.0}) {
        const double level = std::pow(10.0, decibels / 20.0);
        const int row = static_cast<int>(std::floor(L::meterLevelRow(level)));
        EXPECT_GT(background.luminance(L::CARTWORKLAYOUT_METER.left - 5, row), 0.15) << decibels << " dB";
        EXPECT_GT(background.luminance(L::CARTWORKLAYOUT_METER.right() + 5, row), 0.15) << decibels << " dB";
    }
}
