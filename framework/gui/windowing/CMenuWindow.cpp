#include "gui/windowing/CMenuWindow.hpp"

#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/events/CMenuEvent.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/listeners/IMenuListener.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/CWindowLook.hpp"

#include <algorithm>

namespace Corvane { namespace GUI { namespace Windowing {

using Basics::CAlphaColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

namespace {

const long kItemPadding = 8;

}  // namespace

CVN_IMPLEMENT_CLASS(CMenuWindow, "CWindow")

CMenuWindow::CMenuWindow(const CRect& area, CWindowAttributes* attributes, Controls::CMenu* menu, bool useIcons,
                         Listeners::IMenuListener* listener)
    : CWindow(area),
      m_menu(nullptr),
      m_useIcons(useIcons),
      m_menuListener(listener),
      m_minimumWidth(area.getWidth()),
      m_itemHeight(kItemPadding),
      m_textHeight(0),
      m_menuWidth(area.getWidth()),
      m_iconWidth(0),
      m_currentSelection(-1),
      m_pressedItem(-1),
      m_closeOnRelease(false)
{
    CVN_CONSTRUCT_CLASS;
    setWindowRole(CWINDOW_ROLE_POPUP);
    registerMouseListener(this);
    registerKeyboardListener(this);
    CWindowAttributes plain;
    if (attributes != nullptr) {
        plain = *attributes;
    }
    plain.initialise(CWindowAttributes::CWINDOWATTRIBUTES_STYLE_PLAIN);
    initialiseWindow(&plain, false);
    setMenu(menu);
}

CMenuWindow::~CMenuWindow()
{
    if (m_menu != nullptr) {
        m_menu->dereference();
    }
    CVN_DESTRUCT_CLASS;
}

void CMenuWindow::createWindow()
{
    setWindowCreated(true);
}

void CMenuWindow::setMenu(Controls::CMenu* menu)
{
    if (menu != nullptr) {
        menu->referenced();
    }
    if (m_menu != nullptr) {
        m_menu->dereference();
    }
    m_menu = menu;
    m_currentSelection = -1;
    measureMenu();
}

void CMenuWindow::measureMenu()
{
    Graphics::CGraphics measure;
    long textHeight = 0;
    long textWidth = 0;
    long iconHeight = 0;
    m_iconWidth = 0;
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    for (long i = 0; i < count; ++i) {
        const Controls::CMenuItem* item = m_menu->getMenuItem(i);
        CDimension size;
        measure.getStringBounds(item->getText(), size, nullptr);
        textHeight = std::max(textHeight, size.getHeight());
        textWidth = std::max(textWidth, size.getWidth());
        if (m_useIcons && item->getNormalImage() != nullptr) {
            const CDimension icon = item->getNormalImage()->getImageSize();
            iconHeight = std::max(iconHeight, icon.getHeight());
            m_iconWidth = std::max(m_iconWidth, icon.getWidth());
        }
    }
    m_textHeight = textHeight;
    m_itemHeight = std::max(textHeight, iconHeight) + kItemPadding;
    m_menuWidth = std::max(m_minimumWidth, textWidth + kItemPadding + m_iconWidth);
}

CDimension CMenuWindow::getMenuSize() const
{
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    return CDimension(m_menuWidth, count * m_itemHeight);
}

void CMenuWindow::openPopupWindow(const CPoint& point)
{
    if (!isWindowCreated() || !realiseWindow()) {
        return;
    }
    measureMenu();
    const CDimension size(getMenuSize().getWidth(), std::max(1L, getMenuSize().getHeight()));
    // On the screen, in its pixels: the menu as large as it shows.
    const CDimension shown = getDeviceScale().toDevice(size);
    const CDimension screen = getScreenSize();
    const long x = std::max(0L, std::min(point.getXPosition(), screen.getWidth() - shown.getWidth()));
    const long y = std::max(0L, std::min(point.getYPosition(), screen.getHeight() - shown.getHeight()));
    setWindowPositionAndSize(CRect(CPoint(x, y), size));
    m_currentSelection = -1;
    m_pressedItem = -1;
    m_closeOnRelease = false;
    CWindow::openWindow();
    grabPointer();
    giveFocus();
    updateWindow();
    if (m_menuListener != nullptr) {
        m_menuListener->handleMenuOpening(Events::CMenuEvent(nullptr, m_menu));
    }
}

void CMenuWindow::setCurrentSelection(long index)
{
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    const long chosen = index >= 0 && index < count ? index : -1;
    if (chosen != m_currentSelection) {
        m_currentSelection = chosen;
        redrawWindow();
    }
}

void CMenuWindow::closeWindow()
{
    finish(nullptr);
}

void CMenuWindow::lostFocus(IWindow*)
{
    if (isWindowOpen()) {
        finish(nullptr);
    }
}

void CMenuWindow::finish(Controls::CMenuItem* chosen)
{
    const bool wasOpen = isWindowOpen();
    CWindow::closeWindow();
    m_pressedItem = -1;
    m_closeOnRelease = false;
    if (!wasOpen || m_menuListener == nullptr) {
        return;
    }
    // The listener may let go of this window: nothing of it is touched after the call.
    const Events::CMenuEvent event(chosen, m_menu);
    if (chosen != nullptr) {
        m_menuListener->handleMenuSelection(event);
    } else {
        m_menuListener->handleMenuClosing(event);
    }
}

long CMenuWindow::itemAtPoint(const CPoint& point) const
{
    const CDimension size = getMenuSize();
    if (m_itemHeight <= 0 || point.getXPosition() < 0 || point.getYPosition() < 0 ||
        point.getXPosition() >= size.getWidth() || point.getYPosition() >= size.getHeight()) {
        return -1;
    }
    return point.getYPosition() / m_itemHeight;
}

Controls::CMenuItem* CMenuWindow::selectableItem(long index) const
{
    Controls::CMenuItem* item = m_menu != nullptr ? m_menu->getMenuItem(index) : nullptr;
    return item != nullptr && item->isEnabled() ? item : nullptr;
}

void CMenuWindow::pressAt(const CPoint& point)
{
    const long index = itemAtPoint(point);
    if (index < 0) {
        // Outside: the menu closes when the button goes up, so the release reaches no other window.
        m_closeOnRelease = true;
        return;
    }
    setCurrentSelection(selectableItem(index) != nullptr ? index : -1);
    m_pressedItem = m_currentSelection;
}

void CMenuWindow::releaseAt(const CPoint& point)
{
    if (m_closeOnRelease) {
        finish(nullptr);
        return;
    }
    const long index = itemAtPoint(point);
    Controls::CMenuItem* item = selectableItem(index);
    if (item != nullptr && index == m_pressedItem) {
        finish(item);
    } else {
        m_pressedItem = -1;
    }
}

void CMenuWindow::handleLeftButtonDown(Events::CMouseEvent& event)
{
    pressAt(event.getMousePosition());
}

void CMenuWindow::handleRightButtonDown(Events::CMouseEvent& event)
{
    pressAt(event.getMousePosition());
}

void CMenuWindow::handleDoubleClick(Events::CMouseEvent& event)
{
    pressAt(event.getMousePosition());
}

void CMenuWindow::handleLeftButtonUp(Events::CMouseEvent& event)
{
    releaseAt(event.getMousePosition());
}

void CMenuWindow::handleRightButtonUp(Events::CMouseEvent& event)
{
    releaseAt(event.getMousePosition());
}

void CMenuWindow::handleMouseScroll(Events::CMouseEvent&) {}

void CMenuWindow::handleMouseMovement(Events::CMouseEvent& event)
{
    const long index = itemAtPoint(event.getMousePosition());
    setCurrentSelection(selectableItem(index) != nullptr ? index : -1);
}

void CMenuWindow::handleMouseLeavingArea(Events::CMouseEvent&)
{
    setCurrentSelection(-1);
}

bool CMenuWindow::handleKeyDown(const Events::CKeyboardEvent& event)
{
    if (event.getKey() == CWindowLook::CWINDOWLOOK_KEY_ESCAPE) {
        finish(nullptr);
        return true;
    }
    if (event.getKey() == CWindowLook::CWINDOWLOOK_KEY_RETURN && selectableItem(m_currentSelection) != nullptr) {
        finish(selectableItem(m_currentSelection));
        return true;
    }
    using Events::CKeyboardEvent;
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    switch (event.getKey()) {
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_DOWN:
        return moveSelection(m_currentSelection < 0 ? 0 : m_currentSelection + 1, 1);
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_UP:
        return moveSelection(m_currentSelection < 0 ? count - 1 : m_currentSelection - 1, -1);
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_HOME:
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_UP:
        return moveSelection(0, 1);
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_END:
    case CKeyboardEvent::CKEYBOARDEVENT_KEY_PAGE_DOWN:
        return moveSelection(count - 1, -1);
    default:
        return false;
    }
}

bool CMenuWindow::moveSelection(long from, long step)
{
    // The first enabled item from there on; at the menu's end the highlight stays where it was.
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    for (long index = from; index >= 0 && index < count; index += step) {
        if (selectableItem(index) != nullptr) {
            setCurrentSelection(index);
            break;
        }
    }
    return true;
}

bool CMenuWindow::handleKeyUp(const Events::CKeyboardEvent&)
{
    return false;
}

void CMenuWindow::draw(Graphics::CGraphics& graphics)
{
    const CDimension window = getWindowSize();
    const CRect whole(0, 0, window.getWidth(), window.getHeight());
    graphics.getMutableBrush().setColour(CAlphaColour(getWindowAttributes()->getBackgroundColour()));
    graphics.fillRectangle(whole);
    graphics.getMutablePen().setColour(CWindowLook::CWINDOWLOOK_EDGE);
    graphics.drawRectangle(whole);
    const long count = m_menu != nullptr ? m_menu->getNumberOfMenuItems() : 0;
    const CRect highlight(0, m_currentSelection * m_itemHeight, m_menuWidth, m_itemHeight);
    if (m_currentSelection >= 0) {
        graphics.getMutableBrush().setColour(CWindowLook::CWINDOWLOOK_ACCENT);
        graphics.fillRectangle(highlight);
        graphics.getMutablePen().setColour(CWindowLook::CWINDOWLOOK_ACCENT_RIM);
        graphics.drawRectangle(highlight);
    }
    for (long i = 0; i < count; ++i) {
        const Controls::CMenuItem* item = m_menu->getMenuItem(i);
        const long top = i * m_itemHeight;
        long textLeft = kItemPadding / 2;
        if (m_useIcons) {
            Graphics::IImage* icon = i == m_currentSelection && item->getRolloverImage() != nullptr
                                         ? item->getRolloverImage()
                                         : item->getNormalImage();
            if (icon != nullptr) {
                const CDimension size = icon->getImageSize();
                graphics.drawImage(
                    icon,
                    CRect(textLeft, top + (m_itemHeight - size.getHeight()) / 2, size.getWidth(), size.getHeight()),
                    icon->getNormalisedImageSize());
            }
            textLeft += m_iconWidth;
        }
        graphics.setTextColour(item->isEnabled() ? item->getTextColour() : CWindowLook::CWINDOWLOOK_MUTED_TEXT);
        // Where a left-aligned, vertically centred label puts the tallest text; the others share its baseline.
        const double baseline = top + (m_itemHeight + m_textHeight) / 2.0 - 1.5;
        graphics.drawTextLine(item->getText(), textLeft + 0.5, baseline, nullptr,
                              Graphics::CGraphics::CGRAPHICS_ANCHOR_LEFT);
    }
}

}}}  // namespace Corvane::GUI::Windowing
