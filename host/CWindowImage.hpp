// Pixels read back from a window on the screen, for snapshots and tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace DevHost {

class CWindowImage {
public:
    CWindowImage() = default;
    // Black, width x height.
    CWindowImage(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_pixels.empty(); }

    // 0xRRGGBB; 0 outside the image.
    std::uint32_t at(int x, int y) const;
    void set(int x, int y, std::uint32_t rgb);
    // How many pixels of the rectangle (clipped to the image) have the colour.
    long count(std::uint32_t rgb, int x, int y, int width, int height) const;

    // Writes the image as PNG; false with the reason in error.
    bool writePng(const std::string& path, std::string* error = nullptr) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_pixels;
};

}  // namespace DevHost
