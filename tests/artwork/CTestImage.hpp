#pragma once

#include "collections/TAutomaticPointer.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/graphics/CRGBAImage.hpp"

#include <string>

// A PNG read back through the toolkit for inspection, with straight (not premultiplied) channels.
class CTestImage {
public:
    explicit CTestImage(const std::string& path);

    bool isLoaded() const { return m_pixels->hasImageLoaded(); }
    int width() const { return static_cast<int>(m_pixels->getImageSize().getWidth()); }
    int height() const { return static_cast<int>(m_pixels->getImageSize().getHeight()); }
    bool hasAlpha() const { return m_hasAlpha; }
    // Transparent outside the picture.
    Corvane::GUI::Basics::CAlphaColour pixel(int x, int y) const { return m_pixels->getPixel(x, y); }
    // Relative luminance 0..1 of the pixel's colour (sRGB), ignoring alpha.
    double luminance(int x, int y) const;
    // The direction, in degrees clockwise from twelve o'clock, of the brightest ray from
    // (centreX, centreY) between the two radii: where a knob's pointer points.
    double brightestDirection(double centreX, double centreY, double innerRadius, double outerRadius) const;

private:
    // Luminance at a point, interpolated between the surrounding pixels.
    double sample(double x, double y) const;

    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::CRGBAImage> m_pixels;
    bool m_hasAlpha = false;
};

std::string artworkPath(const char* fileName);
