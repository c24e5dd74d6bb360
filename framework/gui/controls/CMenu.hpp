#pragma once

#include "basics/CCountedObject.hpp"
#include "basics/CString.hpp"

#include <vector>

namespace Corvane { namespace GUI { namespace Controls {

class CMenuItem;

/** A titled list of menu items, in the order they are shown; the menu holds a counted reference to each. */
class CMenu : public Corvane::Basics::CCountedObject {
public:
    explicit CMenu(const Corvane::Basics::CString& title = Corvane::Basics::CString(""));
    ~CMenu() override;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    /** Appends the item (null is ignored) and gives it its index. */
    void addMenuItem(CMenuItem* item);
    /** Null outside 0 .. count - 1. */
    CMenuItem* getMenuItem(long index) const;
    long getNumberOfMenuItems() const { return static_cast<long>(m_items.size()); }
    /** The items after it move up one place. */
    void removeMenuItem(long index);
    void clearAllMenuItems();

    void setMenuTitle(const Corvane::Basics::CString& title) { m_title = title; }
    const Corvane::Basics::CString& getMenuTitle() const { return m_title; }

    CVN_DECLARE_CLASS

private:
    Corvane::Basics::CString m_title;
    std::vector<CMenuItem*> m_items;
};

}}}  // namespace Corvane::GUI::Controls
