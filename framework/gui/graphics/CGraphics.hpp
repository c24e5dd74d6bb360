#pragma once

#include "basics/CString.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/CBrush.hpp"
#include "gui/graphics/CClip.hpp"
#include "gui/graphics/CPen.hpp"
#include "math/CDimension.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Fonts {
class CFont;
}}}  // namespace Corvane::GUI::Fonts

namespace Corvane { namespace GUI { namespace Graphics {

class CCairoContext;
class CGradient;
class CPath;
class IImage;

/**
 * The drawing context handed to controls. Coordinates are whole window
 * pixels, origin at the top left, y downwards; every rectangle and point is
 * first moved by the drawing offset. A rectangle covers exactly width x
 * height pixels.
 *
 * A graphics draws on whatever platform surface it is initialised on: the
 * platform code (graphics/CCairoContext.hpp) hands it a context for a window's
 * back buffer or for a CRGBAImage, and uninitialise() ends the drawing.
 * Drawing calls on an uninitialised graphics do nothing.
 *
 * The surface may have more pixels than the window (a screen scale factor
 * above 1): every coordinate here stays in the window's own pixels, and each
 * call is drawn for the surface's pixels, crisp, with images from their
 * larger sets where they have them (CDeviceScale tells where edges land).
 */
class CGraphics {
public:
    /** Where drawText places text in its area. Other values draw nothing. */
    enum ETextAlignment : long {
        CGRAPHICS_TEXT_TOP_LEFT = 0,
        CGRAPHICS_TEXT_TOP_CENTRE = 1,
        CGRAPHICS_TEXT_TOP_RIGHT = 2,
        CGRAPHICS_TEXT_CENTRE_LEFT = 3,
        CGRAPHICS_TEXT_CENTRE = 4,
        CGRAPHICS_TEXT_CENTRE_RIGHT = 5,
        CGRAPHICS_TEXT_BOTTOM_LEFT = 6,
        CGRAPHICS_TEXT_BOTTOM_CENTRE = 7,
        CGRAPHICS_TEXT_BOTTOM_RIGHT = 8,
        /** As CENTRE_LEFT: left-aligned, vertically centred (the labels' format). */
        CGRAPHICS_TEXT_LEFT = 9,
        /** As CENTRE. */
        CGRAPHICS_TEXT_CENTRED = 10
    };

    /** 0 draws shapes without anti-aliasing; any other value smooths them. */
    enum ERenderingQuality : long {
        CGRAPHICS_QUALITY_ALIASED = 0,
        CGRAPHICS_QUALITY_ANTIALIASED = 1
    };

    /** Which end of a drawTextLine text its x gives. */
    enum ETextAnchor : long {
        CGRAPHICS_ANCHOR_LEFT = 0,
        CGRAPHICS_ANCHOR_CENTRE = 1,
        CGRAPHICS_ANCHOR_RIGHT = 2
    };

    CGraphics();
    virtual ~CGraphics();
    CGraphics(const CGraphics&) = delete;
    CGraphics& operator=(const CGraphics&) = delete;

    /**
     * Begins drawing on a platform context of the given size, taking ownership
     * of it: a black one-pixel pen, a white brush, no clip, no offset, the
     * whole surface as update area. Platform code calls this through
     * CCairoContext::initialiseGraphics. Throws CException "Context is NULL" for a null context.
     */
    void initialise(CCairoContext* context, const Corvane::MathTools::CDimension& size);
    /** Clears the clip and releases the platform context. */
    void uninitialise();
    bool isInitialised() const { return m_context != nullptr; }
    CCairoContext* getPlatformContext() const { return m_context; }

    CPen& getMutablePen() { return m_pen; }
    const CPen& getPen() const { return m_pen; }
    CBrush& getMutableBrush() { return m_brush; }
    const CBrush& getBrush() const { return m_brush; }
    CClip& getClippingRegion() { return m_clip; }
    const CClip& getClippingRegion() const { return m_clip; }

    const Corvane::MathTools::CPoint& getDrawingOffset() const { return m_drawingOffset; }
    void setDrawingOffset(const Corvane::MathTools::CPoint& offset) { m_drawingOffset = offset; }
    /** The area being repainted, in the coordinates of whoever draws now. */
    const Corvane::MathTools::CRect& getUpdateArea() const { return m_updateArea; }
    void setUpdateArea(const Corvane::MathTools::CRect& area) { m_updateArea = area; }
    /** The surface's size in the window's own pixels. */
    const Corvane::MathTools::CDimension& getContextSize() const { return m_contextSize; }
    /** Surface pixels per pixel of the window; 1 while not initialised. */
    double getScaleFactor() const;
    const Basics::CAlphaColour& getTextColour() const { return m_textColour; }
    void setTextColour(const Basics::CAlphaColour& colour) { m_textColour = colour; }

