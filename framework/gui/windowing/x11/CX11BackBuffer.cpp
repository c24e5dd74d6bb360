#include "gui/windowing/x11/CX11BackBuffer.hpp"

#include "gui/windowing/x11/CX11ErrorTrap.hpp"

#include <X11/Xutil.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

// Cairo's RGB24 pixel: 32 bits in the machine's byte order, red in bits 16-23, green 8-15, blue 0-7.
bool isCairoPixel(const Visual* visual, int bitsPerPixel)
{
    return bitsPerPixel == 32 && visual->red_mask == 0xFF0000 && visual->green_mask == 0x00FF00 &&
           visual->blue_mask == 0x0000FF;
}

int machineByteOrder()
{
    const std::uint16_t one = 1;
    return *reinterpret_cast<const unsigned char*>(&one) == 1 ? LSBFirst : MSBFirst;
}

// An 8-bit channel moved into a visual's mask.
unsigned long channelIn(unsigned long mask, std::uint32_t value)
{
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0) {
        ++shift;
    }
    const unsigned long largest = mask >> shift;
    return ((value * largest + 127) / 255) << shift;
}

}  // namespace

CX11BackBuffer::CX11BackBuffer(CX11Display& display, bool sharedMemory)
    : m_display(display),
      m_mayShare(sharedMemory),
      m_gc(nullptr),
      m_surface(nullptr),
      m_image(nullptr),
      m_shared(false),
      m_segment(),
      m_putSerial(0),
      m_width(0),
      m_height(0)
{
    m_display.referenced();
}

CX11BackBuffer::~CX11BackBuffer()
{
    release();
    if (m_gc != nullptr) {
        XFreeGC(m_display.getDisplay(), m_gc);
    }
    m_display.dereference();
}

bool CX11BackBuffer::prepare(int width, int height)
{
    if (width <= 0 || height <= 0) {
        release();
        return false;
    }
    if (m_surface != nullptr && width == m_width && height == m_height) {
        return true;
    }
    release();
    Display* const display = m_display.getDisplay();
    if (m_gc == nullptr) {
        XGCValues values;
        // A copy onto a window never needs the server to report unpainted parts.
        values.graphics_exposures = False;
        m_gc = XCreateGC(display, m_display.getRootWindow(), GCGraphicsExposures, &values);
    }
    if (makeShared(width, height)) {
        m_width = width;
        m_height = height;
        return true;
    }
    m_surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(m_surface) != CAIRO_STATUS_SUCCESS) {
        release();
        return false;
    }
    m_image =
        XCreateImage(display, m_display.getVisual(), static_cast<unsigned int>(m_display.getDepth()), ZPixmap, 0,
                     reinterpret_cast<char*>(cairo_image_surface_get_data(m_surface)), static_cast<unsigned int>(width),
                     static_cast<unsigned int>(height), 32, cairo_image_surface_get_stride(m_surface));
    if (m_image == nullptr) {
        release();
        return false;
    }
    m_image->byte_order = machineByteOrder();
    m_width = width;
    m_height = height;
    return true;
}

bool CX11BackBuffer::makeShared(int width, int height)
{
    Display* const display = m_display.getDisplay();
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width);
    if (!m_mayShare || !XShmQueryExtension(display)) {
        return false;
    }
    XImage* image =
        XShmCreateImage(display, m_display.getVisual(), static_cast<unsigned int>(m_display.getDepth()), ZPixmap,
                        nullptr, &m_segment, static_cast<unsigned int>(width), static_cast<unsigned int>(height));
    // The server reads the memory as it is: only Cairo's own pixel format, in the machine's byte order, will do.
    if (image == nullptr || !isCairoPixel(m_display.getVisual(), image->bits_per_pixel) ||
        image->bytes_per_line != stride || image->byte_order != machineByteOrder()) {
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return false;
    }
    m_segment.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(stride) * static_cast<size_t>(height), IPC_CREAT | 0600);
    void* memory = m_segment.shmid >= 0 ? shmat(m_segment.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
    bool attached = false;
    if (memory != reinterpret_cast<void*>(-1)) {
        m_segment.shmaddr = image->data = static_cast<char*>(memory);
        m_segment.readOnly = False;
        // A server on another machine refuses the segment.
        CX11ErrorTrap trap(display);
        XShmAttach(display, &m_segment);
        attached = trap.release();
    }
    if (m_segment.shmid >= 0) {
        // Gone once the process and the server have both let go of it, however the process ends.
        shmctl(m_segment.shmid, IPC_RMID, nullptr);
    }
    if (!attached) {
        if (memory != reinterpret_cast<void*>(-1)) {
            shmdt(memory);
        }
        image->data = nullptr;
        XDestroyImage(image);
        return false;
    }
    m_surface = cairo_image_surface_create_for_data(static_cast<unsigned char*>(memory), CAIRO_FORMAT_RGB24, width,
                                                    height, stride);
    m_image = image;
    m_shared = true;
    return true;
}

