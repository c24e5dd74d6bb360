#pragma once

#include "basics/CSystemString.hpp"
#include "basics/ICountedObject.hpp"
#include "math/CDimension.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

class CCairoImage;

/**
 * A bitmap controls draw: loaded from a file (PNG, JPEG) or filled by the
 * program. Images are shared by reference count between the controls that
 * show them.
 *
 * Its size is its size in a window's own pixels, whatever the screen's scale:
 * a picture read from a file may have larger sets of the same picture beside
 * it (getLargerSetPath), twice or three times as large, which are drawn
 * instead where a window has more pixels than its own.
 */
class IImage : public virtual Corvane::Basics::ICountedObject {
public:
    /** The formats getImageFormat answers. */
    enum EImageFormat : long {
        IIMAGE_FORMAT_RGBA = 0,
        IIMAGE_FORMAT_TGA = 1,
        IIMAGE_FORMAT_PNG = 2,
        IIMAGE_FORMAT_JPEG = 3
    };

    ~IImage() override = default;

    virtual Corvane::MathTools::CDimension getImageSize() const = 0;
    /** (0, 0, width, height). */
    virtual Corvane::MathTools::CRect getNormalisedImageSize() const = 0;
    virtual long getImageFormat() const = 0;
    virtual const Corvane::Basics::CSystemString& getFileName() const = 0;
    /** Loads the file; false (with the reason kept as the last error) on failure. */
    virtual bool loadFromFile(const Corvane::Basics::CSystemString& path) = 0;
    virtual void unloadImage() = 0;
    virtual bool imageHasAlpha() const = 0;
    virtual bool hasImageLoaded() const = 0;
    /** The platform's image; null when nothing is loaded. */
    virtual CCairoImage* getImageHandle() const = 0;
    /**
     * The pixels to draw on a surface of scale pixels per pixel of the image's
     * size: the image's own, a larger set of it, or a set resampled once to
     * that scale (pixelsPerUnit tells how many of its pixels make one of the
     * image's size). Null when nothing is loaded.
     */
    virtual CCairoImage* getImageHandleForScale(double scale, double& pixelsPerUnit) = 0;
};

}}}  // namespace Corvane::GUI::Graphics
