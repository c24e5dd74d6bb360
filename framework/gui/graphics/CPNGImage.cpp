#include "gui/graphics/CPNGImage.hpp"

#include "gui/graphics/CCairoImage.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CPNGImage, "CBaseImage")

CPNGImage* CPNGImage::getNewInstance(const Corvane::Basics::CSystemString& folder,
                                     const Corvane::Basics::CString& fileName)
{
    return new CPNGImage(joinPath(folder, fileName));
}

CPNGImage::CPNGImage() : CBaseImage(true)
{
    CVN_CONSTRUCT_CLASS;
}

CPNGImage::CPNGImage(const Corvane::Basics::CSystemString& path) : CPNGImage()
{
    loadFromFile(path);
}

CPNGImage::~CPNGImage()
{
    CVN_DESTRUCT_CLASS;
}

bool CPNGImage::loadFromFile(const Corvane::Basics::CSystemString& path)
{
    // Unloaded first, so a failed load never leaves the previous picture behind a cleared flag.
    unloadImage();
    setFileName(path);
    if (!path.hasExtension("png")) {
        return failLoad(CPNGIMAGE_WRONG_TYPE);
    }
    return setImage(decodeFile(path.getString()), CPNGIMAGE_LOAD_FAILED);
}

CCairoImage* CPNGImage::decodeFile(const char* path) const
{
    return CCairoImage::loadPNG(path);
}

}}}  // namespace Corvane::GUI::Graphics
