#pragma once

#include "gui/listeners/IKeyboardListener.hpp"
#include "gui/listeners/IMouseListener.hpp"
#include "gui/windowing/CWindow.hpp"

namespace Corvane { namespace GUI { namespace Controls {
class CMenu;
class CMenuItem;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace GUI { namespace Listeners {
class IMenuListener;
}}}  // namespace Corvane::GUI::Listeners

namespace Corvane { namespace GUI { namespace Windowing {

/**
 * A pop-up menu: the menu's items stacked from the top, each as high as the
 * tallest text (or icon) plus 8 pixels and as wide as the widest plus 8, the
 * menu at least as wide as the area given. Every item's text stands on the
 * same baseline within its item, whatever its letters reach above or below. It opens at a screen position with
 * the pointer grabbed, so a click anywhere else closes it as losing the focus
 * does; the item under the pointer is highlighted, and a button released over
 * the item it was pressed on chooses it. The listener hears of the opening,
 * of the choice, or of the closing without one. Escape closes it, Return
 * chooses the highlighted item.
 *
 * Built without a display (inside an editor's constructor), it makes its
 * window when opened, on the connection of the window it is given as owner
 * (setParentWindow: a pop-up button passes its root's window), and is
 * destroyed with that window's platform window.
 */
class CMenuWindow : public CWindow, public Listeners::IMouseListener, public Listeners::IKeyboardListener {
public:
    /** The attributes (copied) give the background colour and opacity; the menu is referenced. */
    CMenuWindow(const Corvane::MathTools::CRect& area, CWindowAttributes* attributes, Controls::CMenu* menu,
                bool useIcons, Listeners::IMenuListener* listener);
    ~CMenuWindow() override;

    void setMenu(Controls::CMenu* menu);
    Controls::CMenu* getMenu() const { return m_menu; }
    void registerMenuListener(Listeners::IMenuListener* listener) { m_menuListener = listener; }
    /** The size the menu's items take. */
    Corvane::MathTools::CDimension getMenuSize() const;
    long getItemHeight() const { return m_itemHeight; }

    /**
     * Opens the menu with its top-left corner at point on the screen (the
     * screen's pixels), moved up and left as far as it must to stay on the
     * screen at the tree's scale, takes the pointer and the focus and tells
     * the listener it opened.
     */
    void openPopupWindow(const Corvane::MathTools::CPoint& point);
    /** The highlighted item's index, -1 for none. */
    long getCurrentSelection() const { return m_currentSelection; }
    void setCurrentSelection(long index);

    /** Closes the menu; an open menu tells its listener it closed without a choice. */
    void closeWindow() override;
    void lostFocus(IWindow* window) override;
    void draw(Graphics::CGraphics& graphics) override;

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleRightButtonDown(Events::CMouseEvent& event) override;
    void handleRightButtonUp(Events::CMouseEvent& event) override;
    void handleDoubleClick(Events::CMouseEvent& event) override;
    void handleMouseScroll(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;
    void handleMouseLeavingArea(Events::CMouseEvent& event) override;
    bool handleKeyDown(const Events::CKeyboardEvent& event) override;
    bool handleKeyUp(const Events::CKeyboardEvent& event) override;

    CVN_DECLARE_CLASS

protected:
    /** Created without a platform window: it is made when the menu opens. */
    void createWindow() override;

private:
    /** Highlights the first enabled item from index from on, in steps of step; true. */
    bool moveSelection(long from, long step);
    void measureMenu();
    long itemAtPoint(const Corvane::MathTools::CPoint& point) const;
    Controls::CMenuItem* selectableItem(long index) const;
    void pressAt(const Corvane::MathTools::CPoint& point);
    void releaseAt(const Corvane::MathTools::CPoint& point);
    /** Hides the menu and tells the listener: the item chosen, or none. */
    void finish(Controls::CMenuItem* chosen);

    Controls::CMenu* m_menu;
    bool m_useIcons;
    Listeners::IMenuListener* m_menuListener;
    long m_minimumWidth;
    long m_itemHeight;
    /** The inked height of the tallest item text: every text sits on the baseline that centres it. */
    long m_textHeight;
    long m_menuWidth;
    long m_iconWidth;
    long m_currentSelection;
    long m_pressedItem;
    bool m_closeOnRelease;
};

}}}  // namespace Corvane::GUI::Windowing
