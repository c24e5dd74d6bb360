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
    /** Paints the root's area (0, 0, image width, image height) into image; false when the image has no bitmap. */
    static bool drawControlRoot(IControlRoot& root, Graphics::CRGBAImage& image);
    /** Paints the root into a new opaque bitmap of that size and writes it as PNG; false when either fails. */
    static bool writeControlRoot(IControlRoot& root, const Corvane::MathTools::CDimension& size,
                                 const Corvane::Basics::CSystemString& path);

    CRootSnapshot() = delete;
};

}}}  // namespace Corvane::GUI::Controls
