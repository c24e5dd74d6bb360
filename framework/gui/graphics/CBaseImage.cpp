#include "gui/graphics/CBaseImage.hpp"

#include "gui/graphics/CCairoImage.hpp"

#include <cstdio>

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CBaseImage, "CCountedObject")

CBaseImage::CBaseImage(bool hasAlpha) : m_hasAlpha(hasAlpha), m_imageLoaded(false), m_fileName(" "), m_image(nullptr)
{
    CVN_CONSTRUCT_CLASS;
}

CBaseImage::~CBaseImage()
{
    delete m_image;
    CVN_DESTRUCT_CLASS;
}

Corvane::MathTools::CDimension CBaseImage::getImageSize() const
{
    return m_imageSize;
}

Corvane::MathTools::CRect CBaseImage::getNormalisedImageSize() const
{
    return Corvane::MathTools::CRect(0, 0, m_imageSize.getWidth(), m_imageSize.getHeight());
}

Corvane::Basics::CSystemString CBaseImage::joinPath(const Corvane::Basics::CSystemString& folder,
                                                    const Corvane::Basics::CString& fileName)
{
    Corvane::Basics::CSystemString path(folder);
    path.appendPath(fileName);
    return path;
}

void CBaseImage::unloadImage()
{
    m_fileName = " ";
    m_imageSize.setDimension(0, 0);
    delete m_image;
    m_image = nullptr;
    m_imageLoaded = false;
}

bool CBaseImage::setImage(CCairoImage* image, const char* errorWhenNull)
{
    delete m_image;
    m_image = image;
    if (image == nullptr) {
        m_imageSize.setDimension(0, 0);
        return failLoad(errorWhenNull);
    }
    m_imageSize.setDimension(image->getWidth(), image->getHeight());
    m_lastError = "";
    m_imageLoaded = true;
    return true;
}

bool CBaseImage::failLoad(const char* reason)
{
    m_lastError = reason;
    m_imageLoaded = false;
    return false;
}

void CBaseImage::getObjectDescription(char* buffer, long size) const
{
    if (buffer == nullptr || size <= 0) {
        return;
    }
    if (!m_imageLoaded) {
        std::snprintf(buffer, static_cast<std::size_t>(size), "No Image loaded");
    } else {
        std::snprintf(buffer, static_cast<std::size_t>(size), "File loaded is = %s", m_fileName.getString());
    }
}

}}}  // namespace Corvane::GUI::Graphics
