#include "CTestImage.hpp"

#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CPNGImage.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace {

double linearChannel(unsigned long value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

std::string artworkPath(const char* fileName)
{
    return std::string(TENVIRA_ARTWORK_DIR) + "/" + fileName;
}

CTestImage::CTestImage(const std::string& path)
{
    using namespace Corvane::GUI::Graphics;
    Corvane::Collections::TAutomaticPointer<CPNGImage> png;
    png = new CPNGImage(Corvane::Basics::CSystemString(path.c_str()));
    // Whether the file itself has an alpha channel: its header's colour type (byte 25) tells.
    char header[26] = {};
    std::ifstream(path, std::ios::binary).read(header, sizeof header);
    m_hasAlpha = png->hasImageLoaded() && (header[25] & 4) != 0;
    // Drawn 1:1 onto a bitmap of its own size, a picture keeps every channel of every pixel.
    const Corvane::MathTools::CRect whole = png->getNormalisedImageSize();
    m_pixels = new CRGBAImage(whole.getWidth(), whole.getHeight(), m_hasAlpha);
    CGraphics graphics;
    if (png->hasImageLoaded() && m_pixels->initialiseGraphics(graphics)) {
        graphics.drawImage(png.getPointer(), whole, whole);
        graphics.uninitialise();
    }
}

double CTestImage::luminance(int x, int y) const
{
    const Corvane::GUI::Basics::CAlphaColour p = pixel(x, y);
    return 0.2126 * linearChannel(p.getRed()) + 0.7152 * linearChannel(p.getGreen()) +
           0.0722 * linearChannel(p.getBlue());
}

double CTestImage::sample(double x, double y) const
{
    // Bilinear between pixel centres, so a thin line reads the same at every sub-pixel offset.
    const double fx = x - 0.5;
    const double fy = y - 0.5;
    const int x0 = static_cast<int>(std::floor(fx));
    const int y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0;
    const double ty = fy - y0;
    return (1 - tx) * (1 - ty) * luminance(x0, y0) + tx * (1 - ty) * luminance(x0 + 1, y0) +
           (1 - tx) * ty * luminance(x0, y0 + 1) + tx * ty * luminance(x0 + 1, y0 + 1);
}

double CTestImage::brightestDirection(double centreX, double centreY, double innerRadius, double outerRadius) const
{
    double sums[360];
    double best = 0.0;
    for (int degrees = -180; degrees < 180; ++degrees) {
        const double a = degrees * M_PI / 180.0;
        double sum = 0.0;
        for (double r = innerRadius; r <= outerRadius; r += 0.5) {
            sum += sample(centreX + r * std::sin(a), centreY - r * std::cos(a));
        }
        sums[degrees + 180] = sum;
        best = std::max(best, sum);
    }
    // The middle of the directions that come close to the brightest one.
    double total = 0.0;
    int count = 0;
    for (int degrees = -180; degrees < 180; ++degrees) {
        if (sums[degrees + 180] >= 0.97 * best) {
            total += degrees;
            ++count;
        }
    }
    return count > 0 ? total / count : 0.0;
}
