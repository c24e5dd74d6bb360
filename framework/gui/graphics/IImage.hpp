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
};

}}}  // namespace Corvane::GUI::Graphics
