#pragma once

#include "CCorGainLayout.hpp"

#include <cstddef>

namespace Corvane::CorGain::Artwork {

using Corvane::CorGain::EControlKind;

// The titled groups of the panel.
enum class ESection {
    Header,
    Compressor,
    KeyEqualiser,
    Limiter,
    RoutingOutput,
    Level
};

struct SRectangle {
    int left;
    int top;
    int width;
    int height;

    constexpr int right() const { return left + width; }   // one past the last column
    constexpr int bottom() const { return top + height; }  // one past the last row
};

// One control of the editor where the editor places it, with what the panel shows around it.
struct SControlPlacement : SControlLayout {
    const char* caption;     // printed on the panel above the control
    int plateWidth;          // width of the light plate behind the label text
    const char* widestText;  // the widest text the label can show
    ESection section;
};

struct SSectionPlacement {
    ESection section;
    const char* title;
    SRectangle area;
};

// The editor's geometry, shared by the artwork generator, the preview and the tests.
class CArtworkLayout {
public:
    static constexpr int CARTWORKLAYOUT_PANEL_WIDTH = CCorGainLayout::CCORGAINLAYOUT_WIDTH;
    static constexpr int CARTWORKLAYOUT_PANEL_HEIGHT = CCorGainLayout::CCORGAINLAYOUT_HEIGHT;

    static constexpr int CARTWORKLAYOUT_KNOB_SIZE = 34;  // K: one frame is K x K
    static constexpr int CARTWORKLAYOUT_KNOB_FRAMES = CCorGainLayout::CCORGAINLAYOUT_KNOB_FRAMES;
    static constexpr double CARTWORKLAYOUT_KNOB_TRAVEL_DEGREES = 270.0;
    static constexpr int CARTWORKLAYOUT_BUTTON_WIDTH = 44;  // B
    static constexpr int CARTWORKLAYOUT_BUTTON_HEIGHT = 24;
    static constexpr int CARTWORKLAYOUT_INFO_WIDTH = 40;  // I
    static constexpr int CARTWORKLAYOUT_INFO_HEIGHT = 20;
    static constexpr int CARTWORKLAYOUT_SPLASH_WIDTH = 420;
    static constexpr int CARTWORKLAYOUT_SPLASH_HEIGHT = 236;

    static constexpr int CARTWORKLAYOUT_LABEL_WIDTH = CCorGainLayout::CCORGAINLAYOUT_LABEL_WIDTH;
    static constexpr int CARTWORKLAYOUT_LABEL_HEIGHT = CCorGainLayout::CCORGAINLAYOUT_LABEL_HEIGHT;
    static constexpr double CARTWORKLAYOUT_LABEL_FONT_SIZE = 12.0;
    static constexpr const char* CARTWORKLAYOUT_LABEL_FONT = "Arial";

    static constexpr SRectangle CARTWORKLAYOUT_METER{
        CCorGainLayout::CCORGAINLAYOUT_METER_LEFT, CCorGainLayout::CCORGAINLAYOUT_METER_TOP,
        CCorGainLayout::CCORGAINLAYOUT_METER_WIDTH, CCorGainLayout::CCORGAINLAYOUT_METER_HEIGHT};
    static constexpr int CARTWORKLAYOUT_METER_SEGMENTS = CCorGainLayout::CCORGAINLAYOUT_METER_SEGMENTS;
    static constexpr int CARTWORKLAYOUT_METER_SEGMENT_WIDTH = 36;
    static constexpr int CARTWORKLAYOUT_METER_SEGMENT_HEIGHT = 3;
    static constexpr int CARTWORKLAYOUT_METER_GAP = 2;

    // The editor's controls in its order, each with the panel's caption, plate and section for it.
    static const SControlPlacement* controls();
    static std::size_t controlCount();
    static const SSectionPlacement* sections();
    static std::size_t sectionCount();

    // The control's own rectangle: knob K x K, button B, info button I, or the meter.
    static SRectangle controlArea(const SControlPlacement& control);
    // The value label's rectangle, 96 x 20 at the label position.
    static SRectangle labelArea(const SControlPlacement& control);
    // The light plate behind the label text.
    static SRectangle plateArea(const SControlPlacement& control);
    // Segment `index` of the meter, 0 being the bottom one.
    static SRectangle meterSegment(int index);
    // The panel row at which a meter level (0..1) reaches: the top of the highest lit segment.
    static double meterLevelRow(double level);
};

}  // namespace Corvane::CorGain::Artwork
