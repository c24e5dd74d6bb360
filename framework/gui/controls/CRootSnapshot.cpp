#include "gui/controls/CRootSnapshot.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/IControlRoot.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CRGBAImage.hpp"

namespace Corvane { namespace GUI { namespace Controls {

bool CRootSnapshot::drawControlRoot(IControlRoot& root, Graphics::CRGBAImage& image)
{
    Graphics::CGraphics graphics;
    if (!image.initialiseGraphics(graphics)) {
        return false;
    }
    root.drawRootControl(graphics);
    graphics.uninitialise();
    return true;
}

bool CRootSnapshot::writeControlRoot(IControlRoot& root, const Corvane::MathTools::CDimension& size,
                                     const Corvane::Basics::CSystemString& path)
{
    Collections::TAutomaticPointer<Graphics::CRGBAImage> image;
    image = new Graphics::CRGBAImage(size.getWidth(), size.getHeight(), false);
    return drawControlRoot(root, *image) && image->writeToPNG(path);
}

}}}  // namespace Corvane::GUI::Controls
