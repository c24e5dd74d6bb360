// The about window: made on its owner's connection when first opened, centred
// at its image's size, hidden by a click or by losing the focus, and gone
// with its owner.
#include "CWindowFixture.hpp"

#include "gui/windowing/CAboutWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;
using Corvane::MathTools::CRect;

namespace {

class AboutWindow : public CWindowFixture {
protected:
    void SetUp() override
    {
        CWindowFixture::SetUp();
        const std::string image = writeImage("splash.png", 300, 180, 0x3366CC);
        m_folder = image.substr(0, image.rfind('/'));
        m_name = image.substr(image.rfind('/') + 1);
    }

    std::string m_folder, m_name;
};

}  // namespace

TEST_F(AboutWindow, CentredAtTheImageSizeAboveOthersAndHiddenByAClickOrLosingTheFocus)
{
    CWindow owner(CRect(20, 20, 200, 150));
    // Built before the owner has a connection, as an editor builds it: no window yet.
    CAboutWindow about(m_folder.c_str(), m_name.c_str(), 0.85);
    about.initialiseWindow(owner.getWindowAttributes(), true);
    EXPECT_TRUE(about.isWindowCreated());
    EXPECT_EQ(about.getWindowHandle(), 0u);
    about.setParentWindow(&owner);
    showOwner(owner);

    about.openWindow();
    const unsigned long handle = about.getWindowHandle();
    // Only the owner's pump serves it: it lives on the owner's connection.
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(handle) && pixel(handle, 150, 90) == 0x3366CC; }));
    const XWindowAttributes attributes = attributesOf(handle);
    EXPECT_EQ(attributes.x, (SCREEN_WIDTH - 300) / 2);
    EXPECT_EQ(attributes.y, (SCREEN_HEIGHT - 180) / 2);
    EXPECT_EQ(attributes.width, 300);
    EXPECT_EQ(attributes.height, 180);
    EXPECT_EQ(property(handle, atom("_NET_WM_STATE")),
              std::vector<long>({static_cast<long>(atom("_NET_WM_STATE_ABOVE"))}));
    EXPECT_EQ(property(handle, atom("_MOTIF_WM_HINTS")), std::vector<long>({2, 0, 0, 0, 0}));
    const auto opacity = property(handle, atom("_NET_WM_WINDOW_OPACITY"));
    ASSERT_EQ(opacity.size(), 1u);
    EXPECT_EQ(static_cast<uint32_t>(opacity[0]), 0xD9999999u);

    input("mousemove --window " + id(handle) + " 10 10 click 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return !isViewable(handle); }));
    EXPECT_FALSE(about.isWindowOpen());
    // Opened again, it is the same window, and it hides when it loses the focus.
    about.openWindow();
    EXPECT_EQ(about.getWindowHandle(), handle);
    ASSERT_TRUE(pumpWindowUntil(owner, [&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(observer(), &focus, &revert);
        return isViewable(handle) && focus == handle;
    }));
    input("windowfocus --sync " + id(owner.getWindowHandle()));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return !isViewable(handle); }));
}

TEST_F(AboutWindow, AnUnreadableImageMeansNoWindowAndAWindowGoesWithItsOwner)
{
    const std::vector<Window> before = rootChildren();
    CWindow owner(CRect(20, 20, 200, 150));
    CAboutWindow about(m_folder.c_str(), m_name.c_str(), 0.85);
    showOwner(owner);
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return !owner.needsRedraw(); }));
    const std::vector<Window> withOwner = rootChildren();
    CAboutWindow missing(m_folder.c_str(), "missing.png", 0.85);
    missing.setParentWindow(&owner);
    missing.openWindow();
    owner.pump();
    EXPECT_FALSE(missing.isWindowCreated());
    EXPECT_EQ(missing.getWindowHandle(), 0u);
    EXPECT_EQ(rootChildren(), withOwner);

    // The owner's destructor takes it too (see the menu's tests); here the owner's window goes first.
    about.setParentWindow(&owner);
    about.openWindow();
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(about.getWindowHandle()); }));
    owner.destroyWindow();
    EXPECT_EQ(about.getWindowHandle(), 0u);
    EXPECT_TRUE(waitUntil([&] { return rootChildren() == before; }));
    // Made again on the owner's next connection.
    showOwner(owner);
    about.openWindow();
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(about.getWindowHandle()); }));
}
