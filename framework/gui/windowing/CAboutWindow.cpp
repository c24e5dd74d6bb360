#include "gui/windowing/CAboutWindow.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/graphics/CImageManager.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

namespace Corvane { namespace GUI { namespace Windowing {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CAboutWindow, "CWindow")
CVN_IMPLEMENT_CLASS(CAboutWindow::CAboutRoot, "CControlRoot")

CAboutWindow::CAboutRoot::CAboutRoot(CAboutWindow* window) : Controls::CControlRoot(window), m_aboutWindow(window)
{
    CVN_CONSTRUCT_CLASS;
}

CAboutWindow::CAboutRoot::~CAboutRoot()
{
    CVN_DESTRUCT_CLASS;
}

void CAboutWindow::CAboutRoot::handleLeftButtonDown(Events::CMouseEvent&)
{
    m_aboutWindow->closeWindow();
}

CAboutWindow::CAboutWindow(const Corvane::Basics::CSystemString& folder, const Corvane::Basics::CString& fileName,
                           double alpha)
    : CWindow(CRect(0, 0, 800, 600))
{
    CVN_CONSTRUCT_CLASS;
    setControlRoot(new CAboutRoot(this));
    setWindowRole(CWINDOW_ROLE_SPLASH);
    Collections::TAutomaticPointer<Graphics::IImage> image;
    image = Graphics::CImageManager::getImageOnPath(folder, fileName);
    if (!image.hasPointer() || !image->hasImageLoaded()) {
        return;
    }
    getControlRoot()->setBackgroundImage(image.getPointer());
    CWindowAttributes attributes;
    attributes.initialise(CWindowAttributes::CWINDOWATTRIBUTES_STYLE_PLAIN);
    attributes.setWindowAlpha(alpha);
    initialiseWindow(&attributes, false);
    setWindowSize(image->getImageSize());
}

CAboutWindow::~CAboutWindow()
{
    CVN_DESTRUCT_CLASS;
}

void CAboutWindow::createWindow()
{
    setWindowCreated(true);
}

void CAboutWindow::openWindow()
{
    if (!isWindowCreated() || !realiseWindow()) {
        return;
    }
    // The screen is known only now, on the connection the window is made on; both sizes in its pixels.
    const CDimension screen = getScreenSize();
    const CDimension size = getPlatformWindowSize();
    setWindowPosition(
        CPoint(screen.getWidth() / 2 - size.getWidth() / 2, screen.getHeight() / 2 - size.getHeight() / 2));
    CWindow::openWindow();
    giveFocus();
    updateWindow();
}

void CAboutWindow::lostFocus(IWindow*)
{
    if (isWindowOpen()) {
        closeWindow();
    }
}

}}}  // namespace Corvane::GUI::Windowing
