#pragma once

// Private to the GUI toolkit's platform code: a font face found through
// fontconfig and scaled for Cairo. Nothing outside framework/gui/graphics and framework/gui/fonts includes this.

#include "gui/fonts/STextExtents.hpp"

#include <cairo.h>

#include <string>
#include <vector>

namespace Corvane { namespace GUI { namespace Fonts {

/**
 * One font at one size: the face fontconfig matches for a family name and
 * style (so "Arial" finds its metric-compatible stand-in), as a Cairo
 * FreeType face scaled to the size in pixels. Every face renders with grey
 * anti-aliasing and unhinted metrics, so text looks and measures the same on
 * every kind of surface.
 */
class CFontConfigFace {
public:
    /** Null when fontconfig matches nothing or the face cannot be made. */
    static CFontConfigFace* create(const char* family, double size, bool bold, bool italic);

    ~CFontConfigFace();
    CFontConfigFace(const CFontConfigFace&) = delete;
    CFontConfigFace& operator=(const CFontConfigFace&) = delete;

    /** The family of the face that was found. */
    const std::string& getFamily() const { return m_family; }
    cairo_scaled_font_t* getScaledFont() const { return m_scaledFont; }

    /**
     * The glyphs of a UTF-8 text, the first with its origin at (x, y), with
     * spacing pixels added after every glyph but the last. False (and no
     * glyphs) when the text cannot be converted.
     */
    bool toGlyphs(const char* utf8, double x, double y, double spacing, std::vector<cairo_glyph_t>& glyphs) const;
    /** The extents of a UTF-8 text laid out as toGlyphs does. */
    STextExtents measure(const char* utf8, double spacing) const;

private:
    CFontConfigFace(cairo_font_face_t* face, cairo_scaled_font_t* scaledFont, std::string family);

    cairo_font_face_t* m_face;
    cairo_scaled_font_t* m_scaledFont;
    std::string m_family;
};

}}}  // namespace Corvane::GUI::Fonts
