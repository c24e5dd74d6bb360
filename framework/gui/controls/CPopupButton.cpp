#include "gui/controls/CPopupButton.hpp"

#include "exceptions/CException.hpp"
#include "gui/controls/CMenu.hpp"
#include "gui/controls/IControlRoot.hpp"
#include "gui/events/CMenuEvent.hpp"
#include "gui/windowing/CMenuWindow.hpp"
#include "gui/windowing/CWindowAttributes.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

CMenu* checkedMenu(CMenu* menu)
{
    if (menu == nullptr) {
        throw Corvane::Exceptions::CException(
            "Menu is NULL",
            "CPopupButton::CPopupButton(IControlRoot *, const long, const CRect &, CMenu *, IActionListener *)", true);
    }
    return menu;
}

}  // namespace

CVN_IMPLEMENT_CLASS(CPopupButton, "CLatchingButton")

CPopupButton::CPopupButton(IControlRoot* root, long id, const CRect& area, CMenu* menu,
                           Listeners::IActionListener* listener, Listeners::IMenuListener* menuListener)
    : CLatchingButton(root, id, area, listener),
      m_menu(checkedMenu(menu)),
      m_menuWindow(nullptr),
      m_menuWindowAttributes(nullptr),
      m_lastMenuEvent(new Events::CMenuEvent()),
      m_useIcons(true),
      m_menuListener(menuListener)
{
    CVN_CONSTRUCT_CLASS;
    m_menu->referenced();
    m_lastMenuEvent->referenced();
    setValue(0.0);
}

CPopupButton::~CPopupButton()
{
    releaseMenuWindow();
    if (m_menuWindowAttributes != nullptr) {
        m_menuWindowAttributes->dereference();
    }
    m_lastMenuEvent->dereference();
    m_menu->dereference();
    CVN_DESTRUCT_CLASS;
}

void CPopupButton::releaseMenuWindow()
{
    if (m_menuWindow != nullptr) {
        Windowing::CMenuWindow* window = m_menuWindow;
        m_menuWindow = nullptr;
        window->dereference();
    }
}

void CPopupButton::setMenu(CMenu* menu)
{
    if (menu == nullptr || menu == m_menu) {
        return;
    }
    menu->referenced();
    m_menu->dereference();
    m_menu = menu;
    if (m_menuWindow != nullptr) {
        m_menuWindow->setMenu(menu);
    }
}

void CPopupButton::setMenuWindowAttributes(Windowing::CWindowAttributes* attributes, bool useIcons)
{
    if (m_menuWindowAttributes == nullptr) {
        m_menuWindowAttributes = new Windowing::CWindowAttributes();
        m_menuWindowAttributes->referenced();
    }
    if (attributes != nullptr) {
        *m_menuWindowAttributes = *attributes;
    }
    m_useIcons = useIcons;
    releaseMenuWindow();
    m_menuWindow = new Windowing::CMenuWindow(CRect(0, 0, getArea().getWidth(), 100), m_menuWindowAttributes, m_menu,
                                              m_useIcons, this);
    m_menuWindow->referenced();
}

void CPopupButton::handleLeftButtonUp(Events::CMouseEvent& event)
{
    // Whether this release turns the button on is decided before the listener hears of it: a listener that
    // turns the button off again (as the editor does) must not keep the menu from opening.
    const bool turnsOn = !isOn();
    CLatchingButton::handleLeftButtonUp(event);
    if (!turnsOn || m_menuWindow == nullptr) {
        return;
    }
    // One pixel right of and above the bottom-left corner, on the screen.
    IControlRoot* root = getRootControl();
    CPoint corner(1, getArea().getHeight() - 1);
    root->getGlobalCoordinatesOfControl(this, corner);
    // The menu lives on the connection of the window the button is in.
    m_menuWindow->setParentWindow(root->getParentWindow());
    m_menuWindow->openPopupWindow(corner);
}

void CPopupButton::handleMenuSelection(const Events::CMenuEvent& event)
{
    setValue(0.0);
    update();
    *m_lastMenuEvent = event;
    notifyActionListener();
    if (m_menuListener != nullptr) {
        m_menuListener->handleMenuSelection(event);
    }
}

void CPopupButton::handleMenuOpening(const Events::CMenuEvent& event)
{
    if (m_menuListener != nullptr) {
        m_menuListener->handleMenuOpening(event);
    }
}

void CPopupButton::handleMenuClosing(const Events::CMenuEvent& event)
{
    if (m_menuWindow != nullptr) {
        m_menuWindow->setCurrentSelection(-1);
    }
    setValue(0.0);
    update();
    if (m_menuListener != nullptr) {
        m_menuListener->handleMenuClosing(event);
    }
}

}}}  // namespace Corvane::GUI::Controls
