#pragma once

#include "gui/graphics/CBaseImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/** An image read from a PNG file, alpha channel kept. Only names ending in "png" are read. */
class CPNGImage : public CBaseImage {
public:
    static constexpr const char* CPNGIMAGE_WRONG_TYPE = "Filename is not of PNG type";
    static constexpr const char* CPNGIMAGE_LOAD_FAILED = "Failed to load image with PNG Data provider";

    /**
     * A new image for folder/fileName, loaded already; it is returned even when
     * loading failed (see hasImageLoaded). The caller owns it (count 0).
     */
    static CPNGImage* getNewInstance(const Corvane::Basics::CSystemString& folder,
                                     const Corvane::Basics::CString& fileName);

    CPNGImage();
    /** Constructs and loads. */
    explicit CPNGImage(const Corvane::Basics::CSystemString& path);
    ~CPNGImage() override;

    long getImageFormat() const override { return IIMAGE_FORMAT_PNG; }
    /** The extension test is case-sensitive: "picture.PNG" is refused. */
    bool loadFromFile(const Corvane::Basics::CSystemString& path) override;

    CVN_DECLARE_CLASS

protected:
    CCairoImage* decodeFile(const char* path) const override;
};

}}}  // namespace Corvane::GUI::Graphics