    void setRenderingQuality(ERenderingQuality quality);
    ERenderingQuality getRenderingQuality() const { return m_renderingQuality; }
    /** Everything drawn until endAlphaDrawing is blended at this opacity (0 ... 1); nested calls are ignored. */
    void beginAlphaDrawing(double alpha);
    void endAlphaDrawing();
    bool isAlphaDrawing() const { return m_alphaDrawing; }

    /** The rectangle's width x height pixels in the brush colour. */
    void fillRectangle(const Corvane::MathTools::CRect& rect);
    /** The pen's line just inside the rectangle: a 1-pixel pen draws its outermost ring of pixels. */
    void drawRectangle(const Corvane::MathTools::CRect& rect);
    void drawFilledBorderedRectangle(const Corvane::MathTools::CRect& rect);
    /** Elliptical corners of the corner dimension (its halves as radii); square corners when it has a 0 side. */
    void fillRoundedRectangle(const Corvane::MathTools::CRect& rect, const Corvane::MathTools::CDimension& corner);
    void drawRoundedRectangle(const Corvane::MathTools::CRect& rect, const Corvane::MathTools::CDimension& corner);
    void drawLine(const Corvane::MathTools::CPoint& from, const Corvane::MathTools::CPoint& to);

    /**
     * Draws a loaded image into destination. When source is the image's whole
     * size, the image is scaled to fill destination; otherwise it is drawn
     * unscaled with source's top-left corner at destination's, clipped to
     * destination (one frame out of a strip, a part of a background).
     * Null images and images with nothing loaded draw nothing.
     */
    void drawImage(IImage* image, const Corvane::MathTools::CRect& destination,
                   const Corvane::MathTools::CRect& source);
    /** As drawImage at the opacity alpha (0 ... 1); an image without alpha is drawn opaque. */
    void drawImageWithAlpha(IImage* image, const Corvane::MathTools::CRect& destination,
                            const Corvane::MathTools::CRect& source, double alpha);

    /**
     * One line of text in the text colour, clipped to area, placed by the
     * alignment; a null font means the system font. Text that is not valid
     * UTF-8 is drawn as Latin-1.
     */
    void drawText(const Corvane::Basics::CString& text, const Corvane::MathTools::CRect& area, Fonts::CFont* font,
                  ETextAlignment alignment);
    /** The inked width and height of the text in the font (null: the system font), rounded up. */
    void getStringBounds(const Corvane::Basics::CString& text, Corvane::MathTools::CDimension& size,
                         Fonts::CFont* font);

    /** Fractional-pixel drawing for artwork: fills a path with the brush colour. */
    void fillPath(const CPath& path);
    void fillPath(const CPath& path, const CGradient& gradient);
    /** Strokes a path with the pen, its fractional width, cap and join styles. */
    void strokePath(const CPath& path);
    /** Text on a baseline; x is its left end, centre or right end; spacing pixels are added between characters. */
    void drawTextLine(const Corvane::Basics::CString& text, double x, double baseline, Fonts::CFont* font,
                      ETextAnchor anchor, double spacing = 0.0);

private:
    Corvane::MathTools::CRect moved(const Corvane::MathTools::CRect& rect) const;
    double offsetX() const { return static_cast<double>(m_drawingOffset.getXPosition()); }
    double offsetY() const { return static_cast<double>(m_drawingOffset.getYPosition()); }
    void paintImage(IImage* image, const Corvane::MathTools::CRect& destination,
                    const Corvane::MathTools::CRect& source, double alpha);
    void roundedPath(const Corvane::MathTools::CRect& rect, const Corvane::MathTools::CDimension& corner,
                     CPath& path) const;

    CPen m_pen;
    CBrush m_brush;
    CClip m_clip;
    Corvane::MathTools::CPoint m_drawingOffset;
    Corvane::MathTools::CRect m_updateArea;
    Corvane::MathTools::CDimension m_contextSize;
    Basics::CAlphaColour m_textColour;
    bool m_alphaDrawing;
    ERenderingQuality m_renderingQuality;
    CCairoContext* m_context;
};

}}}  // namespace Corvane::GUI::Graphics
