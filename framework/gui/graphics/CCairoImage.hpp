#pragma once

// Private to the GUI toolkit's platform code: a decoded image held as a Cairo
// image surface. Nothing outside framework/gui/graphics and framework/gui/fonts includes this.

#include "gui/basics/CAlphaColour.hpp"

#include <cairo.h>

namespace Corvane { namespace GUI { namespace Graphics {

/**
 * The pixels behind an image: a Cairo image surface, 32 bits a pixel,
 * premultiplied, with or without an alpha channel.
 */
class CCairoImage {
public:
    /** The largest side Cairo's image surfaces take. */
    static constexpr long CCAIROIMAGE_MAXIMUM_SIDE = 32767;

    /** A blank image: transparent with alpha, black without; null for a bad size or no memory. */
    static CCairoImage* create(long width, long height, bool alpha);
    /** A decoded PNG file (alpha kept); null when the file cannot be read as PNG. */
    static CCairoImage* loadPNG(const char* path);

    ~CCairoImage();
    CCairoImage(const CCairoImage&) = delete;
    CCairoImage& operator=(const CCairoImage&) = delete;

    long getWidth() const;
    long getHeight() const;
    bool hasAlpha() const;
    cairo_surface_t* getSurface() const { return m_surface; }

    /**
     * Rows of 0xAARRGGBB words (premultiplied; alpha ignored without an alpha
     * channel), for decoders that fill a new image. Call markDirty() afterwards.
     */
    unsigned char* getData();
    long getStride() const;
    void markDirty();

    /** The pixel with straight alpha; transparent black outside the image. */
    Basics::CAlphaColour getPixel(long x, long y) const;
    /** Ignored outside the image; alpha is dropped without an alpha channel. */
    void setPixel(long x, long y, const Basics::CAlphaColour& colour);

    /**
     * A copy ratio times as wide and as high (sides rounded up, the edges
     * padded rather than faded), filtered as a scaled image is painted; null
     * for a bad ratio or no memory.
     */
    CCairoImage* createResampled(double ratio) const;

    /** Writes a PNG file, with an alpha channel when the image has one. */
    bool writePNG(const char* path) const;

private:
    explicit CCairoImage(cairo_surface_t* surface);

    cairo_surface_t* m_surface;
};

}}}  // namespace Corvane::GUI::Graphics
