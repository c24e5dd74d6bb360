#include "gui/graphics/CRGBAImage.hpp"

#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CCairoImage.hpp"
#include "gui/graphics/CGraphics.hpp"

namespace Corvane { namespace GUI { namespace Graphics {

CVN_IMPLEMENT_CLASS(CRGBAImage, "CBaseImage")

CRGBAImage::CRGBAImage(long width, long height, bool hasAlpha) : CBaseImage(hasAlpha)
{
    CVN_CONSTRUCT_CLASS;
    setImage(CCairoImage::create(width, height, hasAlpha), "Bitmap size out of range or out of memory");
}

CRGBAImage::~CRGBAImage()
{
    CVN_DESTRUCT_CLASS;
}

bool CRGBAImage::loadFromFile(const Corvane::Basics::CSystemString& /*path*/)
{
    return false;
}

bool CRGBAImage::initialiseGraphics(CGraphics& graphics, double scale)
{
    CCairoImage* image = getImageHandle();
    return image != nullptr && CCairoContext::initialiseGraphics(graphics, *image, scale);
}

Basics::CAlphaColour CRGBAImage::getPixel(long x, long y) const
{
    const CCairoImage* image = getImageHandle();
    return image != nullptr ? image->getPixel(x, y) : Basics::CAlphaColour::CALPHACOLOUR_TRANSPARENT;
}

void CRGBAImage::setPixel(long x, long y, const Basics::CAlphaColour& colour)
{
    if (CCairoImage* image = getImageHandle()) {
        image->setPixel(x, y, colour);
    }
}

bool CRGBAImage::writeToPNG(const Corvane::Basics::CSystemString& path) const
{
    const CCairoImage* image = getImageHandle();
    return image != nullptr && image->writePNG(path.getString());
}

}}}  // namespace Corvane::GUI::Graphics
