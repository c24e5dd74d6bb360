#include "gui/CvnGUI.hpp"

#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CCairoContext.hpp"
#include "gui/graphics/CImageManager.hpp"

namespace Corvane {

void CvnGUI::start()
{
    GUI::Graphics::CCairoContext::keepLibrariesLoaded();
    GUI::Fonts::CFont::createDefaultFont();
    GUI::Graphics::CImageManager::initialise();
}

void CvnGUI::stop()
{
    GUI::Graphics::CImageManager::uninitialise();
    GUI::Fonts::CFont::destroyDefaultFont();
}

}  // namespace Corvane
