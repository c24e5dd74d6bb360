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

int clampChannel(double value)
{
    return static_cast<int>(std::clamp(std::lround(value), 0L, 255L));
}

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

}  // namespace

cairo_surface_t* CBackgroundArtwork::createBackground()
{
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, L::CARTWORKLAYOUT_PANEL_WIDTH, L::CARTWORKLAYOUT_PANEL_HEIGHT);
    cairo_t* cr = cairo_create(surface);
    CPainter painter(cr);

    drawPanel(surface, painter);
    drawHeader(painter);
    for (std::size_t i = 0; i < L::sectionCount(); ++i) {
        drawSection(painter, L::sections()[i]);
    }
    drawMeterWell(painter);
    for (std::size_t i = 0; i < L::controlCount(); ++i) {
        const SControlPlacement& control = L::controls()[i];
        drawControlSeat(painter, control);
        drawCaption(painter, control);
        drawPlate(painter, control);
    }

    cairo_destroy(cr);
    return surface;
}

void CBackgroundArtwork::drawPanel(cairo_surface_t* surface, CPainter& painter)
{
    const double width = L::CARTWORKLAYOUT_PANEL_WIDTH;
    const double height = L::CARTWORKLAYOUT_PANEL_HEIGHT;
    painter.fillRoundedGradient(0.0, 0.0, width, height, 0.0, P::CARTWORKPALETTE_PANEL_TOP,
                                P::CARTWORKPALETTE_PANEL_BOTTOM);

    // Brushed-metal grain: each row gets its own slight shade plus fine streaks along it.
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    CTextureNoise noise;
    for (int y = 0; y < L::CARTWORKLAYOUT_PANEL_HEIGHT; ++y) {
        const double rowShade = noise.next() * 5.0;
        double streak = 0.0;
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < L::CARTWORKLAYOUT_PANEL_WIDTH; ++x) {
            streak = streak * 0.85 + noise.next() * 0.9;
            const double shift = rowShade + streak * 2.0;
            const std::uint32_t pixel = row[x];
            const int red = clampChannel(((pixel >> 16) & 0xFF) + shift);
            const int green = clampChannel(((pixel >> 8) & 0xFF) + shift);
            const int blue = clampChannel((pixel & 0xFF) + shift);
            row[x] = 0xFF000000U | (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
                     static_cast<std::uint32_t>(blue);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void CBackgroundArtwork::drawHeader(CPainter& painter)
{
    const double width = L::CARTWORKLAYOUT_PANEL_WIDTH;
    painter.fillRoundedGradient(0.0, 0.0, width, 38.0, 0.0, P::CARTWORKPALETTE_HEADER_TOP,
                                P::CARTWORKPALETTE_HEADER_BOTTOM);
    painter.drawLine(0.0, 37.5, width, 37.5, P::CARTWORKPALETTE_ACCENT.withAlpha(170), 1.0);

    painter.setFont(Id::CARTWORKIDENTITY_FONT, 23.0, true);
    const double nameLeft = 52.0;
    const double nameWidth = painter.textWidth(Id::CARTWORKIDENTITY_PRODUCT);
    painter.drawText(Id::CARTWORKIDENTITY_PRODUCT, nameLeft, 27.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_CAPTION);
    painter.setFont(Id::CARTWORKIDENTITY_FONT, 8.0, true);
    painter.drawText(Id::CARTWORKIDENTITY_KIND, nameLeft + nameWidth + 10.0, 26.0, CPainter::EAlign::Left,
                     P::CARTWORKPALETTE_ACCENT, 1.5);

    painter.setFont(Id::CARTWORKIDENTITY_FONT, 10.5, false);
    painter.drawText(Id::CARTWORKIDENTITY_VENDOR, width - 10.0, 25.0, CPainter::EAlign::Right,
                     P::CARTWORKPALETTE_MUTED);
}

void CBackgroundArtwork::drawSection(CPainter& painter, const SSectionPlacement& section)
{
    if (section.section == ESection::Header) {
        return;
    }
    const SRectangle& a = section.area;
    painter.fillRoundedRectangle(a.left + 0.5, a.top + 1.5, a.width, a.height, 6.0, SColour{0, 0, 0, 70});
    painter.fillRoundedGradient(a.left, a.top, a.width, a.height, 6.0, P::CARTWORKPALETTE_SECTION_TOP.withAlpha(190),
                                P::CARTWORKPALETTE_SECTION_BOTTOM.withAlpha(200));
    painter.strokeRoundedRectangle(a.left + 0.5, a.top + 0.5, a.width - 1.0, a.height - 1.0, 5.5,
                                   P::CARTWORKPALETTE_SECTION_EDGE, 1.0);
    painter.drawLine(a.left + 6.0, a.top + 1.5, a.right() - 6.0, a.top + 1.5, SColour{255, 255, 255, 30}, 1.0);

    painter.setFont(Id::CARTWORKIDENTITY_FONT, TITLE_SIZE, true);
    const double titleLeft = a.left + 9.0;
    const double titleWidth = painter.textWidth(section.title, TITLE_SPACING);
    painter.drawText(section.title, titleLeft, a.top + 14.0, CPainter::EAlign::Left, P::CARTWORKPALETTE_ACCENT,
                     TITLE_SPACING);
    const double ruleLeft = titleLeft + titleWidth + 8.0;
    if (ruleLeft < a.right() - 12.0) {
        painter.drawLine(ruleLeft, a.top + 10.5, a.right() - 9.0, a.top + 10.5, P::CARTWORKPALETTE_SECTION_EDGE, 1.0);
    }
}

void CBackgroundArtwork::drawControlSeat(CPainter& painter, const SControlPlacement& control)
{
    const SRectangle area = L::controlArea(control);
    if (control.kind == EControlKind::Knob) {
        const double cx = area.left + area.width / 2.0;
        const double cy = area.top + area.height / 2.0;
        painter.fillCircle(cx, cy + 0.5, area.width / 2.0 + 0.5, SColour{0, 0, 0, 90});
        // Scale: eleven ticks over the travel, the ends and the middle longer.
        const double travel = L::CARTWORKLAYOUT_KNOB_TRAVEL_DEGREES;
        for (int tick = 0; tick <= 10; ++tick) {
            const double angle = radians(-travel / 2.0 + travel * tick / 10.0);
            const bool major = tick == 0 || tick == 5 || tick == 10;
            const double inner = area.width / 2.0 + 2.0;
            const double outer = inner + (major ? 3.5 : 2.0);
            const double dx = std::sin(angle);
            const double dy = -std::cos(angle);
            painter.drawLine(cx + dx * inner, cy + dy * inner, cx + dx * outer, cy + dy * outer,
                             major ? P::CARTWORKPALETTE_CAPTION : P::CARTWORKPALETTE_MUTED, major ? 1.4 : 1.0);
        }
    } else if (control.kind == EControlKind::LatchingButton || control.kind == EControlKind::PopupButton) {
        painter.fillRoundedRectangle(area.left - 2.0, area.top - 2.0, area.width + 4.0, area.height + 4.0, 6.0,
                                     SColour{0, 0, 0, 110});
        painter.drawLine(area.left + 2.0, area.bottom() + 1.5, area.right() - 2.0, area.bottom() + 1.5,
                         SColour{255, 255, 255, 35}, 1.0);
        if (control.kind == EControlKind::PopupButton) {
            // A small down arrow beside the key marks the buttons that open a menu.
            cairo_t* cr = painter.context();
            const double x = area.right() + 5.0;
            const double y = area.top + area.height / 2.0 - 2.0;
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x + 7.0, y);
            cairo_line_to(cr, x + 3.5, y + 4.0);
            cairo_close_path(cr);
            painter.setColour(P::CARTWORKPALETTE_ACCENT);
            cairo_fill(cr);
        }
    }
}

void CBackgroundArtwork::drawCaption(CPainter& painter, const SControlPlacement& control)
{
    if (control.caption[0] == '\0') {
        return;
    }
    const SRectangle area = L::controlArea(control);
    const double baseline = control.kind == EControlKind::Knob ? area.top - 7.0 : area.top - 6.0;
    painter.setFont(Id::CARTWORKIDENTITY_FONT, CAPTION_SIZE, true);
    painter.drawText(control.caption, area.left + area.width / 2.0, baseline, CPainter::EAlign::Centre,
                     P::CARTWORKPALETTE_CAPTION, CAPTION_SPACING);
}

void CBackgroundArtwork::drawPlate(CPainter& painter, const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return;
    }
    const SRectangle plate = L::plateArea(control);
    // An inset light display: dark rim, light face, a faint shadow along its top edge.
    painter.fillRoundedRectangle(plate.left - 1.0, plate.top - 1.0, plate.width + 2.0, plate.height + 2.0, 4.0,
                                 P::CARTWORKPALETTE_PLATE_EDGE.withAlpha(200));
    painter.fillRoundedGradient(plate.left, plate.top, plate.width, plate.height, 3.0, P::CARTWORKPALETTE_PLATE_TOP,
                                P::CARTWORKPALETTE_PLATE_BOTTOM);
    painter.drawLine(plate.left + 2.0, plate.top + 0.5, plate.right() - 2.0, plate.top + 0.5, SColour{0, 0, 0, 40},
                     1.0);
}

void CBackgroundArtwork::drawMeterWell(CPainter& painter)
{
    const SRectangle& meter = L::CARTWORKLAYOUT_METER;
    painter.fillRoundedRectangle(meter.left - 3.0, meter.top - 3.0, meter.width + 6.0, meter.height + 6.0, 5.0,
                                 SColour{0, 0, 0, 160});
    painter.fillRoundedRectangle(meter.left - 2.0, meter.top - 2.0, meter.width + 4.0, meter.height + 4.0, 4.0,
                                 SColour{255, 255, 255, 40});
    painter.fillRoundedRectangle(meter.left - 2.0, meter.top - 2.0, meter.width + 4.0, meter.height + 3.0, 4.0,
                                 P::CARTWORKPALETTE_WELL);

    // Unlit segments, so the column reads as a meter when no level is shown.
    for (int index = 0; index < L::CARTWORKLAYOUT_METER_SEGMENTS; ++index) {
        const SRectangle segment = L::meterSegment(index);
        painter.fillRoundedRectangle(segment.left, segment.top, segment.width, segment.height, 0.0,
                                     P::CARTWORKPALETTE_ACCENT_DIM);
    }

    const double centre = meter.left + meter.width / 2.0;
    painter.setFont(Id::CARTWORKIDENTITY_FONT, 8.0, true);
    painter.drawText("dBFS", centre, meter.top + 13.0, CPainter::EAlign::Centre, P::CARTWORKPALETTE_MUTED, 0.6);

    // Scale in dB of the peak level, which the meter shows linearly.
    const int marks[] = {0, -3, -6, -9, -12, -18, -24};
    painter.setFont(Id::CARTWORKIDENTITY_FONT, 7.0, false);
    for (int mark : marks) {
        const double row = std::floor(L::meterLevelRow(std::pow(10.0, mark / 20.0))) + 0.5;
        painter.drawLine(meter.left - 7.0, row, meter.left - 4.0, row, P::CARTWORKPALETTE_MUTED, 1.0);
        painter.drawLine(meter.right() + 4.0, row, meter.right() + 7.0, row, P::CARTWORKPALETTE_MUTED, 1.0);
        char text[8];
        std::snprintf(text, sizeof text, "%d", mark);
        painter.drawText(text, meter.left - 9.5, row + 2.5, CPainter::EAlign::Right, P::CARTWORKPALETTE_CAPTION);
    }
}

}  // namespace Corvane::CorGain::Artwork
