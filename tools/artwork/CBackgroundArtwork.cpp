#include "CBackgroundArtwork.hpp"

#include "CArtworkIdentity.hpp"
#include "CArtworkPalette.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace Corvane::CorGain::Artwork {

namespace {

using L = CArtworkLayout;
using P = CArtworkPalette;
using Id = CArtworkIdentity;
using G = CArtworkPicture::CGraphics;
using CAlphaColour = CArtworkPicture::CAlphaColour;
using CPath = CArtworkPicture::CPath;

constexpr double CAPTION_SIZE = 8.5;
constexpr double CAPTION_SPACING = 0.7;
constexpr double TITLE_SIZE = 9.0;
constexpr double TITLE_SPACING = 1.6;

// A small deterministic generator for the brushed texture, so every build gives the same picture.
class CTextureNoise {
public:
    double next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 40) / static_cast<double>(1ULL << 24) - 0.5;
    }

private:
    std::uint64_t m_state = 0x7e57a11ULL;
};

unsigned long clampChannel(double value)
{
    return static_cast<unsigned long>(std::clamp(std::lround(value), 0L, 255L));
}

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

}  // namespace

CBackgroundArtwork::CBackgroundArtwork(int scale)
    : CArtworkPicture(L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT, false, scale),
      m_captionFont(Id::font(CAPTION_SIZE, true)),
      m_titleFont(Id::font(TITLE_SIZE, true))
{}

CArtworkPicture::CRGBAImage* CBackgroundArtwork::createBackground(int scale)
{
    CBackgroundArtwork picture(scale);
    picture.drawPanel();
    picture.drawHeader();
    for (std::size_t i = 0; i < L::sectionCount(); ++i) {
        picture.drawSection(L::sections()[i]);
    }
    picture.drawMeterWell();
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& control = L::controls()[i];
        picture.drawControlSeat(control);
        picture.drawCaption(control);
        picture.drawPlate(control);
    }
    return picture.finish();
}

void CBackgroundArtwork::drawPanel()
{
    const double width = L::CARTWORKLAYOUT_PANEL_WIDTH;
    const double height = L::CARTWORKLAYOUT_PANEL_HEIGHT;
    shade(CPath::roundedRectangle(0.0, 0.0, width, height, 0.0), 0.0, height, P::CARTWORKPALETTE_PANEL_TOP,
          P::CARTWORKPALETTE_PANEL_BOTTOM);

    // Brushed-metal grain: each row gets its own slight shade plus fine streaks along it. The grain
    // is the panel's own, pixel by pixel: a larger set shows the same grain, each grain as large.
    CTextureNoise noise;
    const int k = scale();
    for (long y = 0; y < L::CARTWORKLAYOUT_PANEL_HEIGHT; ++y) {
        const double rowShade = noise.next() * 5.0;
        double streak = 0.0;
        for (long x = 0; x < L::CARTWORKLAYOUT_PANEL_WIDTH; ++x) {
            streak = streak * 0.85 + noise.next() * 0.9;
            const double shift = rowShade + streak * 2.0;
            for (long row = y * k; row < (y + 1) * k; ++row) {
                for (long column = x * k; column < (x + 1) * k; ++column) {
                    const CAlphaColour pixel = image().getPixel(column, row);
                    image().setPixel(
                        column, row,
                        CAlphaColour(clampChannel(pixel.getRed() + shift), clampChannel(pixel.getGreen() + shift),
                                     clampChannel(pixel.getBlue() + shift)));
                }
            }
        }
    }
}

void CBackgroundArtwork::drawHeader()
{
    const double width = L::CARTWORKLAYOUT_PANEL_WIDTH;
    shade(CPath::roundedRectangle(0.0, 0.0, width, 38.0, 0.0), 0.0, 38.0, P::CARTWORKPALETTE_HEADER_TOP,
          P::CARTWORKPALETTE_HEADER_BOTTOM);
    stroke(CPath::line(0.0, 37.5, width, 37.5), P::CARTWORKPALETTE_ACCENT.withAlpha(170), 1.0);

    CFont name = Id::font(23.0, true);
    const double nameLeft = 52.0;
    const double nameWidth = name.measureText(Id::CARTWORKIDENTITY_PRODUCT).advance;
    text(Id::CARTWORKIDENTITY_PRODUCT, nameLeft, 27.0, G::CGRAPHICS_ANCHOR_LEFT, name, P::CARTWORKPALETTE_CAPTION);
    CFont kind = Id::font(8.0, true);
    text(Id::CARTWORKIDENTITY_KIND, nameLeft + nameWidth + 10.0, 26.0, G::CGRAPHICS_ANCHOR_LEFT, kind,
         P::CARTWORKPALETTE_ACCENT, 1.5);
    CFont vendor = Id::font(10.5, false);
    text(Id::CARTWORKIDENTITY_VENDOR, width - 10.0, 25.0, G::CGRAPHICS_ANCHOR_RIGHT, vendor, P::CARTWORKPALETTE_MUTED);
}

