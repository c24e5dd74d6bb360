#pragma once

#include "gui/controls/CLatchingButton.hpp"
#include "gui/listeners/IMenuListener.hpp"

namespace Corvane { namespace GUI { namespace Events {
class CMenuEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Windowing {
class CMenuWindow;
class CWindowAttributes;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Controls {

class CMenu;

/**
 * A latching button with a pop-up menu. The release that turns it on opens
 * the menu just inside its bottom-left corner, in a menu window that lives on
 * the connection of the button's window; the release that turns it off opens
 * nothing. A choice turns the button off, is kept as the last menu event and
 * is told to the action listener (which reads it with getLastMenuEvent), then
 * to the menu listener; closing without a choice turns it off and tells the
 * menu listener only.
 *
 * The menu window exists once setMenuWindowAttributes has been called.
 */
class CPopupButton : public CLatchingButton, public Listeners::IMenuListener {
public:
    /**
     * Holds a counted reference to menu. Throws CException "Menu is NULL"
     * for a null menu.
     */
    CPopupButton(IControlRoot* root, long id, const Corvane::MathTools::CRect& area, CMenu* menu,
                 Listeners::IActionListener* listener, Listeners::IMenuListener* menuListener = nullptr);
    ~CPopupButton() override;

    void handleLeftButtonUp(Events::CMouseEvent& event) override;

    void handleMenuSelection(const Events::CMenuEvent& event) override;
    void handleMenuOpening(const Events::CMenuEvent& event) override;
    void handleMenuClosing(const Events::CMenuEvent& event) override;

    /** A null menu is ignored: the button always has one. */
    virtual void setMenu(CMenu* menu);
    CMenu* getMutableMenu() { return m_menu; }
    const CMenu* getMenu() const { return m_menu; }
    /** The latest choice; before any, an event without an item (identify() answers -1). Never null. */
    const Events::CMenuEvent* getLastMenuEvent() const { return m_lastMenuEvent; }
    /**
     * Copies the attributes (background colour, opacity) and makes a new menu
     * window as wide as the button at least, showing icons or not.
     */
    virtual void setMenuWindowAttributes(Windowing::CWindowAttributes* attributes, bool useIcons);
    Windowing::CMenuWindow* getMenuWindow() const { return m_menuWindow; }
    virtual void registerMenuListener(Listeners::IMenuListener* listener) { m_menuListener = listener; }

    CVN_DECLARE_CLASS

private:
    void releaseMenuWindow();

    CMenu* m_menu;
    Windowing::CMenuWindow* m_menuWindow;
    Windowing::CWindowAttributes* m_menuWindowAttributes;
    Events::CMenuEvent* m_lastMenuEvent;
    bool m_useIcons;
    Listeners::IMenuListener* m_menuListener;
};

}}}  // namespace Corvane::GUI::Controls
