#pragma once

#include "gui/fonts/CFont.hpp"

namespace Corvane::CorGain::Artwork {

// The product's identity as the pictures print it.
class CArtworkIdentity {
public:
    static constexpr const char* CARTWORKIDENTITY_PRODUCT = "Tenvira";
    static constexpr const char* CARTWORKIDENTITY_VENDOR = "Tolvek Orvasse Audio";
    static constexpr const char* CARTWORKIDENTITY_VERSION = "1.0.0";
    static constexpr const char* CARTWORKIDENTITY_KIND = "SIDE-CHAIN COMPRESSOR";
    static constexpr const char* CARTWORKIDENTITY_DESCRIPTION =
        "Stereo compressor with key EQ, valve saturation and look-ahead limiter";
    static constexpr const char* CARTWORKIDENTITY_FONT = "Liberation Sans";

    // The artwork's typeface at a size in pixels (fractions allowed), bold or regular.
    static Corvane::GUI::Fonts::CFont font(double size, bool bold)
    {
        Corvane::GUI::Fonts::CFont typeface(CARTWORKIDENTITY_FONT, 0, false, bold);
        typeface.setPointSize(size);
        return typeface;
    }
};

}  // namespace Corvane::CorGain::Artwork
