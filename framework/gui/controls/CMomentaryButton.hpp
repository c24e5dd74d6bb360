#pragma once

#include "gui/controls/CTwoStateButton.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * A push button: drawn down while pressed, it tells its listener when the
 * left button is released over it. The user does not change its value.
 *
 * With cursor change on (the default), leaving the button while pressed
 * cancels the press: it is drawn up again and the release goes to whatever
 * lies under the pointer. The text is drawn over the images as well as in the
 * image-less box, unless drawTextOverImages(false) is called.
 *
 * @code
 * CMomentaryButton* info = new CMomentaryButton(root, 22, CRect(0, 0, 40, 20), nullptr);
 * info->setText("info");
 * info->setPrimaryImage(infoImage);
 * info->setDownImage(infoImage);
 * info->registerActionListener(editor);
 * @endcode
 */
class CMomentaryButton : public CTwoStateButton {
public:
    /** Up, value 0, cursor change and text over the images on. */
    CMomentaryButton(IControlRoot* root, long id, const Corvane::MathTools::CRect& area,
                     Listeners::IActionListener* listener);
    ~CMomentaryButton() override;

    /** Stores the value, shows the button down exactly at 1.0, and redraws. */
    void setValue(double value) override;
    bool isDown() const { return m_down; }
    using CTwoStateButton::drawTextOverImages;

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;
    /** Drawn up again, without telling the listener: the press is cancelled. */
    void handleMouseCaptureLost() override;

    CVN_DECLARE_CLASS

protected:
    bool isShownDown() const override { return m_down; }

private:
    void showDown(bool down);

    bool m_down;
};

}}}  // namespace Corvane::GUI::Controls
