#pragma once

#include "gui/controls/CControl.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * Shows one frame of a vertical strip of equal frames, chosen by the value:
 * value 0 the first frame, value 1 the last (the other way round when
 * reversed). A negative value keeps the frame shown last. Without an image it
 * draws as a plain control. Not mouse-enabled; a new animation has value 0.
 *
 * @code
 * animation->setAnimationImage(strip, 34, 63, false);  // 63 frames of 34 pixels
 * animation->setValue(0.5);                             // frame 31
 * animation->update();
 * @endcode
 */
class CAnimation : public CControl {
public:
    CAnimation(IControlRoot* root, long id, const Corvane::MathTools::CRect& area,
               Listeners::IActionListener* listener);
    ~CAnimation() override;

    /**
     * Shows frames of image, each frameHeight pixels high, numberOfFrames of
     * them stacked from the top; a null image keeps the strip's measures and
     * only takes the reverse flag.
     */
    virtual void setAnimationImage(Graphics::IImage* image, long frameHeight, long numberOfFrames, bool reverse);

    long getFrameHeight() const { return m_frameHeight; }
    long getNumberOfFrames() const { return m_numberOfFrames; }
    bool isReversed() const { return m_reverse; }

    void drawControl(Graphics::CGraphics& graphics) override;

    CVN_DECLARE_CLASS

private:
    void chooseFrame();

    long m_frameHeight;
    long m_numberOfFrames;
    Corvane::MathTools::CRect m_frameRect;
    bool m_reverse;
};

}}}  // namespace Corvane::GUI::Controls
