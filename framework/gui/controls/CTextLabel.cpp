#include "gui/controls/CTextLabel.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CTextLabel, "CControl")

CTextLabel::CTextLabel(IControlRoot* root, long id, const CRect& area, const Corvane::Basics::CString& text)
    : CControl(root, id, area, nullptr),
      m_drawFrameAndBackground(true),
      m_textColour(Basics::CAlphaColour::CALPHACOLOUR_BLACK),
      m_text(text),
      m_textFormat(Graphics::CGraphics::CGRAPHICS_TEXT_LEFT)
{
    CVN_CONSTRUCT_CLASS;
    controlIsMouseEnabled(false);
    controlIsDropFileEnabled(true);
    // Without a font of its own the label draws in the system font, which it does not hold: labels are
    // built on hosts' loading threads, several at once, and the system font's count is not shared safely.
    update();
}

CTextLabel::~CTextLabel()
{
    CVN_DESTRUCT_CLASS;
}

void CTextLabel::setColours(const Basics::CAlphaColour& frame, const Basics::CAlphaColour& background,
                            const Basics::CAlphaColour& text)
{
    setDefaultControlColours(frame, background);
    m_textColour = text;
}

void CTextLabel::setTextColour(const Basics::CAlphaColour& text)
{
    setColours(getFrameColour(), getBackgroundColour(), text);
}

void CTextLabel::setText(const Corvane::Basics::CString& text)
{
    m_text = text;
    update();
}

void CTextLabel::drawControl(Graphics::CGraphics& graphics)
{
    if (!drawEnabledControl(graphics)) {
        return;
    }
    drawPrimaryImage(graphics, getDefaultDrawing());
    graphics.setTextColour(m_textColour);
    graphics.drawText(m_text, CRect(1, 1, getDimension().getWidth(), getDimension().getHeight()), m_font.getPointer(),
                      m_textFormat);
}

}}}  // namespace Corvane::GUI::Controls
