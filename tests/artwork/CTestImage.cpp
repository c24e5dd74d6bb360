#include "CTestImage.hpp"

#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Cairo and fontconfig keep font caches for the life of the process; free them once the
// tests are done so leak checkers see only what the tests themselves leave behind.
class CFontCacheRelease : public ::testing::Environment {
public:
    void TearDown() override
    {
        cairo_debug_reset_static_data();
        FcFini();
    }
};

[[maybe_unused]] ::testing::Environment* const FONT_CACHE_RELEASE =
    ::testing::AddGlobalTestEnvironment(new CFontCacheRelease);

}  // namespace

std::string artworkPath(const char* fileName)
{
    return std::string(TENVIRA_ARTWORK_DIR) + "/" + fileName;
}

CTestImage::CTestImage(const std::string& path)
    : m_surface(cairo_image_surface_create_from_png(path.c_str())),
      m_loaded(cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS)
{}

CTestImage::~CTestImage()
{
    cairo_surface_destroy(m_surface);
}

int CTestImage::width() const
{
    return m_loaded ? cairo_image_surface_get_width(m_surface) : 0;
}

int CTestImage::height() const
{
    return m_loaded ? cairo_image_surface_get_height(m_surface) : 0;
}

bool CTestImage::hasAlpha() const
{
    return m_loaded && cairo_image_surface_get_format(m_surface) == CAIRO_FORMAT_ARGB32;
}

CTestImage::SPixel CTestImage::pixel(int x, int y) const
{
    if (!m_loaded || x < 0 || y < 0 || x >= width() || y >= height()) {
        return {0, 0, 0, 0};
    }
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    const std::uint32_t value = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
    const int alpha = hasAlpha() ? static_cast<int>(value >> 24) : 255;
    auto straight = [alpha](std::uint32_t channel) {
        return alpha == 0 ? 0 : static_cast<int>(std::lround(channel * 255.0 / alpha));
    };
    return {straight((value >> 16) & 0xFF), straight((value >> 8) & 0xFF), straight(value & 0xFF), alpha};
}

double CTestImage::luminanceOf(const SPixel& p)
{
    return 0.2126 * linearChannel(p.red) + 0.7152 * linearChannel(p.green) + 0.0722 * linearChannel(p.blue);
}

double CTestImage::luminance(int x, int y) const
{
    return luminanceOf(pixel(x, y));
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
