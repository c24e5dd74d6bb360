#include "gui/fonts/CFontConfigFace.hpp"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <utility>

namespace Corvane { namespace GUI { namespace Fonts {

namespace {

// Outlines are hinted as the desktop's fontconfig says; advances are not, so
// text measures the same at every size and position.
cairo_font_options_t* createOptions()
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    return options;
}

// The best match for the family and style, with fontconfig's own rules
// applied (aliases such as Arial -> Liberation Sans); null when none.
FcPattern* matchPattern(const char* family, bool bold, bool italic, const cairo_font_options_t* options)
{
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) {
        return nullptr;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_MEDIUM);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    cairo_ft_font_options_substitute(options, pattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

}  // namespace

CFontConfigFace* CFontConfigFace::create(const char* family, double size, bool bold, bool italic)
{
    if (family == nullptr || !(size > 0.0)) {
        return nullptr;
    }
    cairo_font_options_t* options = createOptions();
    FcPattern* match = matchPattern(family, bold, italic, options);
    if (match == nullptr) {
        cairo_font_options_destroy(options);
        return nullptr;
    }
    FcChar8* matchedFamily = nullptr;
    std::string familyName;
    if (FcPatternGetString(match, FC_FAMILY, 0, &matchedFamily) == FcResultMatch && matchedFamily != nullptr) {
        familyName = reinterpret_cast<const char*>(matchedFamily);
    }
    // The face keeps its own reference on the pattern.
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);

    cairo_matrix_t fontMatrix;
    cairo_matrix_t identity;
    cairo_matrix_init_scale(&fontMatrix, size, size);
    cairo_matrix_init_identity(&identity);
    cairo_scaled_font_t* scaledFont = cairo_scaled_font_create(face, &fontMatrix, &identity, options);
    cairo_font_options_destroy(options);
    if (cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS ||
        cairo_scaled_font_status(scaledFont) != CAIRO_STATUS_SUCCESS) {
        cairo_scaled_font_destroy(scaledFont);
        cairo_font_face_destroy(face);
        return nullptr;
    }
    return new CFontConfigFace(face, scaledFont, std::move(familyName));
}

CFontConfigFace::CFontConfigFace(cairo_font_face_t* face, cairo_scaled_font_t* scaledFont, std::string family)
    : m_face(face),
      m_scaledFont(scaledFont),
      m_family(std::move(family))
{}

CFontConfigFace::~CFontConfigFace()
{
    cairo_scaled_font_destroy(m_scaledFont);
    cairo_font_face_destroy(m_face);
}

bool CFontConfigFace::toGlyphs(const char* utf8, double x, double y, double spacing,
                               std::vector<cairo_glyph_t>& glyphs) const
{
    glyphs.clear();
    cairo_glyph_t* converted = nullptr;
    int count = 0;
    if (cairo_scaled_font_text_to_glyphs(m_scaledFont, x, y, utf8, -1, &converted, &count, nullptr, nullptr, nullptr) !=
        CAIRO_STATUS_SUCCESS) {
        return false;
    }
    glyphs.assign(converted, converted + count);
    cairo_glyph_free(converted);
    for (std::size_t i = 1; i < glyphs.size(); ++i) {
        glyphs[i].x += spacing * static_cast<double>(i);
    }
    return true;
}

STextExtents CFontConfigFace::measure(const char* utf8, double spacing) const
{
    STextExtents extents;
    std::vector<cairo_glyph_t> glyphs;
    if (!toGlyphs(utf8, 0.0, 0.0, spacing, glyphs) || glyphs.empty()) {
        return extents;
    }
    cairo_text_extents_t measured;
    cairo_scaled_font_glyph_extents(m_scaledFont, glyphs.data(), static_cast<int>(glyphs.size()), &measured);
    extents.inkLeft = measured.x_bearing;
    extents.inkTop = measured.y_bearing;
    extents.inkWidth = measured.width;
    extents.inkHeight = measured.height;
    extents.advance = measured.x_advance;
    return extents;
}

}}}  // namespace Corvane::GUI::Fonts
