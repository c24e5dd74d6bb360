#pragma once

#include "gui/graphics/CBaseImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

/** An image read from a JPEG file (no alpha). Only names ending in "jpg" or "jpeg" are read. */
class CJPEGImage : public CBaseImage {
public:
    static constexpr const char* CJPEGIMAGE_WRONG_TYPE = "Filename is not of JPEG type";
    static constexpr const char* CJPEGIMAGE_LOAD_FAILED = "Failed to load image with JPEG Data provider";

    /** As CPNGImage::getNewInstance. */
    static CJPEGImage* getNewInstance(const Corvane::Basics::CSystemString& folder,
                                      const Corvane::Basics::CString& fileName);

    CJPEGImage();
    explicit CJPEGImage(const Corvane::Basics::CSystemString& path);
    ~CJPEGImage() override;

    long getImageFormat() const override { return IIMAGE_FORMAT_JPEG; }
    /** The extension test is case-sensitive. */
    bool loadFromFile(const Corvane::Basics::CSystemString& path) override;

    CVN_DECLARE_CLASS

protected:
    CCairoImage* decodeFile(const char* path) const override;
};

}}}  // namespace Corvane::GUI::Graphics
