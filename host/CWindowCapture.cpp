#include "CWindowCapture.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>

namespace DevHost {

namespace {

// One colour channel of a true-colour pixel, scaled to 8 bits.
std::uint32_t channelOf(unsigned long pixel, unsigned long mask)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) {
        ++shift;
    }
    const unsigned long bits = mask >> shift;
    const unsigned long value = (pixel & mask) >> shift;
    return static_cast<std::uint32_t>(value * 255UL / bits);
}

}  // namespace

CWindowImage captureWindow(Display* display, unsigned long window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable ||
        attributes.visual->red_mask == 0) {
        return CWindowImage();
    }
    CWindowImage image(attributes.width, attributes.height);
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, attributes.root, 0, 0, &rootX, &rootY, &child);
    // The server hands out only pixels that lie on the screen; asking for more is an error.
    const int left = std::max(0, -rootX);
    const int top = std::max(0, -rootY);
    const int right = std::min(attributes.width, WidthOfScreen(attributes.screen) - rootX);
    const int bottom = std::min(attributes.height, HeightOfScreen(attributes.screen) - rootY);
    if (right <= left || bottom <= top) {
        return image;
    }
    XImage* pixels = XGetImage(display, window, left, top, static_cast<unsigned>(right - left),
                               static_cast<unsigned>(bottom - top), AllPlanes, ZPixmap);
    if (!pixels) {
        return image;
    }
    const Visual* visual = attributes.visual;
    for (int y = 0; y < bottom - top; ++y) {
        for (int x = 0; x < right - left; ++x) {
            const unsigned long pixel = XGetPixel(pixels, x, y);
            image.set(left + x, top + y,
                      (channelOf(pixel, visual->red_mask) << 16) | (channelOf(pixel, visual->green_mask) << 8) |
                          channelOf(pixel, visual->blue_mask));
        }
    }
    XDestroyImage(pixels);
    return image;
}

}  // namespace DevHost
