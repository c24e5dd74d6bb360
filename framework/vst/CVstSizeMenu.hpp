#pragma once

#include "basics/CString.hpp"
#include "gui/listeners/IMenuListener.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace GUI { namespace Controls {
class CMenu;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace GUI { namespace Windowing {
class CMenuWindow;
class CWindowAttributes;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace Vst {

class CVstWindow;

/**
 * The "Editor size" menu of an editor: a title item, then the factors of
 * CScaleFactor as per cent ("100 %" .. "300 %"), the editor's own marked. A
 * choice becomes the user's factor for every editor of the module
 * (CVstWindow::setUserScaleFactor) and the editor follows it at once. While
 * the host decides the factor, the items are shown but cannot be chosen.
 * Lives on the editor's thread, as the editor's windows do.
 */
class CVstSizeMenu : public GUI::Listeners::IMenuListener {
public:
    /** The title item's id; the factors' ids are their steps' indices. */
    static constexpr long CVSTSIZEMENU_TITLE_ID = -1;

    /** The attributes (copied) give the menu's look. */
    CVstSizeMenu(CVstWindow& editor, GUI::Windowing::CWindowAttributes* attributes);
    ~CVstSizeMenu() override;
    CVstSizeMenu(const CVstSizeMenu&) = delete;
    CVstSizeMenu& operator=(const CVstSizeMenu&) = delete;

    /** Opens the menu with its corner at point on the screen (the screen's pixels). */
    void open(const Corvane::MathTools::CPoint& point);
    GUI::Windowing::CMenuWindow* getMenuWindow() const { return m_window; }

    /** An item's text: "125 %", with a bullet before the editor's own factor. */
    static Corvane::Basics::CString itemText(double factor, bool current);

    void handleMenuOpening(const GUI::Events::CMenuEvent& event) override;
    void handleMenuClosing(const GUI::Events::CMenuEvent& event) override;
    void handleMenuSelection(const GUI::Events::CMenuEvent& event) override;

private:
    CVstWindow& m_editor;
    GUI::Controls::CMenu* m_menu;
    GUI::Windowing::CMenuWindow* m_window;
};

}}  // namespace Corvane::Vst
