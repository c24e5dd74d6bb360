#include "CArtworkLayout.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace Corvane::CorGain::Artwork {

namespace {

using S = ESection;

// What the panel shows around each control of the editor's layout.
struct SPanelDetail {
    int id;
    const char* caption;
    int plateWidth;
    const char* widestText;
    ESection section;
};

constexpr SPanelDetail DETAILS[] = {
    {22, "", 0, "", S::Header},
    {0, "MASTER", 64, " -20.00 dB", S::RoutingOutput},
    {5, "MIX", 52, " 0.50 ", S::RoutingOutput},
    {1, "THRESHOLD", 68, " -50.00 dB", S::Compressor},
    {2, "RATIO", 68, " 20.00 :1", S::Compressor},
    {3, "ATTACK", 68, " 1000.0 ms", S::Compressor},
    {4, "RELEASE", 68, " 1000.0 ms", S::Compressor},
    {13, "SOFT KNEE", 61, " 100.00 %", S::Compressor},
    {6, "EQ LOW", 68, " -20.00 dB", S::KeyEqualiser},
    {7, "EQ MID", 68, " -20.00 dB", S::KeyEqualiser},
    {8, "EQ HIGH", 68, " -20.00 dB", S::KeyEqualiser},
    {15, "MID/SIDE", 52, " -1.00 ", S::KeyEqualiser},
    {10, "MONITOR", 52, "Output ", S::KeyEqualiser},
    {11, "MAKE-UP", 52, "Output", S::RoutingOutput},
    {14, "VALVE", 56, "Bypass", S::RoutingOutput},
    {12, "KEY INPUT", 56, "SC Input", S::RoutingOutput},
    {9, "SIDE-CHAIN", 60, "External", S::RoutingOutput},
    {18, "THRESHOLD", 68, " -50.00 dB", S::Limiter},
    {19, "CEILING", 68, " -50.00 dB", S::Limiter},
    {17, "RELEASE", 68, " 1000.0 ms", S::Limiter},
    {16, "LIMITER", 44, "Off ", S::Limiter},
    {-1, "", 0, "", S::Level},
};

// The editor's controls, in its order, joined with their panel details.
std::vector<SControlPlacement> placeControls()
{
    std::vector<SControlPlacement> placements;
    for (std::size_t row = 0; row < CCorGainLayout::controlCount(); ++row) {
        const SControlLayout& control = CCorGainLayout::controls()[row];
        const auto detail = std::find_if(std::begin(DETAILS), std::end(DETAILS),
                                         [&](const SPanelDetail& candidate) { return candidate.id == control.id; });
        if (detail == std::end(DETAILS)) {
            throw std::logic_error("The panel has no caption or plate for editor control " +
                                   std::to_string(control.id));
        }
        placements.push_back({control, detail->caption, detail->plateWidth, detail->widestText, detail->section});
    }
    return placements;
}

constexpr SSectionPlacement SECTIONS[] = {
    {S::Header, "", {0, 0, 463, 38}},
    {S::Compressor, "COMPRESSOR", {4, 40, 378, 100}},
    {S::KeyEqualiser, "KEY EQUALISER  /  MID-SIDE", {4, 150, 378, 100}},
    {S::Limiter, "LIMITER", {4, 259, 378, 100}},
    {S::RoutingOutput, "ROUTING  /  OUTPUT", {4, 366, 455, 97}},
    {S::Level, "LEVEL", {385, 40, 74, 319}},
};

}  // namespace

const SControlPlacement* CArtworkLayout::controls()
{
    static const std::vector<SControlPlacement> placements = placeControls();
    return placements.data();
}

std::size_t CArtworkLayout::controlCount()
{
    return CCorGainLayout::controlCount();
}

const SSectionPlacement* CArtworkLayout::sections()
{
    return SECTIONS;
}

std::size_t CArtworkLayout::sectionCount()
{
    return sizeof(SECTIONS) / sizeof(SECTIONS[0]);
}

SRectangle CArtworkLayout::controlArea(const SControlPlacement& control)
{
    switch (control.kind) {
    case EControlKind::Knob:
        return {control.left, control.top, CARTWORKLAYOUT_KNOB_SIZE, CARTWORKLAYOUT_KNOB_SIZE};
    case EControlKind::LatchingButton:
    case EControlKind::PopupButton:
        return {control.left, control.top, CARTWORKLAYOUT_BUTTON_WIDTH, CARTWORKLAYOUT_BUTTON_HEIGHT};
    case EControlKind::InfoButton:
        return {control.left, control.top, CARTWORKLAYOUT_INFO_WIDTH, CARTWORKLAYOUT_INFO_HEIGHT};
    case EControlKind::Meter:
        break;
    }
    return CARTWORKLAYOUT_METER;
}

SRectangle CArtworkLayout::labelArea(const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return {0, 0, 0, 0};
    }
    return {control.labelLeft, control.labelTop, CARTWORKLAYOUT_LABEL_WIDTH, CARTWORKLAYOUT_LABEL_HEIGHT};
}

SRectangle CArtworkLayout::plateArea(const SControlPlacement& control)
{
    if (!control.hasLabel) {
        return {0, 0, 0, 0};
    }
    // The label draws its text one pixel in from its left and top edges; the plate
    // starts a little to the left so that texts without a leading blank have a margin.
    return {control.labelLeft - 3, control.labelTop + 2, control.plateWidth, CARTWORKLAYOUT_LABEL_HEIGHT - 2};
}

SRectangle CArtworkLayout::meterSegment(int index)
{
    const SRectangle& meter = CARTWORKLAYOUT_METER;
    const int step = CARTWORKLAYOUT_METER_SEGMENT_HEIGHT + CARTWORKLAYOUT_METER_GAP;
    const int bottomTop = meter.height - CARTWORKLAYOUT_METER_SEGMENT_HEIGHT - 2;
    return {meter.left + 2, meter.top + bottomTop - index * step, CARTWORKLAYOUT_METER_SEGMENT_WIDTH,
            CARTWORKLAYOUT_METER_SEGMENT_HEIGHT};
}

double CArtworkLayout::meterLevelRow(double level)
{
    const int step = CARTWORKLAYOUT_METER_SEGMENT_HEIGHT + CARTWORKLAYOUT_METER_GAP;
    const double bottom = meterSegment(0).bottom() + CARTWORKLAYOUT_METER_GAP;
    return bottom - level * CARTWORKLAYOUT_METER_SEGMENTS * step;
}

}  // namespace Corvane::CorGain::Artwork
