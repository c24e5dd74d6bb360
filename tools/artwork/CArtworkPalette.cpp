#include "CArtworkPalette.hpp"

namespace Corvane::CorGain::Artwork {

// Spelt out, never copied from the framework's constants: those may not be
// initialised yet when these are.
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_ACCENT(116, 184, 188);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_ACCENT_DIM(28, 46, 48);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_PANEL_TOP(50, 54, 59);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_PANEL_BOTTOM(30, 33, 36);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_HEADER_TOP(24, 26, 29);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_HEADER_BOTTOM(16, 18, 20);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_SECTION_TOP(60, 65, 71);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_SECTION_BOTTOM(44, 48, 53);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_SECTION_EDGE(84, 91, 98);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_CAPTION(218, 222, 226);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_MUTED(140, 148, 156);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_PLATE_TOP(232, 236, 236);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_PLATE_BOTTOM(208, 215, 216);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_PLATE_EDGE(14, 16, 18);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_WELL(10, 12, 13);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_BLACK(0, 0, 0);
const CArtworkPalette::CAlphaColour CArtworkPalette::CARTWORKPALETTE_WHITE(255, 255, 255);

}  // namespace Corvane::CorGain::Artwork
