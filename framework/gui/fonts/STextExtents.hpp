#pragma once

namespace Corvane { namespace GUI { namespace Fonts {

/**
 * How much room a line of text takes, in pixels, relative to its origin on
 * the baseline: the inked box (y grows downwards, so the top bearing of
 * letters above the baseline is negative) and the advance to where the next
 * text would start.
 */
struct STextExtents {
    double inkLeft = 0.0;
    double inkTop = 0.0;
    double inkWidth = 0.0;
    double inkHeight = 0.0;
    double advance = 0.0;
};

}}}  // namespace Corvane::GUI::Fonts
