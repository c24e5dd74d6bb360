#include "gui/graphics/CBaseImage.hpp"

#include "gui/graphics/CCairoImage.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CBaseImage, "CCountedObject")

CBaseImage::CBaseImage(bool hasAlpha)
    : m_hasAlpha(hasAlpha),
      m_imageLoaded(false),
      m_fileName(" "),
      m_image(nullptr),
      m_largerSets(),
      m_largerSetLookedFor(),
      m_resampled(nullptr),
      m_resampledScale(0.0)
{
    CVN_CONSTRUCT_CLASS;
}

CBaseImage::~CBaseImage()
{
    releaseLargerSets();
    delete m_image;
    CVN_DESTRUCT_CLASS;
}

Corvane::Basics::CSystemString CBaseImage::getLargerSetPath(const Corvane::Basics::CSystemString& path,
                                                            long pixelsPerUnit)
{
    const std::string text = path.getString();
    const std::size_t name = text.find_last_of('/');
    const std::size_t dot = text.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (name == std::string::npos || dot > name + 1);
    const std::size_t at = hasExtension ? dot : text.size();
    const std::string mark = "@" + std::to_string(pixelsPerUnit) + "x";
    return Corvane::Basics::CSystemString((text.substr(0, at) + mark + text.substr(at)).c_str());
}

CCairoImage* CBaseImage::decodeFile(const char*) const
{
    return nullptr;
}

CCairoImage* CBaseImage::getImageHandleForScale(double scale, double& pixelsPerUnit)
{
    long setFactor = 1;
    CCairoImage* set = chooseSet(scale, setFactor);
    pixelsPerUnit = static_cast<double>(setFactor);
    if (set == nullptr || !(scale > 1.0) || !(scale < pixelsPerUnit)) {
        return set;
    }
    if (m_resampled == nullptr || m_resampledScale != scale) {
        delete m_resampled;
        m_resampled = set->createResampled(scale / pixelsPerUnit);
        m_resampledScale = m_resampled != nullptr ? scale : 0.0;
    }
    if (m_resampled == nullptr) {
        return set;
    }
    pixelsPerUnit = scale;
    return m_resampled;
}

CCairoImage* CBaseImage::chooseSet(double scale, long& pixelsPerUnit)
{
    pixelsPerUnit = 1;
    if (m_image == nullptr || !(scale > 1.0)) {
        return m_image;
    }
    // A factor in between draws from the next larger set; beyond the largest set there is, from that one.
    const long wanted = std::min(CBASEIMAGE_LARGEST_SET, std::max(2L, static_cast<long>(std::ceil(scale))));
    for (long factor = wanted; factor <= CBASEIMAGE_LARGEST_SET; ++factor) {
        if (CCairoImage* set = getLargerSet(factor)) {
            pixelsPerUnit = factor;
            return set;
        }
    }
    for (long factor = wanted - 1; factor >= 2; --factor) {
        if (CCairoImage* set = getLargerSet(factor)) {
            pixelsPerUnit = factor;
            return set;
        }
    }
    return m_image;
}

CCairoImage* CBaseImage::getLargerSet(long pixelsPerUnit)
{
    const long index = pixelsPerUnit - 2;
    if (!m_largerSetLookedFor[index]) {
        m_largerSetLookedFor[index] = true;
        CCairoImage* set = decodeFile(getLargerSetPath(m_fileName, pixelsPerUnit).getString());
        // Another size would put every frame of a strip, and every part of a picture, in the wrong place.
        if (set != nullptr && (set->getWidth() != m_imageSize.getWidth() * pixelsPerUnit ||
                               set->getHeight() != m_imageSize.getHeight() * pixelsPerUnit)) {
            delete set;
            set = nullptr;
        }
        m_largerSets[index] = set;
    }
    return m_largerSets[index];
}

void CBaseImage::releaseLargerSets()
{
    delete m_resampled;
    m_resampled = nullptr;
    m_resampledScale = 0.0;
    for (long i = 0; i < CBASEIMAGE_LARGEST_SET - 1; ++i) {
        delete m_largerSets[i];
        m_largerSets[i] = nullptr;
        m_largerSetLookedFor[i] = false;
    }
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
    releaseLargerSets();
    delete m_image;
    m_image = nullptr;
    m_imageLoaded = false;
}

bool CBaseImage::setImage(CCairoImage* image, const char* errorWhenNull)
{
    releaseLargerSets();
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
