#pragma once

namespace Corvane { namespace GUI { namespace Events {
class CMenuEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Listeners {

/**
 * Told when a pop-up menu opens, closes without a choice, or reports the item
 * chosen. The event lives only for the call; keep a copy to read it later.
 */
class IMenuListener {
public:
    virtual ~IMenuListener() = default;
    virtual void handleMenuOpening(const Events::CMenuEvent& event) = 0;
    virtual void handleMenuClosing(const Events::CMenuEvent& event) = 0;
    virtual void handleMenuSelection(const Events::CMenuEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
