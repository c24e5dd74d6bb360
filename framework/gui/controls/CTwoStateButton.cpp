#include "gui/controls/CTwoStateButton.hpp"

#include "gui/controls/IControlRoot.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/windowing/CCursor.hpp"
#include "gui/windowing/IWindow.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Basics::CAlphaColour;
using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Windowing::CCursor;

CVN_IMPLEMENT_CLASS(CTwoStateButton, "CControl")

CTwoStateButton::CTwoStateButton(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener,
                                 bool cursorChange)
    : CControl(root, id, area, listener),
      m_cursorChange(cursorChange),
      m_textOverImages(false),
      m_text(" "),
      m_fill{CAlphaColour::CALPHACOLOUR_RED, CAlphaColour::CALPHACOLOUR_GREEN},
      m_frame{CAlphaColour::CALPHACOLOUR_BLACK, CAlphaColour::CALPHACOLOUR_BLACK},
      m_textColour{CAlphaColour::CALPHACOLOUR_BLACK, CAlphaColour::CALPHACOLOUR_BLACK}
{
    CVN_CONSTRUCT_CLASS;
    CControl::setValue(0.0);
}

CTwoStateButton::~CTwoStateButton()
{
    CVN_DESTRUCT_CLASS;
}

void CTwoStateButton::setColours(bool down, const CAlphaColour& fill, const CAlphaColour& frame,
                                 const CAlphaColour& text)
{
    const int state = down ? 1 : 0;
    m_fill[state] = fill;
    m_frame[state] = frame;
    m_textColour[state] = text;
}

void CTwoStateButton::drawControl(Graphics::CGraphics& graphics)
{
    if (!drawEnabledControl(graphics)) {
        return;
    }
    const bool down = isShownDown();
    const CRect& area = getNormalisedArea();
    bool imageShown = false;
    if (down) {
        imageShown = m_downImage.hasPointer();
        if (imageShown) {
            graphics.drawImage(m_downImage.getPointer(), area, m_downImage->getNormalisedImageSize());
        }
    } else {
        imageShown = drawPrimaryImage(graphics, false);
    }
    if (imageShown) {
        if (m_textOverImages) {
            drawText(graphics, down);
        }
        return;
    }
    const int state = down ? 1 : 0;
    const CDimension corner(area.getWidth() / 16, area.getWidth() / 16);
    graphics.getMutableBrush().setColour(m_fill[state]);
    graphics.fillRoundedRectangle(area, corner);
    graphics.getMutablePen().setColour(m_frame[state]);
    graphics.drawRoundedRectangle(area, corner);
    drawText(graphics, down);
}

void CTwoStateButton::drawText(Graphics::CGraphics& graphics, bool down)
{
    graphics.setTextColour(m_textColour[down ? 1 : 0]);
    graphics.drawText(m_text, getNormalisedArea(), nullptr, Graphics::CGraphics::CGRAPHICS_TEXT_CENTRED);
}

void CTwoStateButton::showPointer(const CCursor& cursor)
{
    if (Windowing::IWindow* window = getRootControl()->getParentWindow()) {
        window->setCursor(&cursor);
    }
}

bool CTwoStateButton::showPointerAt(const CPoint& point)
{
    const bool over = getNormalisedArea().pointIsInside(point);
    showPointer(over ? CCursor::CCURSOR_HAND : CCursor::CCURSOR_ARROW);
    return over;
}

void CTwoStateButton::capturePointer()
{
    showPointer(CCursor::CCURSOR_HAND);
    getRootControl()->lockControl(this);
}

bool CTwoStateButton::followPointer(const CPoint& point)
{
    const bool over = showPointerAt(point);
    if (over) {
        getRootControl()->lockControl(this);
    } else {
        getRootControl()->unlockControl();
    }
    return over;
}

void CTwoStateButton::releasePointer(const CPoint& point)
{
    showPointerAt(point);
    getRootControl()->unlockControl();
}

}}}  // namespace Corvane::GUI::Controls
