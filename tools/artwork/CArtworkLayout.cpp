#include "CArtworkLayout.hpp"

#include <cmath>

namespace Corvane::CorGain::Artwork {

namespace {

using K = EControlKind;
using S = ESection;

// In the editor's creation order; positions are left and top in pixels.
constexpr SControlPlacement CONTROLS[] = {
    {K::InfoButton, 22, "", 0, 0, false, 0, 0, 0, "", S::Header},
    {K::Knob, 0, "MASTER", 410, 405, true, 395, 440, 64, " -20.00 dB", S::RoutingOutput},
    {K::Knob, 5, "MIX", 332, 405, true, 332, 440, 52, " 0.50 ", S::RoutingOutput},
    {K::Knob, 1, "THRESHOLD", 20, 80, true, 10, 115, 68, " -50.00 dB", S::Compressor},
    {K::Knob, 2, "RATIO", 100, 80, true, 90, 115, 68, " 20.00 :1", S::Compressor},
    {K::Knob, 3, "ATTACK", 175, 80, true, 164, 115, 68, " 1000.0 ms", S::Compressor},
    {K::Knob, 4, "RELEASE", 252, 80, true, 241, 115, 68, " 1000.0 ms", S::Compressor},
    {K::Knob, 13, "SOFT KNEE", 331, 80, true, 320, 115, 61, " 100.00 %", S::Compressor},
    {K::Knob, 6, "EQ LOW", 20, 190, true, 10, 225, 68, " -20.00 dB", S::KeyEqualiser},
    {K::Knob, 7, "EQ MID", 100, 190, true, 90, 225, 68, " -20.00 dB", S::KeyEqualiser},
    {K::Knob, 8, "EQ HIGH", 175, 190, true, 164, 225, 68, " -20.00 dB", S::KeyEqualiser},
    {K::Knob, 15, "MID/SIDE", 252, 190, true, 250, 225, 52, " -1.00 ", S::KeyEqualiser},
    {K::LatchingButton, 10, "MONITOR", 331, 190, true, 325, 225, 52, "Output ", S::KeyEqualiser},
    {K::LatchingButton, 11, "MAKE-UP", 252, 405, true, 255, 441, 52, "Output", S::RoutingOutput},
    {K::PopupButton, 14, "VALVE", 175, 405, true, 170, 440, 56, "Bypass", S::RoutingOutput},
    {K::PopupButton, 12, "KEY INPUT", 20, 405, true, 20, 440, 56, "SC Input", S::RoutingOutput},
    {K::LatchingButton, 9, "SIDE-CHAIN", 100, 405, true, 90, 440, 60, "External", S::RoutingOutput},
    {K::Knob, 18, "THRESHOLD", 20, 299, true, 10, 334, 68, " -50.00 dB", S::Limiter},
    {K::Knob, 19, "CEILING", 100, 299, true, 90, 334, 68, " -50.00 dB", S::Limiter},
    {K::Knob, 17, "RELEASE", 175, 299, true, 165, 334, 68, " 1000.0 ms", S::Limiter},
    {K::LatchingButton, 16, "LIMITER", 333, 299, true, 335, 334, 44, "Off ", S::Limiter},
    {K::Meter, -1, "", 404, 64, false, 0, 0, 0, "", S::Level},
};

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
    return CONTROLS;
}

std::size_t CArtworkLayout::controlCount()
{
    return sizeof(CONTROLS) / sizeof(CONTROLS[0]);
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
