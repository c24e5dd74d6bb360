#include "gui/graphics/CCairoContext.hpp"

#include "gui/fonts/CFontConfigFace.hpp"
#include "gui/graphics/CCairoImage.hpp"
#include "gui/graphics/CGradient.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPath.hpp"
#include "gui/graphics/CPen.hpp"

#include <algorithm>
#include <vector>

#include <dlfcn.h>

namespace Corvane { namespace GUI { namespace Graphics {

namespace {

double channel(unsigned long value)
{
    return value >= 255 ? 1.0 : static_cast<double>(value) / 255.0;
}

cairo_line_cap_t capOf(const CPen& pen)
{
    switch (pen.getEffectiveCapStyle()) {
    case CPen::CPEN_CAP_SQUARE:
        return CAIRO_LINE_CAP_SQUARE;
    case CPen::CPEN_CAP_ROUND:
        return CAIRO_LINE_CAP_ROUND;
    default:
        return CAIRO_LINE_CAP_BUTT;
    }
}

cairo_line_join_t joinOf(const CPen& pen)
{
    switch (pen.getJoinStyle()) {
    case CPen::CPEN_JOIN_ROUND:
        return CAIRO_LINE_JOIN_ROUND;
    case CPen::CPEN_JOIN_BEVEL:
        return CAIRO_LINE_JOIN_BEVEL;
    default:
        return CAIRO_LINE_JOIN_MITER;
    }
}

}  // namespace

void CCairoContext::initialiseGraphics(CGraphics& graphics, cairo_t* context,
                                       const Corvane::MathTools::CDimension& size, double scale)
{
    graphics.initialise(context != nullptr ? new CCairoContext(context, scale) : nullptr, size);
}

bool CCairoContext::initialiseGraphics(CGraphics& graphics, CCairoImage& image, double scale)
{
    cairo_t* context = cairo_create(image.getSurface());
    const bool usable = cairo_status(context) == CAIRO_STATUS_SUCCESS;
    if (usable) {
        const CDeviceScale deviceScale(scale);
        initialiseGraphics(graphics, context,
                           deviceScale.toLogical(Corvane::MathTools::CDimension(image.getWidth(), image.getHeight())),
                           deviceScale.getFactor());
    }
    cairo_destroy(context);
    return usable;
}

void CCairoContext::keepLibrariesLoaded()
{
    Dl_info library;
    if (dladdr(reinterpret_cast<void*>(&cairo_create), &library) == 0 || library.dli_fname == nullptr) {
        return;
    }
    // Only marks the library already loaded; the reference taken here is given back at once.
    if (void* handle = dlopen(library.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE)) {
        dlclose(handle);
    }
}

cairo_t* CCairoContext::getCairoContext(const CGraphics& graphics)
{
    const CCairoContext* context = graphics.getPlatformContext();
    return context != nullptr ? context->m_context : nullptr;
}

CCairoContext::CCairoContext(cairo_t* context, double scale)
    : m_context(cairo_reference(context)),
      m_scale(scale),
      m_deviceMatrix(),
      m_savedMatrix(),
      m_antialias(true),
      m_globalAlpha(1.0)
{
    cairo_get_matrix(m_context, &m_deviceMatrix);
    if (!m_scale.isIdentity()) {
        cairo_scale(m_context, m_scale.getFactor(), m_scale.getFactor());
    }
}

CCairoContext::~CCairoContext()
{
    cairo_destroy(m_context);
}

void CCairoContext::saveState()
{
    cairo_save(m_context);
}

void CCairoContext::restoreState()
{
    cairo_restore(m_context);
}

void CCairoContext::enterDeviceSpace()
{
    cairo_get_matrix(m_context, &m_savedMatrix);
    cairo_set_matrix(m_context, &m_deviceMatrix);
}

void CCairoContext::leaveDeviceSpace()
{
    cairo_set_matrix(m_context, &m_savedMatrix);
}

void CCairoContext::deviceRectangle(double left, double top, double width, double height)
{
    cairo_new_path(m_context);
    if (m_scale.isIdentity()) {
        cairo_rectangle(m_context, left, top, width, height);
        return;
    }
    // The path keeps the device coordinates it was made in when the logical units come back.
    const double x = m_scale.snap(left);
    const double y = m_scale.snap(top);
    enterDeviceSpace();
    cairo_rectangle(m_context, x, y, m_scale.snap(left + width) - x, m_scale.snap(top + height) - y);
    leaveDeviceSpace();
}

void CCairoContext::clipToRectangle(double left, double top, double width, double height)
{
    deviceRectangle(left, top, std::max(width, 0.0), std::max(height, 0.0));
    cairo_clip(m_context);
}

void CCairoContext::setColour(const Basics::CAlphaColour& colour)
{
    cairo_set_source_rgba(m_context, channel(colour.getRed()), channel(colour.getGreen()), channel(colour.getBlue()),
                          channel(colour.getAlpha()) * m_globalAlpha);
}

void CCairoContext::applyAntialias()
{
    cairo_set_antialias(m_context, m_antialias ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
}

void CCairoContext::applyPen(const CPen& pen)
{
    applyAntialias();
    setColour(pen.getColour());
    cairo_set_line_width(m_context, pen.getLineWidth());
    cairo_set_line_cap(m_context, capOf(pen));
    cairo_set_line_join(m_context, joinOf(pen));
}

void CCairoContext::fillRectangle(double left, double top, double width, double height,
                                  const Basics::CAlphaColour& colour)
{
    applyAntialias();
    setColour(colour);
    deviceRectangle(left, top, width, height);
    cairo_fill(m_context);
}

void CCairoContext::strokeRectangle(const Corvane::MathTools::CRect& outer, const CPen& pen)
{
    applyPen(pen);
    cairo_new_path(m_context);
    if (m_scale.isIdentity()) {
        // Centred half a pixel inside the edges: a one-pixel pen fills the outermost ring exactly.
        cairo_rectangle(m_context, outer.getLeft() + 0.5, outer.getTop() + 0.5, outer.getWidth() - 1.0,
                        outer.getHeight() - 1.0);
        cairo_stroke(m_context);
        return;
    }
    // A whole number of device pixels wide, lying against the inside of the rectangle's device edges.
    const Corvane::MathTools::CRect device = m_scale.toDevice(outer);
    const double width = m_scale.snap(pen.getLineWidth());
    if (width <= 0.0) {
        return;
    }
    enterDeviceSpace();
    cairo_set_line_width(m_context, width);
    cairo_rectangle(m_context, device.getLeft() + width / 2.0, device.getTop() + width / 2.0, device.getWidth() - width,
                    device.getHeight() - width);
    cairo_stroke(m_context);
    leaveDeviceSpace();
}

void CCairoContext::appendPath(const CPath& path, double dx, double dy)
{
    cairo_new_path(m_context);
    for (std::size_t i = 0; i < path.getNumberOfElements(); ++i) {
        const CPath::SElement& element = path.getElement(i);
        const double* v = element.values;
        switch (element.type) {
        case CPath::CPATH_MOVE_TO:
            cairo_move_to(m_context, v[0] + dx, v[1] + dy);
            break;
        case CPath::CPATH_LINE_TO:
            cairo_line_to(m_context, v[0] + dx, v[1] + dy);
            break;
        case CPath::CPATH_ARC:
            if (v[2] == v[3]) {
                cairo_arc(m_context, v[0] + dx, v[1] + dy, v[2], v[4], v[5]);
            } else if (v[2] > 0.0 && v[3] > 0.0) {
                // An ellipse is a unit circle under a scale; the path keeps the shape after the restore.
                cairo_save(m_context);
                cairo_translate(m_context, v[0] + dx, v[1] + dy);
                cairo_scale(m_context, v[2], v[3]);
                cairo_arc(m_context, 0.0, 0.0, 1.0, v[4], v[5]);
                cairo_restore(m_context);
            }
            break;
        case CPath::CPATH_NEW_SUB_PATH:
            cairo_new_sub_path(m_context);
            break;
        case CPath::CPATH_CLOSE:
            cairo_close_path(m_context);
            break;
        }
    }
}

void CCairoContext::fillPath(const CPath& path, double dx, double dy, const Basics::CAlphaColour& colour)
{
    applyAntialias();
    appendPath(path, dx, dy);
    setColour(colour);
    cairo_fill(m_context);
}

void CCairoContext::fillPath(const CPath& path, double dx, double dy, const CGradient& gradient)
{
    cairo_pattern_t* pattern = nullptr;
    const double a = gradient.getGeometry(0) + dx;
    const double b = gradient.getGeometry(1) + dy;
    if (gradient.getType() == CGradient::CGRADIENT_LINEAR) {
        pattern = cairo_pattern_create_linear(a, b, gradient.getGeometry(2) + dx, gradient.getGeometry(3) + dy);
    } else {
        // A unit circle around the centre, stretched to the two radii by the pattern's matrix.
        const double rx = gradient.getGeometry(2);
        const double ry = gradient.getGeometry(3);
        if (rx <= 0.0 || ry <= 0.0) {
            return;
        }
        pattern = cairo_pattern_create_radial(0.0, 0.0, 0.0, 0.0, 0.0, 1.0);
        cairo_matrix_t matrix;
        cairo_matrix_init_scale(&matrix, 1.0 / rx, 1.0 / ry);
        cairo_matrix_translate(&matrix, -a, -b);
        cairo_pattern_set_matrix(pattern, &matrix);
    }
    for (std::size_t i = 0; i < gradient.getNumberOfStops(); ++i) {
        const CGradient::SColourStop& stop = gradient.getStop(i);
        cairo_pattern_add_color_stop_rgba(pattern, stop.offset, channel(stop.colour.getRed()),
                                          channel(stop.colour.getGreen()), channel(stop.colour.getBlue()),
                                          channel(stop.colour.getAlpha()) * m_globalAlpha);
    }
    applyAntialias();
    appendPath(path, dx, dy);
    cairo_set_source(m_context, pattern);
    cairo_fill(m_context);
    cairo_pattern_destroy(pattern);
}

void CCairoContext::strokePath(const CPath& path, double dx, double dy, const CPen& pen)
{
    applyPen(pen);
    appendPath(path, dx, dy);
    cairo_stroke(m_context);
}

void CCairoContext::drawImageStretched(const CCairoImage& pixels, const Corvane::MathTools::CRect& destination,
                                       double alpha)
{
    const Corvane::MathTools::CRect device = m_scale.toDevice(destination);
    if (device.getWidth() <= 0 || device.getHeight() <= 0) {
        return;
    }
    cairo_save(m_context);
    enterDeviceSpace();
    cairo_new_path(m_context);
    cairo_rectangle(m_context, device.getLeft(), device.getTop(), device.getWidth(), device.getHeight());
    cairo_clip(m_context);
    cairo_translate(m_context, device.getLeft(), device.getTop());
    paintPixels(pixels, static_cast<double>(device.getWidth()) / static_cast<double>(pixels.getWidth()),
                static_cast<double>(device.getHeight()) / static_cast<double>(pixels.getHeight()), alpha);
    cairo_restore(m_context);
}

void CCairoContext::drawImageAt(const CCairoImage& pixels, double pixelsPerUnit, long left, long top,
                                const Corvane::MathTools::CRect& clip, double alpha)
{
    const Corvane::MathTools::CRect device = m_scale.toDevice(clip);
    if (device.getWidth() <= 0 || device.getHeight() <= 0 || !(pixelsPerUnit > 0.0)) {
        return;
    }
    // The picture's corner lies on a device pixel, as the corner of a rectangle there would.
    const double scale = m_scale.getFactor() / pixelsPerUnit;
    cairo_save(m_context);
    enterDeviceSpace();
    cairo_new_path(m_context);
    cairo_rectangle(m_context, device.getLeft(), device.getTop(), device.getWidth(), device.getHeight());
    cairo_clip(m_context);
    cairo_translate(m_context, static_cast<double>(m_scale.toDevice(left)), static_cast<double>(m_scale.toDevice(top)));
    paintPixels(pixels, scale, scale, alpha);
    cairo_restore(m_context);
}

void CCairoContext::paintPixels(const CCairoImage& pixels, double scaleX, double scaleY, double alpha)
{
    if (!(scaleX > 0.0) || !(scaleY > 0.0)) {
        return;
    }
    cairo_scale(m_context, scaleX, scaleY);
    cairo_set_source_surface(m_context, pixels.getSurface(), 0.0, 0.0);
    if (scaleX != 1.0 || scaleY != 1.0) {
        // A scaled image fills its destination to the edges instead of fading into what lies outside it.
        cairo_pattern_set_extend(cairo_get_source(m_context), CAIRO_EXTEND_PAD);
    }
    const double opacity = alpha * m_globalAlpha;
    if (opacity >= 1.0) {
        cairo_paint(m_context);
    } else {
        cairo_paint_with_alpha(m_context, std::max(opacity, 0.0));
    }
}

void CCairoContext::drawText(const Fonts::CFontConfigFace& face, const char* utf8, double x, double baseline,
                             double spacing, const Basics::CAlphaColour& colour)
{
    std::vector<cairo_glyph_t> glyphs;
    if (!face.toGlyphs(utf8, x, baseline, spacing, glyphs) || glyphs.empty()) {
        return;
    }
    cairo_set_scaled_font(m_context, face.getScaledFont());
    setColour(colour);
    cairo_show_glyphs(m_context, glyphs.data(), static_cast<int>(glyphs.size()));
}

}}}  // namespace Corvane::GUI::Graphics
