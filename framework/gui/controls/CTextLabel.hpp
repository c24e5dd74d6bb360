#pragma once

#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/CControl.hpp"
#include "gui/fonts/CFont.hpp"
#include "gui/graphics/CGraphics.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * One line of text, drawn 1 pixel in from the control's left and top edges,
 * in the text colour, font and alignment set (by default black, the system
 * font, left-aligned and vertically centred). Behind it, the primary image or,
 * with default drawing on, a box in the frame and background colours. A label
 * does not take the mouse: clicks go to whatever lies beneath it.
 *
 * @code
 * CTextLabel* label = new CTextLabel(root, 1, CRect(10, 115, 96, 20), " -12.00 dB");
 * label->setColours(CAlphaColour::CALPHACOLOUR_BLACK, CAlphaColour::CALPHACOLOUR_BLACK,
 *                   CAlphaColour::CALPHACOLOUR_BLACK);
 * label->setText(" -6.00 dB");  // redrawn
 * @endcode
 */
class CTextLabel : public CControl {
public:
    /** Not mouse-enabled, drop-file-enabled, no listener; asks to be drawn. */
    CTextLabel(IControlRoot* root, long id, const Corvane::MathTools::CRect& area,
               const Corvane::Basics::CString& text);
    ~CTextLabel() override;

    /** The frame and background of the default box, and the text colour; no redraw. */
    virtual void setColours(const Basics::CAlphaColour& frame, const Basics::CAlphaColour& background,
                            const Basics::CAlphaColour& text);
    virtual void setTextColour(const Basics::CAlphaColour& text);
    /** Kept for layouts that set it; whether a box is drawn follows doDefaultDrawing. */
    virtual void drawFrameAndBackground(bool draw) { m_drawFrameAndBackground = draw; }
    /** Referenced while held; null draws in the system font. */
    virtual void setFont(Fonts::CFont* font) { m_font = font; }
    /** Takes the text and redraws. */
    virtual void setText(const Corvane::Basics::CString& text);
    virtual void setTextFormat(Graphics::CGraphics::ETextAlignment format) { m_textFormat = format; }

    bool drawsFrameAndBackground() const { return m_drawFrameAndBackground; }
    /** The font the text is drawn in: the one set, or the system font. */
    Fonts::CFont* getFont() const
    {
        return m_font.hasPointer() ? m_font.getPointer() : Fonts::CFont::CFONT_SYSTEM_FONT;
    }
    const Basics::CAlphaColour& getTextColour() const { return m_textColour; }
    const Corvane::Basics::CString& getText() const { return m_text; }
    Graphics::CGraphics::ETextAlignment getTextFormat() const { return m_textFormat; }

    void drawControl(Graphics::CGraphics& graphics) override;

    CVN_DECLARE_CLASS

private:
    bool m_drawFrameAndBackground;
    Collections::TAutomaticPointer<Fonts::CFont> m_font;
    Basics::CAlphaColour m_textColour;
    Corvane::Basics::CString m_text;
    Graphics::CGraphics::ETextAlignment m_textFormat;
};

}}}  // namespace Corvane::GUI::Controls
