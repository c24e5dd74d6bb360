#include "gui/graphics/CImageManager.hpp"

#include "collections/TCountedPointerArray.hpp"
#include "gui/graphics/CJPEGImage.hpp"
#include "gui/graphics/CPNGImage.hpp"
#include "host/CFileManager.hpp"

#include <initializer_list>

namespace Corvane { namespace GUI { namespace Graphics {

namespace {

Corvane::Collections::TCountedPointerArray<CImageReference>* images = nullptr;
Corvane::Basics::CSystemString* defaultPath = nullptr;

}  // namespace

void CImageManager::initialise()
{
    if (defaultPath == nullptr) {
        defaultPath = new Corvane::Basics::CSystemString(" ");
    }
    if (images == nullptr) {
        images = new Corvane::Collections::TCountedPointerArray<CImageReference>();
    }
}

void CImageManager::uninitialise()
{
    delete images;
    images = nullptr;
    delete defaultPath;
    defaultPath = nullptr;
}

IImage* CImageManager::getImageOnPath(const Corvane::Basics::CSystemString& path)
{
    if (!Corvane::Host::CFileManager::doesFileExist(path)) {
        return nullptr;
    }
    for (const char* extension : {"jpg", "jpeg", "JPG", "JPEG"}) {
        if (path.hasExtension(extension)) {
            return new CJPEGImage(path);
        }
    }
    if (path.hasExtension("tga") || path.hasExtension("TGA")) {
        return nullptr;
    }
    if (path.hasExtension("png") || path.hasExtension("PNG")) {
        return new CPNGImage(path);
    }
    return nullptr;
}

IImage* CImageManager::getImageOnPath(const Corvane::Basics::CSystemString& folder,
                                      const Corvane::Basics::CString& fileName)
{
    return getImageOnPath(CBaseImage::joinPath(folder, fileName));
}

void CImageManager::setDefaultPathToImages(const Corvane::Basics::CSystemString& path)
{
    if (defaultPath != nullptr) {
        *defaultPath = path;
    }
}

Corvane::Basics::CSystemString CImageManager::getDefaultPathToImages()
{
    return defaultPath != nullptr ? *defaultPath : Corvane::Basics::CSystemString(" ");
}

void CImageManager::addImage(IImage* image, const Corvane::Basics::CString& name)
{
    if (images != nullptr && image != nullptr) {
        images->addElement(new CImageReference(image, name));
    }
}

CImageReference* CImageManager::getImageReference(const Corvane::Basics::CString& name)
{
    if (images == nullptr) {
        return nullptr;
    }
    for (long i = 0; i < images->getInsertIndex(); ++i) {
        CImageReference* reference = images->getElementAtIndex(i);
        if (reference != nullptr && reference->getReferenceName() == name) {
            return reference;
        }
    }
    return nullptr;
}

IImage* CImageManager::getImage(const Corvane::Basics::CString& name)
{
    const CImageReference* reference = getImageReference(name);
    return reference != nullptr ? reference->getImage() : nullptr;
}

}}}  // namespace Corvane::GUI::Graphics
