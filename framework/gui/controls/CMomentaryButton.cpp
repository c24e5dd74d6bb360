#include "gui/controls/CMomentaryButton.hpp"

#include "gui/events/CMouseEvent.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CMomentaryButton, "CTwoStateButton")

CMomentaryButton::CMomentaryButton(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener)
    : CTwoStateButton(root, id, area, listener, true),
      m_down(false)
{
    CVN_CONSTRUCT_CLASS;
    drawTextOverImages(true);
}

CMomentaryButton::~CMomentaryButton()
{
    CVN_DESTRUCT_CLASS;
}

void CMomentaryButton::setValue(double value)
{
    CTwoStateButton::setValue(value);
    showDown(value == 1.0);
}

void CMomentaryButton::showDown(bool down)
{
    m_down = down;
    update();
}

void CMomentaryButton::handleLeftButtonDown(Events::CMouseEvent& /*event*/)
{
    if (usesCursorChange()) {
        capturePointer();
    }
    showDown(true);
}

void CMomentaryButton::handleMouseMovement(Events::CMouseEvent& event)
{
    if (usesCursorChange() && !followPointer(event.getMousePosition())) {
        showDown(false);
    }
}

void CMomentaryButton::handleMouseCaptureLost()
{
    showDown(false);
}

void CMomentaryButton::handleLeftButtonUp(Events::CMouseEvent& event)
{
    if (usesCursorChange()) {
        releasePointer(event.getMousePosition());
    }
    showDown(false);
    notifyActionListener();
}

}}}  // namespace Corvane::GUI::Controls
