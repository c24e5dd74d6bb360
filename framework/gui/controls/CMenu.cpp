#include "gui/controls/CMenu.hpp"

#include "gui/controls/CMenuItem.hpp"

namespace Corvane { namespace GUI { namespace Controls {

CVN_IMPLEMENT_CLASS(CMenu, "CCountedObject")

CMenu::CMenu(const Corvane::Basics::CString& title) : m_title(title)
{
    CVN_CONSTRUCT_CLASS;
}

CMenu::~CMenu()
{
    clearAllMenuItems();
    CVN_DESTRUCT_CLASS;
}

void CMenu::addMenuItem(CMenuItem* item)
{
    if (item == nullptr) {
        return;
    }
    item->referenced();
    item->setIndex(getNumberOfMenuItems());
    m_items.push_back(item);
}

CMenuItem* CMenu::getMenuItem(long index) const
{
    return index >= 0 && index < getNumberOfMenuItems() ? m_items[static_cast<size_t>(index)] : nullptr;
}

void CMenu::removeMenuItem(long index)
{
    CMenuItem* item = getMenuItem(index);
    if (item == nullptr) {
        return;
    }
    m_items.erase(m_items.begin() + index);
    for (long i = index; i < getNumberOfMenuItems(); ++i) {
        m_items[static_cast<size_t>(i)]->setIndex(i);
    }
    item->dereference();
}

void CMenu::clearAllMenuItems()
{
    std::vector<CMenuItem*> items;
    items.swap(m_items);
    for (CMenuItem* item : items) {
        item->dereference();
    }
}

}}}  // namespace Corvane::GUI::Controls
