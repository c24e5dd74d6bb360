#pragma once

#include "basics/CCountedObject.hpp"

namespace Corvane { namespace GUI { namespace Controls {
class CMenu;
class CMenuItem;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace GUI { namespace Events {

/** What a menu reports: the item chosen (none when it opened or closed without a choice) and the menu. */
class CMenuEvent : public Corvane::Basics::CCountedObject {
public:
    /** Holds counted references to both; either may be null. */
    explicit CMenuEvent(Controls::CMenuItem* item = nullptr, Controls::CMenu* menu = nullptr);
    CMenuEvent(const CMenuEvent& other);
    CMenuEvent& operator=(const CMenuEvent& other);
    ~CMenuEvent() override;

    Controls::CMenuItem* getMenuItem() const { return m_item; }
    Controls::CMenu* getMenu() const { return m_menu; }
    /** The chosen item's id; -1 when no item was chosen. */
    long identify() const;

    CVN_DECLARE_CLASS

private:
    void hold(Controls::CMenuItem* item, Controls::CMenu* menu);

    Controls::CMenuItem* m_item;
    Controls::CMenu* m_menu;
};

}}}  // namespace Corvane::GUI::Events
