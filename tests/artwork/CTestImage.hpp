#pragma once

#include <cairo.h>

#include <string>

// A PNG read back for inspection, with straight (not premultiplied) channels.
class CTestImage {
public:
    struct SPixel {
        int red;
        int green;
        int blue;
        int alpha;
    };

    explicit CTestImage(const std::string& path);
    ~CTestImage();
    CTestImage(const CTestImage&) = delete;
    CTestImage& operator=(const CTestImage&) = delete;

    bool isLoaded() const { return m_loaded; }
    int width() const;
    int height() const;
    bool hasAlpha() const;
    SPixel pixel(int x, int y) const;
    // Relative luminance 0..1 of the pixel's colour (sRGB), ignoring alpha.
    double luminance(int x, int y) const;
    // The direction, in degrees clockwise from twelve o'clock, of the brightest ray from
    // (centreX, centreY) between the two radii: where a knob's pointer points.
    double brightestDirection(double centreX, double centreY, double innerRadius, double outerRadius) const;

    // Luminance at a point, interpolated between the surrounding pixels.
    double sample(double x, double y) const;

    static double luminanceOf(const SPixel& pixel);

private:
    cairo_surface_t* m_surface;
    bool m_loaded;
};

std::string artworkPath(const char* fileName);
