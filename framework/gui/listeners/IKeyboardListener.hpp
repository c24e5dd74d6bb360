#pragma once

namespace Corvane { namespace GUI { namespace Events {
class CKeyboardEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Listeners {

/** Receives key presses and releases; answers whether it used them. */
class IKeyboardListener {
public:
    virtual ~IKeyboardListener() = default;
    virtual bool handleKeyDown(const Events::CKeyboardEvent& event) = 0;
    virtual bool handleKeyUp(const Events::CKeyboardEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
