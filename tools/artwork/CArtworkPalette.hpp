#pragma once

#include "gui/basics/CAlphaColour.hpp"

namespace Corvane::CorGain::Artwork {

// The colours shared by every picture of the editor.
class CArtworkPalette {
public:
    using CAlphaColour = Corvane::GUI::Basics::CAlphaColour;

    // The meter's segment colour, also the accent colour of the artwork.
    static const CAlphaColour CARTWORKPALETTE_ACCENT;
    static const CAlphaColour CARTWORKPALETTE_ACCENT_DIM;
    static const CAlphaColour CARTWORKPALETTE_PANEL_TOP;
    static const CAlphaColour CARTWORKPALETTE_PANEL_BOTTOM;
    static const CAlphaColour CARTWORKPALETTE_HEADER_TOP;
    static const CAlphaColour CARTWORKPALETTE_HEADER_BOTTOM;
    static const CAlphaColour CARTWORKPALETTE_SECTION_TOP;
    static const CAlphaColour CARTWORKPALETTE_SECTION_BOTTOM;
    static const CAlphaColour CARTWORKPALETTE_SECTION_EDGE;
    static const CAlphaColour CARTWORKPALETTE_CAPTION;
    static const CAlphaColour CARTWORKPALETTE_MUTED;
    static const CAlphaColour CARTWORKPALETTE_PLATE_TOP;
    static const CAlphaColour CARTWORKPALETTE_PLATE_BOTTOM;
    static const CAlphaColour CARTWORKPALETTE_PLATE_EDGE;
    static const CAlphaColour CARTWORKPALETTE_WELL;
    static const CAlphaColour CARTWORKPALETTE_BLACK;
    static const CAlphaColour CARTWORKPALETTE_WHITE;
};

}  // namespace Corvane::CorGain::Artwork
