// Windows an owner window opens on its own connection: pop-up menus opened at
// a screen position, highlighting, choosing on release and closing on a click
// elsewhere; the about window centred at its image's size and hidden by a
// click or by losing the focus; both gone with their owner. A pop-up button's
// menu is opened and chosen from in the editor's tests (tests/editor).
#include "CWindowFixture.hpp"

#include "gui/controls/CControlRoot.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/events/CMenuEvent.hpp"
#include "gui/listeners/IMenuListener.hpp"
#include "gui/windowing/CAboutWindow.hpp"
#include "gui/windowing/CMenuWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

#include <X11/Xutil.h>

#include <memory>

using namespace TenviraX11Tests;
using namespace Corvane::GUI::Windowing;
using Corvane::GUI::Basics::CAlphaColour;
using Corvane::GUI::Basics::CColour;
using Corvane::GUI::Controls::CMenu;
using Corvane::GUI::Controls::CMenuItem;
using Corvane::GUI::Events::CMenuEvent;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

class CMenuRecorder : public Corvane::GUI::Listeners::IMenuListener {
public:
    void handleMenuOpening(const CMenuEvent& event) override { record("opening", event); }
    void handleMenuClosing(const CMenuEvent& event) override { record("closing", event); }
    void handleMenuSelection(const CMenuEvent& event) override { record("selection", event); }
    std::vector<std::string> events;

private:
    void record(const char* kind, const CMenuEvent& event)
    {
        events.push_back(std::string(kind) + " " + std::to_string(event.identify()));
    }
};

class COwnedWindowFixture : public CWindowFixture {
protected:
    void SetUp() override
    {
        CWindowFixture::SetUp();
        m_menu = new CMenu("Valve");
        m_menu->referenced();
        const char* texts[] = {"Valve Bypass", "Valve Soft", "Valve Dirty", "Off"};
        for (long id = 0; id < 4; ++id) {
            m_menu->addMenuItem(new CMenuItem(texts[id], id, CMenuItem::CMENUITEM_TYPE_PLAIN, id != 3));
        }
        m_attributes.setBackgroundColour(CColour(215, 219, 223));
        m_attributes.setWindowAlpha(0.87);
        const std::string image = writeImage("splash.png", 300, 180, 0x3366CC);
        m_folder = image.substr(0, image.rfind('/'));
        m_name = image.substr(image.rfind('/') + 1);
    }
    void TearDown() override
    {
        m_menu->dereference();
        CWindowFixture::TearDown();
    }

    /** The screen position of the middle of item index of an open menu. */
    std::string itemPoint(const CMenuWindow& menu, long index)
    {
        const CPoint origin = menu.getWindowPosition();
        return std::to_string(origin.getXPosition() + 20) + " " +
               std::to_string(origin.getYPosition() + index * menu.getItemHeight() + menu.getItemHeight() / 2);
    }

    CMenu* m_menu = nullptr;
    CWindowAttributes m_attributes;
    std::string m_folder, m_name;
};
using PopupMenu = COwnedWindowFixture;
using AboutWindow = COwnedWindowFixture;

}  // namespace

