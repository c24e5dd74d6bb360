#pragma once

#include "basics/CString.hpp"
#include "basics/ICountedObject.hpp"
#include "gui/basics/CAlphaColour.hpp"
#include "gui/listeners/IDropFileListener.hpp"
#include "gui/listeners/IKeyboardListener.hpp"
#include "gui/listeners/IMouseListener.hpp"
#include "math/CDimension.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Graphics {
class CGraphics;
class IImage;
}}}  // namespace Corvane::GUI::Graphics

namespace Corvane { namespace GUI { namespace Listeners {
class IActionListener;
}}}  // namespace Corvane::GUI::Listeners

namespace Corvane { namespace GUI { namespace Controls {

class IControlRoot;

/**
 * A control: a rectangle of the window that draws itself in its own
 * coordinates, keeps a value in 0 ... 1, receives the mouse and key events its
 * root routes to it and tells its action listener when the user changes it.
 */
class IControl : public virtual Corvane::Basics::ICountedObject,
                 public Listeners::IMouseListener,
                 public Listeners::IKeyboardListener,
                 public Listeners::IDropFileListener {
public:
    ~IControl() override = default;

    virtual void setControlRoot(IControlRoot* root) = 0;
    virtual IControlRoot* getRootControl() const = 0;
    virtual void setParentControl(IControl* parent) = 0;
    virtual IControl* getParentControl() const = 0;
    virtual void registerActionListener(Listeners::IActionListener* listener) = 0;

    virtual void controlIsMouseEnabled(bool enabled) = 0;
    virtual void controlIsDropFileEnabled(bool enabled) = 0;
    virtual void controlIsKeyEnabled(bool enabled) = 0;
    virtual bool isMouseEnabled() const = 0;
    virtual bool isDropFileEnabled() const = 0;
    virtual bool isKeyEnabled() const = 0;
    virtual bool needsRightClick() const = 0;

    virtual long getUniqueId() const = 0;
    virtual void setUniqueId(long id) = 0;
    virtual const Corvane::Basics::CString& getControlName() const = 0;
    virtual void setControlName(const Corvane::Basics::CString& name) = 0;

    virtual void setValue(double value) = 0;
    virtual double getValue() const = 0;

    /** Position and size in the parent's coordinates. */
    virtual void setArea(const Corvane::MathTools::CRect& area) = 0;
    virtual const Corvane::MathTools::CRect& getArea() const = 0;
    /** The same rectangle in window coordinates. */
    virtual const Corvane::MathTools::CRect& getAbsoluteRect() const = 0;
    virtual const Corvane::MathTools::CDimension& getDimension() const = 0;
    /** (0, 0, width, height): the control's own drawing surface. */
    virtual const Corvane::MathTools::CRect& getNormalisedArea() const = 0;
    virtual bool isContainer() const = 0;
    virtual void isOwnedControl(bool owned) = 0;
    virtual bool isOwnedControl() const = 0;

    /** Asks the root for a repaint of the control: the only way a control gets redrawn. */
    virtual void update() = 0;
    /**
     * The control had taken the mouse (lockControl), and the button's release
     * will not come: its window closed or hid, or another took the pointer.
     * A drag or press in progress ends here, as if it never went on; the
     * listener is not told. The root has let go of the control already.
     */
    virtual void handleMouseCaptureLost() = 0;
    /** Draws in the control's own coordinates; the root has set the offset, clip and update area. */
    virtual void drawControl(Graphics::CGraphics& graphics) = 0;
    virtual void enableControl() = 0;
    virtual void disableControl() = 0;
    virtual bool isControlEnabled() const = 0;
    virtual void setPrimaryImage(Graphics::IImage* image) = 0;
    virtual void setDisabledImage(Graphics::IImage* image) = 0;

    virtual void setDefaultControlColours(const Basics::CAlphaColour& frame,
                                          const Basics::CAlphaColour& background) = 0;
    virtual void doDefaultDrawing(bool draw) = 0;
    /** Draws the disabled image when disabled; answers whether the control is enabled. */
    virtual bool drawEnabledControl(Graphics::CGraphics& graphics) = 0;
    /** Draws the primary image over the whole control; false when there is none. */
    virtual bool drawPrimaryImage(Graphics::CGraphics& graphics) = 0;
    /** As above; without an image and with the flag set, paints a plain box instead. */
    virtual bool drawPrimaryImage(Graphics::CGraphics& graphics, bool drawDefault) = 0;
};

}}}  // namespace Corvane::GUI::Controls
