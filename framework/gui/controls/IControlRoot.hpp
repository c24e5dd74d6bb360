#pragma once

#include "basics/CString.hpp"
#include "basics/ICountedObject.hpp"
#include "gui/listeners/IDropFileListener.hpp"
#include "gui/listeners/IKeyboardListener.hpp"
#include "gui/listeners/IMouseListener.hpp"
#include "math/CPoint.hpp"
#include "math/CRect.hpp"

namespace Corvane { namespace GUI { namespace Graphics {
class CGraphics;
class IImage;
}}}  // namespace Corvane::GUI::Graphics

namespace Corvane { namespace GUI { namespace Windowing {
class IWindow;
}}}  // namespace Corvane::GUI::Windowing

namespace Corvane { namespace GUI { namespace Controls {

class IControl;

/**
 * The root of a window's controls: it owns the list, routes the window's
 * mouse and key events to the right control, passes redraw requests to the
 * window and paints the controls when the window repaints.
 */
class IControlRoot : public virtual Corvane::Basics::ICountedObject,
                     public Listeners::IMouseListener,
                     public Listeners::IKeyboardListener,
                     public Listeners::IDropFileListener {
public:
    ~IControlRoot() override = default;

    /** The control captures the mouse: every mouse event goes to it, wherever the pointer is. */
    virtual void lockControl(IControl* control) = 0;
    virtual void unlockControl() = 0;
    virtual bool controlIsLocked() const = 0;
    virtual IControl* getLockedControl() const = 0;
    /** While set, the modal control alone receives events, and it is painted on top. */
    virtual void addModalControl(IControl* control) = 0;
    virtual void removeModalControl() = 0;
    virtual IControl* getModalControl() const = 0;

    virtual void setParentWindow(Windowing::IWindow* window) = 0;
    virtual Windowing::IWindow* getParentWindow() const = 0;

    /** The first control in list order whose area holds the point, both edges included; null when none. */
    virtual IControl* getControlAtPoint(const Corvane::MathTools::CPoint& point) const = 0;
    /** As getControlAtPoint, among the controls enabled for the mouse, drops or keys. */
    virtual IControl* getMouseEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const = 0;
    virtual IControl* getDropEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const = 0;
    virtual IControl* getKeyEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const = 0;
    virtual IControl* getControlWithName(const Corvane::Basics::CString& name) const = 0;

    /** Appends the control unless it is listed already; the list holds a counted reference. */
    virtual void addControl(IControl* control) = 0;
    virtual void removeControl(IControl* control) = 0;
    virtual void clearControls() = 0;
    /** With byIndex, the control at that index; otherwise the first with that unique id. Null when none. */
    virtual IControl* getControlAtIndex(long value, bool byIndex) const = 0;
    virtual long getControlIndex(const IControl* control) const = 0;
    /** Controls in the list now. */
    virtual long getNumberOfControls() const = 0;
    /** Slots used so far, removed controls' empty slots included. */
    virtual long getNumberOfInsertedControls() const = 0;

    /** Paints the graphics' update area: background colour, background image, then every control it touches. */
    virtual void drawRootControl(Graphics::CGraphics& graphics) = 0;
    /** Asks the window to repaint the control's rectangle. */
    virtual void updateControl(IControl* control) = 0;
    virtual void updateControl(long value, bool byIndex) = 0;
    virtual void updateArea(const Corvane::MathTools::CRect& area) = 0;

    /** Moves point (in the control's coordinates) to screen coordinates, in the screen's pixels. */
    virtual void getGlobalCoordinatesOfControl(const IControl* control, Corvane::MathTools::CPoint& point) const = 0;
    /** Moves point (in the control's coordinates) to window coordinates. */
    virtual void getWindowCoordinatesOfControl(const IControl* control, Corvane::MathTools::CPoint& point) const = 0;
    virtual void setBackgroundImage(Graphics::IImage* image) = 0;

    /** Marks the root as living in a plug-in editor. */
    virtual void isVSTAttatched(bool attached) = 0;
    virtual bool isVSTAttatched() const = 0;
    virtual IControl* getLastUsedControl() const = 0;
};

}}}  // namespace Corvane::GUI::Controls
