#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "gui/controls/IControl.hpp"
#include "gui/graphics/IImage.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * The base of every control: the fields and plain operations of IControl,
 * handlers that ignore every event, and the drawing helpers concrete controls
 * build on. A new control is mouse-enabled and enabled, has value 1, a black
 * frame and white background colour, and no images.
 *
 * @code
 * class CSwatch : public CControl {
 * public:
 *     CSwatch(IControlRoot* root, const CRect& area) : CControl(root, 7, area, nullptr) {}
 *     void drawControl(CGraphics& graphics) override
 *     {
 *         if (drawEnabledControl(graphics)) {
 *             graphics.getMutableBrush().setColour(CAlphaColour::CALPHACOLOUR_ORANGE);
 *             graphics.fillRectangle(getNormalisedArea());
 *         }
 *     }
 * };
 * @endcode
 */
class CControl : public IControl, public Corvane::Basics::CCountedObject {
public:
    /** Throws CException "Control root is null" for a null root. */
    CControl(IControlRoot* root, long id, const Corvane::MathTools::CRect& area, Listeners::IActionListener* listener);
    ~CControl() override;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    void setControlRoot(IControlRoot* root) override;
    IControlRoot* getRootControl() const override { return m_controlRoot; }
    void setParentControl(IControl* parent) override { m_parentControl = parent; }
    IControl* getParentControl() const override { return m_parentControl; }
    void registerActionListener(Listeners::IActionListener* listener) override { m_actionListener = listener; }

    void controlIsMouseEnabled(bool enabled) override { m_mouseEnabled = enabled; }
    void controlIsDropFileEnabled(bool enabled) override { m_dropFileEnabled = enabled; }
    void controlIsKeyEnabled(bool enabled) override { m_keyEnabled = enabled; }
    bool isMouseEnabled() const override { return m_mouseEnabled; }
    bool isDropFileEnabled() const override { return m_dropFileEnabled; }
    bool isKeyEnabled() const override { return m_keyEnabled; }
    bool needsRightClick() const override { return m_needsRightClick; }

    long getUniqueId() const override { return m_uniqueId; }
    void setUniqueId(long id) override { m_uniqueId = id; }
    const Corvane::Basics::CString& getControlName() const override { return m_controlName; }
    void setControlName(const Corvane::Basics::CString& name) override { m_controlName = name; }

    /** A plain store: no clamping, no redraw. */
    void setValue(double value) override { m_value = value; }
    double getValue() const override { return m_value; }

    void setArea(const Corvane::MathTools::CRect& area) override;
    const Corvane::MathTools::CRect& getArea() const override { return m_area; }
    const Corvane::MathTools::CRect& getAbsoluteRect() const override { return m_absoluteRect; }
    const Corvane::MathTools::CDimension& getDimension() const override { return m_dimension; }
    const Corvane::MathTools::CRect& getNormalisedArea() const override { return m_normalisedArea; }
    bool isContainer() const override { return false; }
    void isOwnedControl(bool owned) override { m_ownedControl = owned; }
    bool isOwnedControl() const override { return m_ownedControl; }

    void update() override;
    /** The base control shows its primary image, or its plain box with default drawing on. */
    void drawControl(Graphics::CGraphics& graphics) override;
    /** Neither redraws by itself. */
    void enableControl() override { m_enabled = true; }
    void disableControl() override { m_enabled = false; }
    bool isControlEnabled() const override { return m_enabled; }
    /** The control references the new image and lets go of the old one. */
    void setPrimaryImage(Graphics::IImage* image) override;
    void setDisabledImage(Graphics::IImage* image) override;
    Graphics::IImage* getPrimaryImage() const { return m_primaryImage.getPointer(); }
    Graphics::IImage* getDisabledImage() const { return m_disabledImage.getPointer(); }

    void setDefaultControlColours(const Basics::CAlphaColour& frame, const Basics::CAlphaColour& background) override;
    void doDefaultDrawing(bool draw) override { m_defaultDrawing = draw; }
    bool drawEnabledControl(Graphics::CGraphics& graphics) override;
    bool drawPrimaryImage(Graphics::CGraphics& graphics) override;
    bool drawPrimaryImage(Graphics::CGraphics& graphics, bool drawDefault) override;

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleRightButtonDown(Events::CMouseEvent& event) override;
    void handleRightButtonUp(Events::CMouseEvent& event) override;
    void handleDoubleClick(Events::CMouseEvent& event) override;
    void handleMouseScroll(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;
    void handleMouseLeavingArea(Events::CMouseEvent& event) override;
    void handleMouseCaptureLost() override;
    bool handleKeyDown(const Events::CKeyboardEvent& event) override;
    bool handleKeyUp(const Events::CKeyboardEvent& event) override;
    bool handleFileDrop(const Events::CDropEvent& event) override;

    CVN_DECLARE_CLASS

protected:
    Listeners::IActionListener* getActionListener() const { return m_actionListener; }
    /** Tells the action listener, if there is one, that the user changed the control. */
    void notifyActionListener();
    void notifyActionListener(const Events::CMouseEvent& event);
    const Basics::CAlphaColour& getFrameColour() const { return m_frameColour; }
    const Basics::CAlphaColour& getBackgroundColour() const { return m_backgroundColour; }
    bool getDefaultDrawing() const { return m_defaultDrawing; }
    void setNeedsRightClick(bool needs) { m_needsRightClick = needs; }

private:
    Listeners::IActionListener* m_actionListener;
    IControlRoot* m_controlRoot;
    IControl* m_parentControl;
    bool m_mouseEnabled;
    bool m_keyEnabled;
    bool m_dropFileEnabled;
    bool m_needsRightClick;
    bool m_enabled;
    bool m_defaultDrawing;
    bool m_ownedControl;
    long m_uniqueId;
    Corvane::Basics::CString m_controlName;
    double m_value;
    Corvane::MathTools::CRect m_area;
    Corvane::MathTools::CDimension m_dimension;
    Corvane::MathTools::CRect m_absoluteRect;
    Corvane::MathTools::CRect m_normalisedArea;
    Collections::TAutomaticPointer<Graphics::IImage> m_primaryImage;
    Collections::TAutomaticPointer<Graphics::IImage> m_disabledImage;
    Basics::CAlphaColour m_frameColour;
    Basics::CAlphaColour m_backgroundColour;
};

}}}  // namespace Corvane::GUI::Controls