void CBackgroundArtwork::drawSection(const SSectionPlacement& section)
{
    if (section.section == ESection::Header) {
        return;
    }
    const SRectangle& a = section.area;
    fill(CPath::roundedRectangle(a.left + 0.5, a.top + 1.5, a.width, a.height, 6.0), CAlphaColour(0, 0, 0, 70));
    shade(CPath::roundedRectangle(a.left, a.top, a.width, a.height, 6.0), a.top, a.height,
          P::CARTWORKPALETTE_SECTION_TOP.withAlpha(190), P::CARTWORKPALETTE_SECTION_BOTTOM.withAlpha(200));
    stroke(CPath::roundedRectangle(a.left + 0.5, a.top + 0.5, a.width - 1.0, a.height - 1.0, 5.5),
           P::CARTWORKPALETTE_SECTION_EDGE, 1.0);
    stroke(CPath::line(a.left + 6.0, a.top + 1.5, a.right() - 6.0, a.top + 1.5), CAlphaColour(255, 255, 255, 30), 1.0);

    const double titleLeft = a.left + 9.0;
    const double titleWidth = m_titleFont.measureText(section.title, TITLE_SPACING).advance;
    text(section.title, titleLeft, a.top + 14.0, G::CGRAPHICS_ANCHOR_LEFT, m_titleFont, P::CARTWORKPALETTE_ACCENT,
         TITLE_SPACING);
    const double ruleLeft = titleLeft + titleWidth + 8.0;
    if (ruleLeft < a.right() - 12.0) {
        stroke(CPath::line(ruleLeft, a.top + 10.5, a.right() - 9.0, a.top + 10.5), P::CARTWORKPALETTE_SECTION_EDGE,
               1.0);
    }
}

void CBackgroundArtwork::drawControlSeat(const SControlPlacement& control)
{
    const SRectangle area = L::controlArea(control);
    if (control.kind == EControlKind::Knob) {
        const double cx = area.left + area.width / 2.0;
        const double cy = area.top + area.height / 2.0;
        fill(CPath::circle(cx, cy + 0.5, area.width / 2.0 + 0.5), CAlphaColour(0, 0, 0, 90));
        // Scale: eleven ticks over the travel, the ends and the middle longer.
        const double travel = L::CARTWORKLAYOUT_KNOB_TRAVEL_DEGREES;
        for (int tick = 0; tick <= 10; ++tick) {
            const double angle = radians(-travel / 2.0 + travel * tick / 10.0);
            const bool major = tick == 0 || tick == 5 || tick == 10;
            const double inner = area.width / 2.0 + 2.0;
            const double outer = inner + (major ? 3.5 : 2.0);
            const double dx = std::sin(angle);
            const double dy = -std::cos(angle);
            stroke(CPath::line(cx + dx * inner, cy + dy * inner, cx + dx * outer, cy + dy * outer),
                   major ? P::CARTWORKPALETTE_CAPTION : P::CARTWORKPALETTE_MUTED, major ? 1.4 : 1.0);
        }
    } else if (control.kind == EControlKind::LatchingButton || control.kind == EControlKind::PopupButton) {
        fill(CPath::roundedRectangle(area.left - 2.0, area.top - 2.0, area.width + 4.0, area.height + 4.0, 6.0),
             CAlphaColour(0, 0, 0, 110));
        stroke(CPath::line(area.left + 2.0, area.bottom() + 1.5, area.right() - 2.0, area.bottom() + 1.5),
               CAlphaColour(255, 255, 255, 35), 1.0);
        if (control.kind == EControlKind::PopupButton) {
            // A small down arrow beside the key marks the buttons that open a menu.
            const double x = area.right() + 5.0;
            const double y = area.top + area.height / 2.0 - 2.0;
            CPath arrow;
            arrow.moveTo(x, y);
            arrow.lineTo(x + 7.0, y);
            arrow.lineTo(x + 3.5, y + 4.0);
            arrow.closePath();
            fill(arrow, P::CARTWORKPALETTE_ACCENT);
        }
    }
}

