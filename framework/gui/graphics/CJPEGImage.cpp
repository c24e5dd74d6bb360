#include "gui/graphics/CJPEGImage.hpp"

#include "gui/graphics/CJPEGDecoder.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CJPEGImage, "CBaseImage")

CJPEGImage* CJPEGImage::getNewInstance(const Corvane::Basics::CSystemString& folder,
                                       const Corvane::Basics::CString& fileName)
{
    return new CJPEGImage(joinPath(folder, fileName));
}

CJPEGImage::CJPEGImage() : CBaseImage(false)
{
    CVN_CONSTRUCT_CLASS;
}

CJPEGImage::CJPEGImage(const Corvane::Basics::CSystemString& path) : CJPEGImage()
{
    loadFromFile(path);
}

CJPEGImage::~CJPEGImage()
{
    CVN_DESTRUCT_CLASS;
}

bool CJPEGImage::loadFromFile(const Corvane::Basics::CSystemString& path)
{
    unloadImage();
    setFileName(path);
    if (!path.hasExtension("jpg") && !path.hasExtension("jpeg")) {
        return failLoad(CJPEGIMAGE_WRONG_TYPE);
    }
    return setImage(decodeFile(path.getString()), CJPEGIMAGE_LOAD_FAILED);
}

CCairoImage* CJPEGImage::decodeFile(const char* path) const
{
    return CJPEGDecoder::decode(path);
}

}}}  // namespace Corvane::GUI::Graphics