TEST_F(PopupMenu, OpensAtThePointHighlightsChoosesOnReleaseAndClosesOnAClickElsewhere)
{
    CWindow owner(CRect(100, 100, 300, 200));
    CRecordingControl* control =
        new CRecordingControl(owner.getControlRoot(), CRect(0, 0, 300, 200), CAlphaColour(0, 0, 0, 255));
    owner.getControlRoot()->addControl(control);
    CMenuRecorder listener;
    CMenuWindow menu(CRect(0, 0, 60, 100), &m_attributes, m_menu, false, &listener);
    // Sized by the items: one text height plus 8 each, the widest text plus 8 but at least the button's width.
    const CDimension size = menu.getMenuSize();
    EXPECT_GT(size.getWidth(), 60);
    EXPECT_EQ(size.getHeight(), 4 * menu.getItemHeight());
    EXPECT_GE(menu.getItemHeight(), 8 + 8);
    EXPECT_EQ(menu.getWindowHandle(), 0u);
    showOwner(owner);
    menu.setParentWindow(&owner);

    menu.openPopupWindow(CPoint(150, 250));
    EXPECT_EQ(listener.events, std::vector<std::string>({"opening -1"}));
    const unsigned long handle = menu.getWindowHandle();
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(handle); }));
    const XWindowAttributes attributes = attributesOf(handle);
    EXPECT_TRUE(attributes.override_redirect);
    EXPECT_EQ(attributes.x, 150);
    EXPECT_EQ(attributes.y, 250);
    EXPECT_EQ(attributes.width, size.getWidth());
    EXPECT_EQ(attributes.height, size.getHeight());
    EXPECT_TRUE(pointerIsGrabbed());

    // The item under the pointer is highlighted in the artwork's accent; a disabled one is not.
    input("mousemove " + itemPoint(menu, 1));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] {
        return menu.getCurrentSelection() == 1 && pixel(handle, 30, menu.getItemHeight() + 2) == 0x74B8BC;
    }));
    EXPECT_EQ(pixel(handle, 30, 2), 0xD7DBDFu);
    input("mousemove " + itemPoint(menu, 3));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return menu.getCurrentSelection() == -1; }));

    // Pressed on one item and released on another: no choice, still open.
    input("mousemove " + itemPoint(menu, 2) + " mousedown 1 mousemove " + itemPoint(menu, 0) + " mouseup 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return menu.getCurrentSelection() == 0; }));
    EXPECT_TRUE(menu.isWindowOpen());
    input("mousemove " + itemPoint(menu, 1) + " click 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return listener.events.size() == 2; }));
    EXPECT_EQ(listener.events.back(), "selection 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return !isViewable(handle); }));
    EXPECT_TRUE(waitUntil([&] { return !pointerIsGrabbed(); }));

    // A click elsewhere closes it without a choice.
    menu.openPopupWindow(CPoint(500, 300));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(menu.getWindowHandle()); }));
    input("mousemove 150 150 click 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return listener.events.size() == 4; }));
    EXPECT_EQ(listener.events.back(), "closing -1");
    EXPECT_TRUE(waitUntil([&] { return !pointerIsGrabbed(); }));
    // No press or release the menu took reached the owner; the next click does.
    input("click 1");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return control->events.size() == 2; }));
    EXPECT_EQ(control->events.front(), "left-down 50,50");

    // The arrow keys move the highlight over the enabled items and stop at the ends; Return chooses.
    menu.openPopupWindow(CPoint(500, 300));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(menu.getWindowHandle()); }));
    input("key Down Down Down Down");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return menu.getCurrentSelection() == 2; }));
    input("key Home End Up Return");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return listener.events.size() == 6; }));
    EXPECT_EQ(listener.events.back(), "selection 1");

    // Escape closes it too.
    menu.openPopupWindow(CPoint(500, 300));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(menu.getWindowHandle()); }));
    input("key Escape");
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return listener.events.size() == 8; }));
    EXPECT_EQ(listener.events.back(), "closing -1");

    // Opened at a point near the screen's corner, it is moved up and left to stay on the screen; its owner
    // closing closes it.
    menu.openPopupWindow(CPoint(SCREEN_WIDTH - 10, SCREEN_HEIGHT - 5));
    ASSERT_TRUE(pumpWindowUntil(owner, [&] { return isViewable(menu.getWindowHandle()); }));
    const XWindowAttributes corner = attributesOf(menu.getWindowHandle());
    EXPECT_EQ(corner.x + corner.width, SCREEN_WIDTH);
    EXPECT_EQ(corner.y + corner.height, SCREEN_HEIGHT);
    owner.closeWindow();
    EXPECT_EQ(listener.events.back(), "closing -1");
    EXPECT_FALSE(menu.isWindowOpen());
}

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
    EXPECT_EQ(property(handle, atom("_NET_WM_WINDOW_TYPE")),
              std::vector<long>({static_cast<long>(atom("_NET_WM_WINDOW_TYPE_SPLASH"))}));
    EXPECT_EQ(property(handle, atom("WM_PROTOCOLS")), std::vector<long>({static_cast<long>(atom("WM_DELETE_WINDOW"))}));
    XSizeHints hints;
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(observer(), handle, &hints, &supplied));
    EXPECT_EQ(hints.min_width, 300);
    EXPECT_EQ(hints.max_height, 180);
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

TEST_F(AboutWindow, AnUnreadableImageMeansNoWindowAndOwnedWindowsGoWithTheirOwner)
{
    const std::vector<Window> before = rootChildren();
    CMenuRecorder listener;
    CMenuWindow menu(CRect(0, 0, 60, 100), &m_attributes, m_menu, false, &listener);
    CAboutWindow about(m_folder.c_str(), m_name.c_str(), 0.85);
    std::unique_ptr<CWindow> owner(new CWindow(CRect(20, 20, 200, 150)));
    showOwner(*owner);
    ASSERT_TRUE(pumpWindowUntil(*owner, [&] { return !owner->needsRedraw(); }));
    const std::vector<Window> withOwner = rootChildren();
    CAboutWindow missing(m_folder.c_str(), "missing.png", 0.85);
    missing.setParentWindow(owner.get());
    missing.openWindow();
    owner->pump();
    EXPECT_FALSE(missing.isWindowCreated());
    EXPECT_EQ(missing.getWindowHandle(), 0u);
    EXPECT_EQ(rootChildren(), withOwner);

    // The owner's window goes first and takes the about window; it is made again on the owner's next connection.
    about.setParentWindow(owner.get());
    about.openWindow();
    ASSERT_TRUE(pumpWindowUntil(*owner, [&] { return isViewable(about.getWindowHandle()); }));
    owner->destroyWindow();
    EXPECT_EQ(about.getWindowHandle(), 0u);
    EXPECT_TRUE(waitUntil([&] { return rootChildren() == before; }));
    showOwner(*owner);
    about.openWindow();
    ASSERT_TRUE(pumpWindowUntil(*owner, [&] { return isViewable(about.getWindowHandle()); }));

    // A menu takes the focus from the about window: the owner's destructor takes both, and the menu's grab.
    menu.setParentWindow(owner.get());
    menu.openPopupWindow(CPoint(150, 150));
    ASSERT_TRUE(pumpWindowUntil(*owner, [&] { return isViewable(menu.getWindowHandle()); }));
    EXPECT_NE(about.getWindowHandle(), 0u);
    ASSERT_TRUE(pointerIsGrabbed());
    owner.reset();
    EXPECT_TRUE(waitUntil([&] { return rootChildren() == before; }));
    EXPECT_TRUE(waitUntil([&] { return !pointerIsGrabbed(); }));
    EXPECT_EQ(menu.getWindowHandle(), 0u);
    EXPECT_EQ(about.getWindowHandle(), 0u);
    EXPECT_EQ(menu.getParentWindow(), nullptr);
}
