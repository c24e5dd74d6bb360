#pragma once

namespace Corvane { namespace GUI { namespace Events {
class CDropEvent;
}}}  // namespace Corvane::GUI::Events

namespace Corvane { namespace GUI { namespace Listeners {

/** Receives files dropped on it; answers whether it took them. */
class IDropFileListener {
public:
    virtual ~IDropFileListener() = default;
    virtual bool handleFileDrop(const Events::CDropEvent& event) = 0;
};

}}}  // namespace Corvane::GUI::Listeners
