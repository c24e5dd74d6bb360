#include "CKnobArtwork.hpp"

#include "CArtworkLayout.hpp"
#include "CArtworkPalette.hpp"

#include <cmath>

namespace Corvane::CorGain::Artwork {

namespace {

using CPen = Corvane::GUI::Graphics::CPen;

constexpr double TRACK_RADIUS = 15.0;
constexpr double TRACK_WIDTH = 2.6;
constexpr double SKIRT_RADIUS = 12.2;
constexpr double FACE_RADIUS = 9.8;
constexpr double POINTER_INNER = 3.2;
constexpr double POINTER_OUTER = 10.6;

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

// Paths measure angles from three o'clock, clockwise on screen.
double pathAngle(double clockDegrees)
{
    return radians(clockDegrees - 90.0);
}

CArtworkPicture::CPath arc(double cx, double cy, double radius, double fromDegrees, double toDegrees)
{
    CArtworkPicture::CPath path;
    path.arc(cx, cy, radius, pathAngle(fromDegrees), pathAngle(toDegrees));
    return path;
}

// Light from the top left, dark at the bottom right.
CArtworkPicture::CGradient diagonal(double cx, double cy, double r, const CArtworkPicture::CAlphaColour& light,
                                    const CArtworkPicture::CAlphaColour& dark)
{
    return CArtworkPicture::CGradient::linear(cx - r, cy - r, cx + r, cy + r, light, dark);
}

}  // namespace

CKnobArtwork::CKnobArtwork(int scale)
    : CArtworkPicture(CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE,
                      CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE * CArtworkLayout::CARTWORKLAYOUT_KNOB_FRAMES, true,
                      scale)
{}

void CKnobArtwork::drawKnob(double left, double top, double value)
{
    const double half = CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE / 2.0;
    const double cx = left + half;
    const double cy = top + half;
    const double travel = CArtworkLayout::CARTWORKLAYOUT_KNOB_TRAVEL_DEGREES;
    const double start = -travel / 2.0;
    const double angle = start + travel * value;

    // Value ring: a dark groove over the whole travel, lit up to the current value.
    stroke(arc(cx, cy, TRACK_RADIUS, start, start + travel), CAlphaColour(14, 16, 18), TRACK_WIDTH);
    if (angle > start) {
        stroke(arc(cx, cy, TRACK_RADIUS, start, angle), CArtworkPalette::CARTWORKPALETTE_ACCENT, TRACK_WIDTH);
    }

    // Cap: shadow, bevelled skirt, then the face with a thin dark edge.
    fill(CPath::circle(cx, cy + 1.2, SKIRT_RADIUS + 0.6), CAlphaColour(0, 0, 0, 120));
    graphics().fillPath(CPath::circle(cx, cy, SKIRT_RADIUS),
                        diagonal(cx, cy, SKIRT_RADIUS, CAlphaColour(176, 182, 188), CAlphaColour(40, 44, 48)));
    graphics().fillPath(CPath::circle(cx, cy, FACE_RADIUS),
                        diagonal(cx, cy, FACE_RADIUS, CAlphaColour(78, 83, 89), CAlphaColour(118, 124, 130)));
    stroke(arc(cx, cy, FACE_RADIUS, 90.0, 450.0), CAlphaColour(22, 24, 27, 200), 0.8);

    // Pointer: a bright line from near the centre to the skirt, over a soft shadow.
    const double a = radians(angle);
    const CPath pointer = CPath::line(cx + std::sin(a) * POINTER_INNER, cy - std::cos(a) * POINTER_INNER,
                                      cx + std::sin(a) * POINTER_OUTER, cy - std::cos(a) * POINTER_OUTER);
    stroke(pointer, CAlphaColour(0, 0, 0, 90), 3.4, CPen::CPEN_CAP_ROUND);
    stroke(pointer, CAlphaColour(250, 252, 252), 2.0, CPen::CPEN_CAP_ROUND);
}

CArtworkPicture::CRGBAImage* CKnobArtwork::createStrip(int scale)
{
    const long size = CArtworkLayout::CARTWORKLAYOUT_KNOB_SIZE;
    const int frames = CArtworkLayout::CARTWORKLAYOUT_KNOB_FRAMES;
    CKnobArtwork strip(scale);
    for (int frame = 0; frame < frames; ++frame) {
        // Each frame is clipped to its own square so nothing bleeds into its neighbours.
        strip.graphics().getClippingRegion().setCurrentClipRegion(
            Corvane::MathTools::CRect(0, frame * size, size, size));
        strip.drawKnob(0.0, static_cast<double>(frame * size), frame / static_cast<double>(frames - 1));
    }
    return strip.finish();
}

}  // namespace Corvane::CorGain::Artwork
