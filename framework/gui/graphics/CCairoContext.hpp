#pragma once

// Private to the GUI toolkit's platform code: the Cairo side of CGraphics.
// Platform code (images, window back buffers) includes this to hand a Cairo
// context to a CGraphics; controls and the editor never do.

#include "gui/basics/CAlphaColour.hpp"
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
    /** Initialises graphics on a Cairo context covering size pixels; the graphics references the context. */
    static void initialiseGraphics(CGraphics& graphics, cairo_t* context, const Corvane::MathTools::CDimension& size);
    /** Initialises graphics on the whole of an image; false when Cairo cannot draw on it. */
    static bool initialiseGraphics(CGraphics& graphics, CCairoImage& image);
    /** The Cairo context graphics draws on; null when it is not initialised. */
    static cairo_t* getCairoContext(const CGraphics& graphics);

    /**
     * Keeps Cairo and the libraries it loads (pixman, fontconfig, FreeType)
     * in the process once a module that uses them is unloaded. Pixman builds
     * its tables once per load and never frees them, so every unload and
     * reload of a plug-in would lose them; hosts reload plug-ins often.
     */
    static void keepLibrariesLoaded();

    /** References context until destroyed. */
    explicit CCairoContext(cairo_t* context);
    ~CCairoContext();
    CCairoContext(const CCairoContext&) = delete;
    CCairoContext& operator=(const CCairoContext&) = delete;

    cairo_t* getCairo() const { return m_context; }

    void setAntialias(bool antialias) { m_antialias = antialias; }
    void setGlobalAlpha(double alpha) { m_globalAlpha = alpha; }
    double getGlobalAlpha() const { return m_globalAlpha; }

    void saveState();
    void restoreState();
    /** Limits drawing to the rectangle's pixels (within any clip already set); negative sizes clip everything. */
    void clipToRectangle(double left, double top, double width, double height);

    void fillRectangle(double left, double top, double width, double height, const Basics::CAlphaColour& colour);
    void strokeRectangle(double left, double top, double width, double height, const CPen& pen);
    void fillPath(const CPath& path, double dx, double dy, const Basics::CAlphaColour& colour);
    void fillPath(const CPath& path, double dx, double dy, const CGradient& gradient);
    void strokePath(const CPath& path, double dx, double dy, const CPen& pen);
    /** Paints the image with its origin at (x, y), scaled, within the clip rectangle, at the opacity alpha. */
    void drawImage(const CCairoImage& image, const Corvane::MathTools::CRect& clip, double x, double y, double scaleX,
                   double scaleY, double alpha);
    /** UTF-8 text with its first glyph's origin at (x, baseline). */
    void drawText(const Fonts::CFontConfigFace& face, const char* utf8, double x, double baseline, double spacing,
                  const Basics::CAlphaColour& colour);

private:
    void setColour(const Basics::CAlphaColour& colour);
    void appendPath(const CPath& path, double dx, double dy);
    void applyPen(const CPen& pen);
    void applyAntialias();

    cairo_t* m_context;
    bool m_antialias;
    double m_globalAlpha;
};

}}}  // namespace Corvane::GUI::Graphics
