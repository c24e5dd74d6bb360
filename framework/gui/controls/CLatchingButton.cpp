#include "gui/controls/CLatchingButton.hpp"

#include "gui/events/CMouseEvent.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CLatchingButton, "CTwoStateButton")

CLatchingButton::CLatchingButton(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener)
    : CTwoStateButton(root, id, area, listener, false),
      m_on(false)
{
    CVN_CONSTRUCT_CLASS;
}

CLatchingButton::~CLatchingButton()
{
    CVN_DESTRUCT_CLASS;
}

void CLatchingButton::setValue(double value)
{
    CTwoStateButton::setValue(value);
    m_on = value >= 0.5;
}

void CLatchingButton::handleLeftButtonDown(Events::CMouseEvent& /*event*/)
{
    if (usesCursorChange()) {
        capturePointer();
    }
}

void CLatchingButton::handleMouseMovement(Events::CMouseEvent& event)
{
    if (usesCursorChange()) {
        followPointer(event.getMousePosition());
    }
}

void CLatchingButton::handleLeftButtonUp(Events::CMouseEvent& event)
{
    if (usesCursorChange()) {
        releasePointer(event.getMousePosition());
    }
    setValue(1.0 - getValue());
    update();
    notifyActionListener();
}

}}}  // namespace Corvane::GUI::Controls
