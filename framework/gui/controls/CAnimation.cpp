#include "gui/controls/CAnimation.hpp"

#include "gui/graphics/CGraphics.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CAnimation, "CControl")

CAnimation::CAnimation(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener)
    : CControl(root, id, area, listener),
      m_frameHeight(0),
      m_numberOfFrames(0),
      m_reverse(false)
{
    CVN_CONSTRUCT_CLASS;
    setValue(0.0);
    controlIsMouseEnabled(false);
}

CAnimation::~CAnimation()
{
    CVN_DESTRUCT_CLASS;
}

void CAnimation::setAnimationImage(Graphics::IImage* image, long frameHeight, long numberOfFrames, bool reverse)
{
    setPrimaryImage(image);
    if (image != nullptr) {
        m_frameHeight = frameHeight;
        m_numberOfFrames = numberOfFrames;
        m_frameRect.setRect(0, 0, image->getImageSize().getWidth(), frameHeight);
    }
    m_reverse = reverse;
}

void CAnimation::chooseFrame()
{
    const double value = getValue();
    const long frames = m_numberOfFrames;
    // Negative values (and NaN) keep the frame; so do values too large for a
    // frame index, which no conversion to an integer could hold.
    if (!(value >= 0.0) || frames < 1) {
        return;
    }
    const double position = (m_reverse ? 1.0 - value : value) * static_cast<double>(frames - 1);
    if (!(position > -static_cast<double>(frames) && position < 2.0 * static_cast<double>(frames))) {
        return;
    }
    long index = static_cast<long>(position);
    if (index < 0) {
        index += frames;
    }
    if (index >= frames) {
        index -= frames;
    }
    m_frameRect.setTop(index * m_frameHeight);
}

void CAnimation::drawControl(Graphics::CGraphics& graphics)
{
    if (!drawEnabledControl(graphics)) {
        return;
    }
    if (getPrimaryImage() == nullptr) {
        drawPrimaryImage(graphics, getDefaultDrawing());
        return;
    }
    chooseFrame();
    graphics.drawImage(getPrimaryImage(), getNormalisedArea(), m_frameRect);
}

}}}  // namespace Corvane::GUI::Controls
