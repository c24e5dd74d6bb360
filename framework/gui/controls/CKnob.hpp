#pragma once

#include "gui/controls/CAnimation.hpp"
#include "math/CPoint.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * A knob drawn as a frame of an image strip. Dragging up or right raises the
 * value by 0.005 per pixel (0.0005 with shift, for fine adjustment), the
 * wheel moves it by 0.025 a notch (0.00625 with shift) and a double-click
 * restores the default value. The value stays within 0 ... 1; the listener is
 * told each time the user changes it.
 *
 * A drag measures the whole way from the point pressed, so a drag past the end
 * of the range must come back as far before the value moves again. It lasts
 * from the left button's press to its release, or until the root tells the
 * knob that the release will not come; no other movement turns the knob.
 */
class CKnob : public CAnimation {
public:
    static constexpr double CKNOB_DRAG_STEP = 0.005;
    static constexpr double CKNOB_FINE_DRAG_STEP = 0.0005;
    static constexpr double CKNOB_WHEEL_STEP = 0.025;
    static constexpr double CKNOB_FINE_WHEEL_STEP = 0.00625;

    /** Mouse-enabled, value 0, default value 0.5. */
    CKnob(IControlRoot* root, long id, const Corvane::MathTools::CRect& area, Listeners::IActionListener* listener);
    ~CKnob() override;

    /** The value a double-click restores. */
    virtual void setDefaultValue(double value) { m_defaultValue = value; }
    double getDefaultValue() const { return m_defaultValue; }
    /** Each drag movement sets the step again, so this lasts until the next movement. */
    virtual void setDeltaCoefficient(double coefficient) { m_deltaCoefficient = coefficient; }
    double getDeltaCoefficient() const { return m_deltaCoefficient; }
    bool isDragging() const { return m_dragging; }

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;
    void handleMouseScroll(Events::CMouseEvent& event) override;
    void handleDoubleClick(Events::CMouseEvent& event) override;
    /** Ends the drag where it is. */
    void handleMouseCaptureLost() override;

    CVN_DECLARE_CLASS

private:
    /** Takes the value, held within 0 ... 1, and redraws and notifies when it changed. */
    void changeValue(double value);

    double m_defaultValue;
    double m_referenceValue;
    double m_deltaCoefficient;
    bool m_dragging;
    Corvane::MathTools::CPoint m_dragOrigin;
};

}}}  // namespace Corvane::GUI::Controls
