#pragma once

#include "SColour.hpp"

namespace Corvane::CorGain::Artwork {

// The colours shared by every picture of the editor.
class CArtworkPalette {
public:
    // The meter's segment colour, also the accent colour of the artwork.
    static constexpr SColour CARTWORKPALETTE_ACCENT{116, 184, 188};
    static constexpr SColour CARTWORKPALETTE_ACCENT_DIM{28, 46, 48};
    static constexpr SColour CARTWORKPALETTE_PANEL_TOP{50, 54, 59};
    static constexpr SColour CARTWORKPALETTE_PANEL_BOTTOM{30, 33, 36};
    static constexpr SColour CARTWORKPALETTE_HEADER_TOP{24, 26, 29};
    static constexpr SColour CARTWORKPALETTE_HEADER_BOTTOM{16, 18, 20};
    static constexpr SColour CARTWORKPALETTE_SECTION_TOP{60, 65, 71};
    static constexpr SColour CARTWORKPALETTE_SECTION_BOTTOM{44, 48, 53};
    static constexpr SColour CARTWORKPALETTE_SECTION_EDGE{84, 91, 98};
    static constexpr SColour CARTWORKPALETTE_CAPTION{218, 222, 226};
    static constexpr SColour CARTWORKPALETTE_MUTED{140, 148, 156};
    static constexpr SColour CARTWORKPALETTE_PLATE_TOP{232, 236, 236};
    static constexpr SColour CARTWORKPALETTE_PLATE_BOTTOM{208, 215, 216};
    static constexpr SColour CARTWORKPALETTE_PLATE_EDGE{14, 16, 18};
    static constexpr SColour CARTWORKPALETTE_WELL{10, 12, 13};
    static constexpr SColour CARTWORKPALETTE_BLACK{0, 0, 0};
    static constexpr SColour CARTWORKPALETTE_WHITE{255, 255, 255};
};

}  // namespace Corvane::CorGain::Artwork
