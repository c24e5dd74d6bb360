#include "CWindowImage.hpp"

#include <cairo.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace DevHost {

CWindowImage::CWindowImage(int width, int height)
    : m_width(std::max(0, width)),
      m_height(std::max(0, height)),
      m_pixels(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0u)
{}

std::uint32_t CWindowImage::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return 0;
    }
    return m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)];
}

void CWindowImage::set(int x, int y, std::uint32_t rgb)
{
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) {
        m_pixels[static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x)] = rgb & 0xFFFFFFu;
    }
}

long CWindowImage::count(std::uint32_t rgb, int x, int y, int width, int height) const
{
    long found = 0;
    for (int row = std::max(0, y); row < std::min(m_height, y + height); ++row) {
        for (int column = std::max(0, x); column < std::min(m_width, x + width); ++column) {
            found += at(column, row) == rgb ? 1 : 0;
        }
    }
    return found;
}

bool CWindowImage::writePng(const std::string& path, std::string* error) const
{
    if (isEmpty()) {
        if (error) {
            *error = "the window showed nothing to write";
        }
        return false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, m_width, m_height);
    cairo_status_t status = cairo_surface_status(surface);
    if (status == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(surface);
        unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        // RGB24 keeps each pixel as a native 32-bit 0x00RRGGBB word, as the image does.
        for (int row = 0; row < m_height; ++row) {
            std::memcpy(data + static_cast<std::ptrdiff_t>(row) * stride, &m_pixels[static_cast<size_t>(row) * m_width],
                        static_cast<size_t>(m_width) * sizeof(std::uint32_t));
        }
        cairo_surface_mark_dirty(surface);
        status = cairo_surface_write_to_png(surface, path.c_str());
    }
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS && error) {
        *error = "cannot write \"" + path + "\": " + cairo_status_to_string(status);
    }
    return status == CAIRO_STATUS_SUCCESS;
}

}  // namespace DevHost
