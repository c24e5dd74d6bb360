// Where Tenvira's editor places its controls and their value labels. The
// editor builds its controls from this table and the artwork generator draws
// the panel behind them from it, so the two cannot stand apart. Plain data:
// no GUI, no artwork.
#pragma once

#include <cstddef>

namespace Corvane { namespace CorGain {

enum class EControlKind {
    Knob,
    LatchingButton,
    PopupButton,
    InfoButton,
    Meter
};

// One control of the editor. Knobs and buttons take their size from their pictures.
struct SControlLayout {
    EControlKind kind;
    int id;  // the parameter index the control drives; 22 the information button, -1 the meter
    int left;
    int top;
    bool hasLabel;
    int labelLeft;
    int labelTop;
    // The label's text until the parameter is first shown; null: the parameter's display and unit.
    const char* firstText;
};

class CCorGainLayout {
public:
    static constexpr int CCORGAINLAYOUT_WIDTH = 463;
    static constexpr int CCORGAINLAYOUT_HEIGHT = 465;
    static constexpr int CCORGAINLAYOUT_LABEL_WIDTH = 96;
    static constexpr int CCORGAINLAYOUT_LABEL_HEIGHT = 20;
    static constexpr int CCORGAINLAYOUT_KNOB_FRAMES = 63;
    static constexpr int CCORGAINLAYOUT_METER_LEFT = 404;
    static constexpr int CCORGAINLAYOUT_METER_TOP = 64;
    static constexpr int CCORGAINLAYOUT_METER_WIDTH = 40;
    static constexpr int CCORGAINLAYOUT_METER_HEIGHT = 270;
    static constexpr int CCORGAINLAYOUT_METER_SEGMENTS = 50;

    // In creation order, which is also the order of hit tests: the information button first, the meter last.
    static const SControlLayout* controls();
    static std::size_t controlCount();

    CCorGainLayout() = delete;
};

}}  // namespace Corvane::CorGain
