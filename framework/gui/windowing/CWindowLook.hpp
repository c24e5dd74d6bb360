#pragma once

#include "gui/basics/CAlphaColour.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * The look of the windows the framework draws itself (menus, the alert),
 * taken from the editor's artwork, and the keys they answer.
 */
class CWindowLook {
public:
    /** The light plate of the value labels. */
    static const Basics::CAlphaColour CWINDOWLOOK_PLATE;
    /** The dark band of the header. */
    static const Basics::CAlphaColour CWINDOWLOOK_HEADER;
    static const Basics::CAlphaColour CWINDOWLOOK_CAPTION;
    static const Basics::CAlphaColour CWINDOWLOOK_TEXT;
    static const Basics::CAlphaColour CWINDOWLOOK_MUTED_TEXT;
    /** The edge around plates and buttons. */
    static const Basics::CAlphaColour CWINDOWLOOK_EDGE;
    static const Basics::CAlphaColour CWINDOWLOOK_BUTTON;
    /** The meter's turquoise, the artwork's accent, and the rim around it. */
    static const Basics::CAlphaColour CWINDOWLOOK_ACCENT;
    static const Basics::CAlphaColour CWINDOWLOOK_ACCENT_RIM;
    static const Basics::CAlphaColour CWINDOWLOOK_ERROR;

    static constexpr char CWINDOWLOOK_KEY_RETURN = 13;
    static constexpr char CWINDOWLOOK_KEY_ESCAPE = 27;

    CWindowLook() = delete;
};

}}}  // namespace Corvane::GUI::Windowing
