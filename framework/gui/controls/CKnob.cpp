#include "gui/controls/CKnob.hpp"

#include "gui/controls/IControlRoot.hpp"
#include "gui/events/CMouseEvent.hpp"

#include <algorithm>

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CKnob, "CAnimation")

CKnob::CKnob(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener)
    : CAnimation(root, id, area, listener),
      m_defaultValue(0.5),
      m_referenceValue(0.0),
      m_deltaCoefficient(CKNOB_DRAG_STEP),
      m_dragging(false)
{
    CVN_CONSTRUCT_CLASS;
    controlIsMouseEnabled(true);
}

CKnob::~CKnob()
{
    CVN_DESTRUCT_CLASS;
}

void CKnob::changeValue(double value)
{
    const double previous = getValue();
    setValue(std::min(1.0, std::max(0.0, value)));
    if (getValue() != previous) {
        update();
        notifyActionListener();
    }
}

void CKnob::handleLeftButtonDown(Events::CMouseEvent& event)
{
    m_dragging = true;
    m_dragOrigin = event.getMousePosition();
    m_referenceValue = getValue();
    m_deltaCoefficient = CKNOB_DRAG_STEP;
    getRootControl()->lockControl(this);
}

void CKnob::handleLeftButtonUp(Events::CMouseEvent& /*event*/)
{
    m_dragging = false;
    m_dragOrigin = CPoint(0, 0);
    getRootControl()->unlockControl();
}

void CKnob::handleMouseCaptureLost()
{
    m_dragging = false;
    m_dragOrigin = CPoint(0, 0);
}

void CKnob::handleMouseMovement(Events::CMouseEvent& event)
{
    if (!m_dragging) {
        return;
    }
    const CPoint mouse = event.getMousePosition();
    const double delta = static_cast<double>((m_dragOrigin.getYPosition() - mouse.getYPosition()) +
                                             (mouse.getXPosition() - m_dragOrigin.getXPosition()));
    const double step = event.isShiftDown() ? CKNOB_FINE_DRAG_STEP : CKNOB_DRAG_STEP;
    // The value is always the reference plus the whole drag times the step.
    // When the step changes, the reference absorbs the difference, so the
    // value carries on from where it was instead of jumping.
    m_referenceValue += (m_deltaCoefficient - step) * delta;
    m_deltaCoefficient = step;
    changeValue(m_referenceValue + delta * step);
}

void CKnob::handleMouseScroll(Events::CMouseEvent& event)
{
    const double step = event.isShiftDown() ? CKNOB_FINE_WHEEL_STEP : CKNOB_WHEEL_STEP;
    changeValue(getValue() + (event.getWheelMovement() > 0.0 ? step : -step));
}

void CKnob::handleDoubleClick(Events::CMouseEvent& /*event*/)
{
    // Told even when the value was the default already.
    setValue(m_defaultValue);
    update();
    notifyActionListener();
}

}}}  // namespace Corvane::GUI::Controls