void CX11BackBuffer::release()
{
    if (m_surface != nullptr) {
        cairo_surface_destroy(m_surface);
        m_surface = nullptr;
    }
    if (m_shared) {
        // The server takes the images sent before it lets go.
        XShmDetach(m_display.getDisplay(), &m_segment);
        shmdt(m_segment.shmaddr);
        m_shared = false;
        m_putSerial = 0;
    }
    if (m_image != nullptr) {
        // The pixels are the surface's, or the segment's.
        m_image->data = nullptr;
        XDestroyImage(m_image);
        m_image = nullptr;
    }
    m_width = 0;
    m_height = 0;
}

bool CX11BackBuffer::isBusy() const
{
    return m_shared && m_putSerial != 0 && LastKnownRequestProcessed(m_display.getDisplay()) < m_putSerial;
}

XImage* CX11BackBuffer::imageOf(int x, int y, int width, int height, int& imageX, int& imageY)
{
    if (isCairoPixel(m_display.getVisual(), m_image->bits_per_pixel)) {
        imageX = x;
        imageY = y;
        return m_image;
    }
    // Another visual (16-bit colour, for one): the rectangle's pixels are converted, one by one.
    XImage* converted =
        XCreateImage(m_display.getDisplay(), m_display.getVisual(), static_cast<unsigned int>(m_display.getDepth()),
                     ZPixmap, 0, nullptr, static_cast<unsigned int>(width), static_cast<unsigned int>(height), 32, 0);
    if (converted == nullptr) {
        return nullptr;
    }
    converted->data = static_cast<char*>(std::malloc(static_cast<size_t>(converted->bytes_per_line) * height));
    if (converted->data == nullptr) {
        XDestroyImage(converted);
        return nullptr;
    }
    const Visual* visual = m_display.getVisual();
    const unsigned char* pixels = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    for (int row = 0; row < height; ++row) {
        const std::uint32_t* line = reinterpret_cast<const std::uint32_t*>(pixels + (y + row) * stride) + x;
        for (int column = 0; column < width; ++column) {
            const std::uint32_t pixel = line[column];
            XPutPixel(converted, column, row,
                      channelIn(visual->red_mask, (pixel >> 16) & 0xFF) |
                          channelIn(visual->green_mask, (pixel >> 8) & 0xFF) |
                          channelIn(visual->blue_mask, pixel & 0xFF));
        }
    }
    imageX = 0;
    imageY = 0;
    return converted;
}

void CX11BackBuffer::present(const CX11Window& window, int x, int y, int width, int height)
{
    if (m_surface == nullptr || !window.isCreated()) {
        return;
    }
    const int left = std::max(0, x);
    const int top = std::max(0, y);
    const int right = static_cast<int>(std::min(static_cast<long>(m_width), static_cast<long>(x) + width));
    const int bottom = static_cast<int>(std::min(static_cast<long>(m_height), static_cast<long>(y) + height));
    if (right <= left || bottom <= top) {
        return;
    }
    cairo_surface_flush(m_surface);
    if (m_shared) {
        // The host may have destroyed its window, and ours inside it, before the news reaches us.
        const CX11ErrorTrap trap(window.mayVanish() ? m_display.getDisplay() : nullptr);
        m_putSerial = NextRequest(m_display.getDisplay());
        XShmPutImage(m_display.getDisplay(), window.getWindowId(), m_gc, m_image, left, top, left, top,
                     static_cast<unsigned int>(right - left), static_cast<unsigned int>(bottom - top), True);
        return;
    }
    int imageX = 0;
    int imageY = 0;
    XImage* image = imageOf(left, top, right - left, bottom - top, imageX, imageY);
    if (image == nullptr) {
        return;
    }
    {
        // The host may have destroyed its window, and ours inside it, before the news reaches us.
        const CX11ErrorTrap trap(window.mayVanish() ? m_display.getDisplay() : nullptr);
        XPutImage(m_display.getDisplay(), window.getWindowId(), m_gc, image, imageX, imageY, left, top,
                  static_cast<unsigned int>(right - left), static_cast<unsigned int>(bottom - top));
    }
    if (image != m_image) {
        XDestroyImage(image);
    }
}

}}}  // namespace Corvane::GUI::Windowing
