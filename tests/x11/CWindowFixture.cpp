#include "CWindowFixture.hpp"

#include "collections/TAutomaticPointer.hpp"
#include "gui/CvnGUI.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/CRGBAImage.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/x11/CX11ErrorTrap.hpp"

#include <unistd.h>
#include <algorithm>
#include <cstdlib>

namespace TenviraX11Tests {

using Corvane::GUI::Basics::CAlphaColour;
using Corvane::MathTools::CRect;

void CWindowFixture::SetUp()
{
    CX11Fixture::SetUp();
    setenv("DISPLAY", server().getDisplayName().c_str(), 1);
    Corvane::CvnGUI::start();
}

void CWindowFixture::TearDown()
{
    Corvane::CvnGUI::stop();
    unsetenv("DISPLAY");
    CX11Fixture::TearDown();
}

void CWindowFixture::showOwner(Corvane::GUI::Windowing::CWindow& owner)
{
    Corvane::GUI::Windowing::CWindowAttributes attributes;
    owner.initialiseWindow(&attributes, true);
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(owner.getWindowHandle()); }));
}

bool CWindowFixture::pumpWindowUntil(Corvane::GUI::Windowing::CWindow& window, const std::function<bool()>& done,
                                     long milliseconds)
{
    // The observer's view of the server changes without an event for the window: look again soon.
    return serveUntil([&] { window.pump(); }, [&](long left) { window.waitForEvents(std::min(50L, left)); }, done,
                      milliseconds);
}

Window CWindowFixture::windowNamed(const std::string& title)
{
    for (Window window : rootChildren()) {
        std::string name;
        property(window, atom("_NET_WM_NAME"), &name);
        if (name == title && isViewable(window)) {
            return window;
        }
    }
    return 0;
}

XWindowAttributes CWindowFixture::attributesOf(unsigned long window)
{
    XWindowAttributes attributes{};
    XSync(observer(), False);
    if (!XGetWindowAttributes(observer(), window, &attributes)) {
        ADD_FAILURE() << "no window " << window;
    }
    return attributes;
}

bool CWindowFixture::isViewable(unsigned long window)
{
    if (window == 0) {
        return false;
    }
    // Another connection's requests may reach the server after this one's, even when sent before: a window
    // not made yet is not viewable yet.
    XWindowAttributes attributes{};
    Corvane::GUI::Windowing::CX11ErrorTrap trap(observer());
    const Status known = XGetWindowAttributes(observer(), window, &attributes);
    return trap.release() && known && attributes.map_state == IsViewable;
}

std::string CWindowFixture::writeImage(const std::string& name, long width, long height, unsigned long colour)
{
    Corvane::Collections::TAutomaticPointer<Corvane::GUI::Graphics::CRGBAImage> image;
    image = new Corvane::GUI::Graphics::CRGBAImage(width, height, false);
    Corvane::GUI::Graphics::CGraphics graphics;
    image->initialiseGraphics(graphics);
    graphics.getMutableBrush().setColour(CAlphaColour(static_cast<long>((colour >> 16) & 0xFF),
                                                      static_cast<long>((colour >> 8) & 0xFF),
                                                      static_cast<long>(colour & 0xFF), 255));
    graphics.fillRectangle(CRect(0, 0, width, height));
    graphics.uninitialise();
    const std::string path = ::testing::TempDir() + "x11_" + std::to_string(getpid()) + "_" + name;
    EXPECT_TRUE(image->writeToPNG(path.c_str()));
    return path;
}

CRecordingControl::CRecordingControl(Corvane::GUI::Controls::IControlRoot* root, const CRect& area,
                                     const CAlphaColour& colour)
    : CControl(root, 1, area, nullptr),
      m_colour(colour)
{}

void CRecordingControl::drawControl(Corvane::GUI::Graphics::CGraphics& graphics)
{
    graphics.getMutableBrush().setColour(m_colour);
    graphics.fillRectangle(getNormalisedArea());
}

void CRecordingControl::record(const char* kind, Corvane::GUI::Events::CMouseEvent& event)
{
    const auto position = event.getMousePosition();
    events.push_back(std::string(kind) + " " + std::to_string(position.getXPosition()) + "," +
                     std::to_string(position.getYPosition()));
}

}  // namespace TenviraX11Tests