void CBackgroundArtwork::drawCaption(const SControlPlacement& control)
{
    if (control.caption[0] == '\0') {
        return;
    }
    const SRectangle area = L::controlArea(control);
    const double baseline = control.kind == EControlKind::Knob ? area.top - 7.0 : area.top - 6.0;
    text(control.caption, area.left + area.width / 2.0, baseline, G::CGRAPHICS_ANCHOR_CENTRE, m_captionFont,
         P::CARTWORKPALETTE_CAPTION, CAPTION_SPACING);
}

void CBackgroundArtwork::drawPlate(const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return;
    }
    const SRectangle plate = L::plateArea(control);
    // An inset light display: dark rim, light face, a faint shadow along its top edge.
    fill(CPath::roundedRectangle(plate.left - 1.0, plate.top - 1.0, plate.width + 2.0, plate.height + 2.0, 4.0),
         P::CARTWORKPALETTE_PLATE_EDGE.withAlpha(200));
    shade(CPath::roundedRectangle(plate.left, plate.top, plate.width, plate.height, 3.0), plate.top, plate.height,
          P::CARTWORKPALETTE_PLATE_TOP, P::CARTWORKPALETTE_PLATE_BOTTOM);
    stroke(CPath::line(plate.left + 2.0, plate.top + 0.5, plate.right() - 2.0, plate.top + 0.5),
           CAlphaColour(0, 0, 0, 40), 1.0);
}

void CBackgroundArtwork::drawMeterWell()
{
    const SRectangle& meter = L::CARTWORKLAYOUT_METER;
    fill(CPath::roundedRectangle(meter.left - 3.0, meter.top - 3.0, meter.width + 6.0, meter.height + 6.0, 5.0),
         CAlphaColour(0, 0, 0, 160));
    fill(CPath::roundedRectangle(meter.left - 2.0, meter.top - 2.0, meter.width + 4.0, meter.height + 4.0, 4.0),
         CAlphaColour(255, 255, 255, 40));
    fill(CPath::roundedRectangle(meter.left - 2.0, meter.top - 2.0, meter.width + 4.0, meter.height + 3.0, 4.0),
         P::CARTWORKPALETTE_WELL);

    // Unlit segments, so the column reads as a meter when no level is shown.
    for (int index = 0; index < L::CARTWORKLAYOUT_METER_SEGMENTS; ++index) {
        const SRectangle segment = L::meterSegment(index);
        fill(CPath::roundedRectangle(segment.left, segment.top, segment.width, segment.height, 0.0),
             P::CARTWORKPALETTE_ACCENT_DIM);
    }

    const double centre = meter.left + meter.width / 2.0;
    CFont unit = Id::font(8.0, true);
    text("dBFS", centre, meter.top + 13.0, G::CGRAPHICS_ANCHOR_CENTRE, unit, P::CARTWORKPALETTE_MUTED, 0.6);

    // Scale in dB of the peak level, which the meter shows linearly.
    const int marks[] = {0, -3, -6, -9, -12, -18, -24};
    CFont scale = Id::font(7.0, false);
    for (int mark : marks) {
        const double row = std::floor(L::meterLevelRow(std::pow(10.0, mark / 20.0))) + 0.5;
        stroke(CPath::line(meter.left - 7.0, row, meter.left - 4.0, row), P::CARTWORKPALETTE_MUTED, 1.0);
        stroke(CPath::line(meter.right() + 4.0, row, meter.right() + 7.0, row), P::CARTWORKPALETTE_MUTED, 1.0);
        char number[8];
        std::snprintf(number, sizeof number, "%d", mark);
        text(number, meter.left - 9.5, row + 2.5, G::CGRAPHICS_ANCHOR_RIGHT, scale, P::CARTWORKPALETTE_CAPTION);
    }
}

}  // namespace Corvane::CorGain::Artwork
