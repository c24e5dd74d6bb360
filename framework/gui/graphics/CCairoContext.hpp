#pragma once

// Private to the GUI toolkit's platform code: the Cairo side of CGraphics.
// Platform code (images, window back buffers) includes this to hand a Cairo
// context to a CGraphics; controls and the editor never do.

#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "math/CDimension.hpp"
#include "math/CRect.hpp"

#include <cairo.h>

namespace Corvane { namespace GUI { namespace Fonts {
class CFontConfigFace;
}}}  // namespace Corvane::GUI::Fonts

namespace Corvane { namespace GUI { namespace Graphics {

class CCairoImage;
class CGradient;
class CGraphics;
class CPath;
class CPen;

/**
 * A Cairo context as a CGraphics draws on it: every operation sets the source,
 * line and anti-aliasing state it needs, so nothing depends on what was drawn
 * before, and the framework's global opacity scales every colour and image.
 *
 * At a scale factor f every coordinate is a logical one, and the context
 * draws f device pixels per logical pixel: paths, text and gradients are
 * simply scaled, while rectangles (fills, clips, rectangle outlines, image
 * destinations) have their edges put on device pixels by CDeviceScale's
 * rule, so they stay crisp and meet without seams at any factor. Factor 1
 * draws exactly as an unscaled context does.
 *
 * @code
 * // A window's back buffer, for instance:
 * cairo_t* context = cairo_create(backBuffer);
 * CCairoContext::initialiseGraphics(graphics, context, CDimension(width, height));
 * cairo_destroy(context);               // the graphics keeps its own reference
 * root.drawRootControl(graphics);
 * graphics.uninitialise();
 * @endcode
 */
class CCairoContext {
public:
    /**
     * Initialises graphics on a Cairo context covering size logical pixels,
     * scale device pixels each (the context's own units are the device's);
     * the graphics references the context.
     */
    static void initialiseGraphics(CGraphics& graphics, cairo_t* context, const Corvane::MathTools::CDimension& size,
                                   double scale = 1.0);
    /** Initialises graphics on the whole of an image, its pixels the device's; false when Cairo cannot draw on it. */
    static bool initialiseGraphics(CGraphics& graphics, CCairoImage& image, double scale = 1.0);
    /** The Cairo context graphics draws on; null when it is not initialised. */
    static cairo_t* getCairoContext(const CGraphics& graphics);

    /**
     * Keeps Cairo and the libraries it loads (pixman, fontconfig, FreeType)
     * in the process once a module that uses them is unloaded. Pixman builds
     * its tables once per load and never frees them, so every unload and
     * reload of a plug-in would lose them; hosts reload plug-ins often.
     */
    static void keepLibrariesLoaded();

    /** References context until destroyed; from now on its units are logical pixels of scale device pixels. */
    explicit CCairoContext(cairo_t* context, double scale = 1.0);
    ~CCairoContext();
    CCairoContext(const CCairoContext&) = delete;
    CCairoContext& operator=(const CCairoContext&) = delete;

    cairo_t* getCairo() const { return m_context; }
    double getScaleFactor() const { return m_scale.getFactor(); }

    void setAntialias(bool antialias) { m_antialias = antialias; }
    void setGlobalAlpha(double alpha) { m_globalAlpha = alpha; }
    double getGlobalAlpha() const { return m_globalAlpha; }

    void saveState();
    void restoreState();
    /** Limits drawing to the rectangle's pixels (within any clip already set); negative sizes clip everything. */
    void clipToRectangle(double left, double top, double width, double height);

    void fillRectangle(double left, double top, double width, double height, const Basics::CAlphaColour& colour);
    /**
     * The pen's line along the inside of the rectangle's edges: a one-pixel
     * pen covers the outermost ring of its pixels, at any factor.
     */
    void strokeRectangle(const Corvane::MathTools::CRect& outer, const CPen& pen);
    void fillPath(const CPath& path, double dx, double dy, const Basics::CAlphaColour& colour);
    void fillPath(const CPath& path, double dx, double dy, const CGradient& gradient);
    void strokePath(const CPath& path, double dx, double dy, const CPen& pen);
    /** Paints the whole of pixels stretched over destination, at the opacity alpha. */
    void drawImageStretched(const CCairoImage& pixels, const Corvane::MathTools::CRect& destination, double alpha);
    /**
     * Paints pixels at their own size, pixelsPerUnit of them to a logical
     * pixel, their top-left corner at (left, top), within clip, at the
     * opacity alpha.
     */
    void drawImageAt(const CCairoImage& pixels, double pixelsPerUnit, long left, long top,
                     const Corvane::MathTools::CRect& clip, double alpha);
    /** UTF-8 text with its first glyph's origin at (x, baseline). */
    void drawText(const Fonts::CFontConfigFace& face, const char* utf8, double x, double baseline, double spacing,
                  const Basics::CAlphaColour& colour);

private:
    /** A new path holding the rectangle with its edges on device pixels. */
    void deviceRectangle(double left, double top, double width, double height);
    /** Enters the device's own units: one unit a device pixel. leaveDeviceSpace() goes back. */
    void enterDeviceSpace();
    void leaveDeviceSpace();
    void paintPixels(const CCairoImage& pixels, double scaleX, double scaleY, double alpha);
    void setColour(const Basics::CAlphaColour& colour);
    void appendPath(const CPath& path, double dx, double dy);
    void applyPen(const CPen& pen);
    void applyAntialias();

    cairo_t* m_context;
    CDeviceScale m_scale;
    /** The context's units as it came: the device's. */
    cairo_matrix_t m_deviceMatrix;
    /** The logical units while enterDeviceSpace() is in force. */
    cairo_matrix_t m_savedMatrix;
    bool m_antialias;
    double m_globalAlpha;
};

}}}  // namespace Corvane::GUI::Graphics
