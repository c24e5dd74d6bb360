#include "gui/events/CMenuEvent.hpp"

#include "gui/controls/CMenu.hpp"
#include "gui/controls/CMenuItem.hpp"

namespace Corvane { namespace GUI { namespace Events {

CVN_IMPLEMENT_CLASS(CMenuEvent, "CCountedObject")

CMenuEvent::CMenuEvent(Controls::CMenuItem* item, Controls::CMenu* menu) : m_item(nullptr), m_menu(nullptr)
{
    CVN_CONSTRUCT_CLASS;
    hold(item, menu);
}

CMenuEvent::CMenuEvent(const CMenuEvent& other) : CCountedObject(other), m_item(nullptr), m_menu(nullptr)
{
    CVN_CONSTRUCT_CLASS;
    hold(other.m_item, other.m_menu);
}

CMenuEvent& CMenuEvent::operator=(const CMenuEvent& other)
{
    hold(other.m_item, other.m_menu);
    return *this;
}

CMenuEvent::~CMenuEvent()
{
    hold(nullptr, nullptr);
    CVN_DESTRUCT_CLASS;
}

void CMenuEvent::hold(Controls::CMenuItem* item, Controls::CMenu* menu)
{
    // The new ones first: an event assigned to itself keeps what it holds.
    if (item != nullptr) {
        item->referenced();
    }
    if (menu != nullptr) {
        menu->referenced();
    }
    if (m_item != nullptr) {
        m_item->dereference();
    }
    if (m_menu != nullptr) {
        m_menu->dereference();
    }
    m_item = item;
    m_menu = menu;
}

long CMenuEvent::identify() const
{
    return m_item != nullptr ? m_item->getId() : -1;
}

}}}  // namespace Corvane::GUI::Events
