#include "gui/graphics/CCairoImage.hpp"

#include <cmath>
#include <cstdint>

namespace Corvane { namespace GUI { namespace Graphics {

namespace {

std::uint32_t channel(unsigned long value)
{
    return value > 255 ? 255U : static_cast<std::uint32_t>(value);
}

}  // namespace

CCairoImage* CCairoImage::create(long width, long height, bool alpha)
{
    if (width <= 0 || height <= 0 || width > CCAIROIMAGE_MAXIMUM_SIDE || height > CCAIROIMAGE_MAXIMUM_SIDE) {
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                                          static_cast<int>(width), static_cast<int>(height));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return new CCairoImage(surface);
}

CCairoImage* CCairoImage::loadPNG(const char* path)
{
    cairo_surface_t* surface = cairo_image_surface_create_from_png(path);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return new CCairoImage(surface);
}

CCairoImage::CCairoImage(cairo_surface_t* surface) : m_surface(surface) {}

CCairoImage* CCairoImage::createResampled(double ratio) const
{
    if (!(ratio > 0.0) || !(ratio <= static_cast<double>(CCAIROIMAGE_MAXIMUM_SIDE))) {
        return nullptr;
    }
    CCairoImage* copy = create(static_cast<long>(std::ceil(static_cast<double>(getWidth()) * ratio)),
                               static_cast<long>(std::ceil(static_cast<double>(getHeight()) * ratio)), hasAlpha());
    if (copy == nullptr) {
        return nullptr;
    }
    cairo_t* context = cairo_create(copy->m_surface);
    cairo_scale(context, ratio, ratio);
    cairo_set_source_surface(context, m_surface, 0.0, 0.0);
    cairo_pattern_set_extend(cairo_get_source(context), CAIRO_EXTEND_PAD);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_paint(context);
    cairo_destroy(context);
    cairo_surface_flush(copy->m_surface);
    return copy;
}

CCairoImage::~CCairoImage()
{
    cairo_surface_destroy(m_surface);
}

long CCairoImage::getWidth() const
{
    return cairo_image_surface_get_width(m_surface);
}

long CCairoImage::getHeight() const
{
    return cairo_image_surface_get_height(m_surface);
}

bool CCairoImage::hasAlpha() const
{
    return cairo_image_surface_get_format(m_surface) == CAIRO_FORMAT_ARGB32;
}

unsigned char* CCairoImage::getData()
{
    cairo_surface_flush(m_surface);
    return cairo_image_surface_get_data(m_surface);
}

long CCairoImage::getStride() const
{
    return cairo_image_surface_get_stride(m_surface);
}

void CCairoImage::markDirty()
{
    cairo_surface_mark_dirty(m_surface);
}

Basics::CAlphaColour CCairoImage::getPixel(long x, long y) const
{
    if (x < 0 || y < 0 || x >= getWidth() || y >= getHeight()) {
        return Basics::CAlphaColour::CALPHACOLOUR_TRANSPARENT;
    }
    cairo_surface_flush(m_surface);
    const unsigned char* row = cairo_image_surface_get_data(m_surface) + y * getStride();
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    const std::uint32_t alpha = hasAlpha() ? pixel >> 24 : 255U;
    auto straight = [alpha](std::uint32_t premultiplied) -> unsigned long {
        return alpha == 0 ? 0 : (premultiplied * 255U + alpha / 2) / alpha;
    };
    return Basics::CAlphaColour(straight((pixel >> 16) & 0xFFU), straight((pixel >> 8) & 0xFFU),
                                straight(pixel & 0xFFU), alpha);
}

void CCairoImage::setPixel(long x, long y, const Basics::CAlphaColour& colour)
{
    if (x < 0 || y < 0 || x >= getWidth() || y >= getHeight()) {
        return;
    }
    const std::uint32_t alpha = hasAlpha() ? channel(colour.getAlpha()) : 255U;
    auto premultiplied = [alpha](unsigned long straight) { return (channel(straight) * alpha + 127U) / 255U; };
    unsigned char* row = getData() + y * getStride();
    reinterpret_cast<std::uint32_t*>(row)[x] = (alpha << 24) | (premultiplied(colour.getRed()) << 16) |
                                               (premultiplied(colour.getGreen()) << 8) |
                                               premultiplied(colour.getBlue());
    markDirty();
}

bool CCairoImage::writePNG(const char* path) const
{
    cairo_surface_flush(m_surface);
    return cairo_surface_write_to_png(m_surface, path) == CAIRO_STATUS_SUCCESS;
}

}}}  // namespace Corvane::GUI::Graphics
