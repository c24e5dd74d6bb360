#pragma once

#include "basics/CSystemString.hpp"
#include "math/CDimension.hpp"

namespace Corvane { namespace GUI { namespace Graphics {
class CRGBAImage;
}}}  // namespace Corvane::GUI::Graphics

namespace Corvane { namespace GUI { namespace Controls {

class IControlRoot;

/**
 * What a control root paints, without a display: the root's window area
 * drawn into a bitmap, as a window repaint of the whole of it would draw it
 * (the window attributes' background colour first, when the root has a
 * window), to inspect pixel by pixel or to write as PNG.
 *
 * @code
 * CRootSnapshot::writeControlRoot(*editor.getControlRoot(), CDimension(463, 465), "editor.png");
 * @endcode
 */
class CRootSnapshot {
public:
    /**
     * Paints the root's area, the whole image, into image; false when the
     * image has no bitmap. At a scale above 1 the image has that many pixels
     * per pixel of the root's: the area is the image's size divided by it.
     */
    static bool drawControlRoot(IControlRoot& root, Graphics::CRGBAImage& image, double scale = 1.0);
    /**
     * Paints the root's area of that size (at that scale: into a bitmap of
     * the size scaled) into a new opaque bitmap and writes it as PNG; false
     * when either fails.
     */
    static bool writeControlRoot(IControlRoot& root, const Corvane::MathTools::CDimension& size,
                                 const Corvane::Basics::CSystemString& path, double scale = 1.0);

    CRootSnapshot() = delete;
};

}}}  // namespace Corvane::GUI::Controls
