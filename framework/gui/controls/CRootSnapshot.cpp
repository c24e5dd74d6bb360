#include "gui/controls/CRootSnapshot.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/IControlRoot.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CRGBAImage.hpp"

namespace Corvane { namespace GUI { namespace Controls {

bool CRootSnapshot::drawControlRoot(IControlRoot& root, Graphics::CRGBAImage& image, double scale)
{
    Graphics::CGraphics graphics;
    if (!image.initialiseGraphics(graphics, scale)) {
        return false;
    }
    root.drawRootControl(graphics);
    graphics.uninitialise();
    return true;
}

bool CRootSnapshot::writeControlRoot(IControlRoot& root, const Corvane::MathTools::CDimension& size,
                                     const Corvane::Basics::CSystemString& path, double scale)
{
    const Corvane::MathTools::CDimension pixels = Graphics::CDeviceScale(scale).toDevice(size);
    Collections::TAutomaticPointer<Graphics::CRGBAImage> image;
    image = new Graphics::CRGBAImage(pixels.getWidth(), pixels.getHeight(), false);
    return drawControlRoot(root, *image, scale) && image->writeToPNG(path);
}

}}}  // namespace Corvane::GUI::Controls
