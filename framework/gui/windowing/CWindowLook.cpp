#include "gui/windowing/CWindowLook.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

using Basics::CAlphaColour;

const CAlphaColour CWindowLook::CWINDOWLOOK_PLATE(232, 236, 236);
const CAlphaColour CWindowLook::CWINDOWLOOK_HEADER(24, 26, 29);
const CAlphaColour CWindowLook::CWINDOWLOOK_CAPTION(218, 222, 226);
const CAlphaColour CWindowLook::CWINDOWLOOK_TEXT(16, 18, 20);
const CAlphaColour CWindowLook::CWINDOWLOOK_MUTED_TEXT(140, 148, 156);
const CAlphaColour CWindowLook::CWINDOWLOOK_EDGE(14, 16, 18);
const CAlphaColour CWindowLook::CWINDOWLOOK_BUTTON(56, 61, 66);
const CAlphaColour CWindowLook::CWINDOWLOOK_ACCENT(116, 184, 188);
const CAlphaColour CWindowLook::CWINDOWLOOK_ACCENT_RIM(40, 90, 94);
const CAlphaColour CWindowLook::CWINDOWLOOK_ERROR(196, 64, 52);

}}}  // namespace Corvane::GUI::Windowing
