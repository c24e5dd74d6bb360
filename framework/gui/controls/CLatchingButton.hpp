#pragma once

#include "gui/controls/CTwoStateButton.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * An on/off button: every left-button release over it toggles it, redraws it
 * and tells the listener. On, it shows its down image; off, its primary image
 * (the box of CTwoStateButton where an image is missing). A value of 0.5 or
 * more is on.
 *
 * By default the button does not capture the mouse, so the release toggles
 * whichever button is under the pointer when the button goes up, wherever it
 * went down. Double clicks are ignored: both releases of one toggle.
 *
 * @code
 * CLatchingButton* monitor = new CLatchingButton(root, 10, CRect(331, 190, 44, 24), editor);
 * monitor->setPrimaryImage(buttonUp);
 * monitor->setDownImage(buttonDown);
 * @endcode
 */
class CLatchingButton : public CTwoStateButton {
public:
    /** Off, value 0, no cursor change. */
    CLatchingButton(IControlRoot* root, long id, const Corvane::MathTools::CRect& area,
                    Listeners::IActionListener* listener);
    ~CLatchingButton() override;

    /** Stores the value and turns the button on from 0.5 up; no redraw. */
    void setValue(double value) override;
    virtual bool isOn() const { return m_on; }

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;

    CVN_DECLARE_CLASS

protected:
    bool isShownDown() const override { return m_on; }

private:
    bool m_on;
};

}}}  // namespace Corvane::GUI::Controls
