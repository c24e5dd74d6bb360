#include "vst/CVstSizeMenu.hpp"

#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/events/CMenuEvent.hpp"
#include "gui/windowing/CMenuWindow.hpp"
#include "gui/windowing/CScaleFactor.hpp"
#include "vst/CVstWindow.hpp"

#include <cmath>

namespace Corvane { namespace Vst {

using GUI::Windowing::CScaleFactor;

namespace {

// The widest item sets the menu's width; it is at least this wide.
constexpr long kMinimumWidth = 90;

}  // namespace

CVstSizeMenu::CVstSizeMenu(CVstWindow& editor, GUI::Windowing::CWindowAttributes* attributes)
    : m_editor(editor),
      m_menu(new GUI::Controls::CMenu()),
      m_window(nullptr)
{
    m_menu->referenced();
    m_menu->setMenuTitle("Editor size");
    m_menu->addMenuItem(new GUI::Controls::CMenuItem("Editor size", CVSTSIZEMENU_TITLE_ID,
                                                     GUI::Controls::CMenuItem::CMENUITEM_TYPE_PLAIN, false));
    for (std::size_t step = 0; step < CScaleFactor::getNumberOfSteps(); ++step) {
        m_menu->addMenuItem(
            new GUI::Controls::CMenuItem(itemText(CScaleFactor::getStep(step), false), static_cast<long>(step)));
    }
    m_window = new GUI::Windowing::CMenuWindow(Corvane::MathTools::CRect(0, 0, kMinimumWidth, 100), attributes, m_menu,
                                               false, this);
    m_window->referenced();
}

CVstSizeMenu::~CVstSizeMenu()
{
    m_window->registerMenuListener(nullptr);
    m_window->dereference();
    m_menu->dereference();
}

Corvane::Basics::CString CVstSizeMenu::itemText(double factor, bool current)
{
    Corvane::Basics::CString text;
    // The bullet is U+2022; the others stand as far in, near enough, with two spaces.
    text.setStringWithFormat("%s%ld %%", current ? "\xE2\x80\xA2 " : "   ", std::lround(factor * 100.0));
    return text;
}

void CVstSizeMenu::open(const Corvane::MathTools::CPoint& point)
{
    const bool fromHost = m_editor.isScaleFactorFromHost();
    m_menu->getMenuItem(0)->setText(fromHost ? "Editor size: set by the host" : "Editor size");
    for (std::size_t step = 0; step < CScaleFactor::getNumberOfSteps(); ++step) {
        const double factor = CScaleFactor::getStep(step);
        GUI::Controls::CMenuItem* item = m_menu->getMenuItem(static_cast<long>(step) + 1);
        item->setText(itemText(factor, factor == m_editor.getScaleFactor()));
        item->enable(!fromHost);
    }
    // The menu lives on the editor's connection, drawn at the editor's factor.
    m_window->setParentWindow(&m_editor);
    m_window->openPopupWindow(point);
}

void CVstSizeMenu::handleMenuOpening(const GUI::Events::CMenuEvent&) {}

void CVstSizeMenu::handleMenuClosing(const GUI::Events::CMenuEvent&) {}

void CVstSizeMenu::handleMenuSelection(const GUI::Events::CMenuEvent& event)
{
    const long step = event.identify();
    if (step < 0 || step >= static_cast<long>(CScaleFactor::getNumberOfSteps())) {
        return;
    }
    CVstWindow::setUserScaleFactor(CScaleFactor::getStep(static_cast<std::size_t>(step)));
    m_editor.followScaleFactor();
}

}}  // namespace Corvane::Vst
