#pragma once

#include "basics/CString.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/CControl.hpp"

namespace Corvane { namespace GUI { namespace Windowing {
class CCursor;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Controls {

/**
 * What the latching and the momentary button share: their look, up and down,
 * and the pointer they show.
 *
 * Down, a button shows its down image; up, its primary image. A state without
 * an image is drawn as a rounded box in that state's fill and frame colours
 * with the text centred in it, in the system font; the text can be drawn over
 * the images too. New buttons say " " and are red up and green down, with
 * black frames and text.
 *
 * With cursor change on, a button captures the mouse while the pointer is over
 * it and shows the hand pointer there, the arrow elsewhere.
 */
class CTwoStateButton : public CControl {
public:
    ~CTwoStateButton() override;

    virtual void useCursorChange(bool use) { m_cursorChange = use; }
    bool usesCursorChange() const { return m_cursorChange; }
    /** Referenced while held, as the primary image is. */
    virtual void setDownImage(Graphics::IImage* image) { m_downImage = image; }
    Graphics::IImage* getDownImage() const { return m_downImage.getPointer(); }
    /** No redraw. */
    void setText(const Corvane::Basics::CString& text) { m_text = text; }
    const Corvane::Basics::CString& getText() const { return m_text; }
    /** The look of one state without an image; the text colour also over an image. */
    void setColours(bool down, const Basics::CAlphaColour& fill, const Basics::CAlphaColour& frame,
                    const Basics::CAlphaColour& text);

    void drawControl(Graphics::CGraphics& graphics) override;

    CVN_DECLARE_CLASS

protected:
    CTwoStateButton(IControlRoot* root, long id, const Corvane::MathTools::CRect& area,
                    Listeners::IActionListener* listener, bool cursorChange);

    /** The state drawn now. */
    virtual bool isShownDown() const = 0;
    void drawTextOverImages(bool draw) { m_textOverImages = draw; }

    // The cursor change, for the buttons to apply while it is on.
    /** The hand, and the mouse captured. */
    void capturePointer();
    /**
     * While the point (control coordinates) is over the button, edges
     * included, the hand and the mouse captured; elsewhere the arrow, and the
     * mouse let go. Answers whether the point is over it.
     */
    bool followPointer(const Corvane::MathTools::CPoint& point);
    /** The pointer the point's position asks for, and the mouse let go. */
    void releasePointer(const Corvane::MathTools::CPoint& point);

private:
    void showPointer(const Windowing::CCursor& cursor);
    bool showPointerAt(const Corvane::MathTools::CPoint& point);
    void drawText(Graphics::CGraphics& graphics, bool down);

    Collections::TAutomaticPointer<Graphics::IImage> m_downImage;
    bool m_cursorChange;
    bool m_textOverImages;
    Corvane::Basics::CString m_text;
    Basics::CAlphaColour m_fill[2];
    Basics::CAlphaColour m_frame[2];
    Basics::CAlphaColour m_textColour[2];
};

}}}  // namespace Corvane::GUI::Controls
