#pragma once

#include "basics/CCountedObject.hpp"
#include "collections/TAutomaticPointer.hpp"
#include "collections/TCountedPointerArray.hpp"
#include "gui/controls/IControl.hpp"
#include "gui/controls/IControlRoot.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/windowing/CMouse.hpp"

namespace Corvane { namespace GUI { namespace Controls {

/**
 * The control root a window owns and hands every event to.
 *
 * Mouse events go to the modal control when there is one (and only while the
 * pointer is over it), else to the locked control wherever the pointer is,
 * else to the first mouse-enabled control under the pointer; the position is
 * made relative to the control's top-left corner for the call, so a locked
 * control sees negative coordinates left of and above itself. Key events go to
 * the modal, else the locked, else the last used control.
 *
 * Painting covers the graphics' update area: the window's background colour,
 * the background image 1:1, then each control the area touches, in list order
 * (the last added on top, the modal control above all), each clipped to its
 * own rectangle within the update area and drawing in its own coordinates.
 */
class CControlRoot : public IControlRoot, public Corvane::Basics::CCountedObject {
public:
    explicit CControlRoot(Windowing::IWindow* parent);
    ~CControlRoot() override;
    CControlRoot(const CControlRoot&) = delete;
    CControlRoot& operator=(const CControlRoot&) = delete;

    void handleLeftButtonDown(Events::CMouseEvent& event) override;
    void handleLeftButtonUp(Events::CMouseEvent& event) override;
    void handleRightButtonDown(Events::CMouseEvent& event) override;
    void handleRightButtonUp(Events::CMouseEvent& event) override;
    void handleDoubleClick(Events::CMouseEvent& event) override;
    void handleMouseScroll(Events::CMouseEvent& event) override;
    void handleMouseMovement(Events::CMouseEvent& event) override;
    void handleMouseLeavingArea(Events::CMouseEvent& event) override;
    /** False when no control takes the event. */
    bool handleKeyDown(const Events::CKeyboardEvent& event) override;
    bool handleKeyUp(const Events::CKeyboardEvent& event) override;
    /** Goes to the first drop-enabled control under the drop position. */
    bool handleFileDrop(const Events::CDropEvent& event) override;

    void lockControl(IControl* control) override;
    void unlockControl() override;
    /**
     * For the window: the release of the button that made a control take the
     * mouse will not come. The root lets go of that control and tells it
     * (handleMouseCaptureLost); nothing happens when none has the mouse.
     */
    void releaseMouseCapture();
    bool controlIsLocked() const override { return m_lockedControl.hasPointer(); }
    IControl* getLockedControl() const override { return m_lockedControl.getPointer(); }
    void addModalControl(IControl* control) override;
    void removeModalControl() override;
    IControl* getModalControl() const override { return m_modalControl.getPointer(); }

    void setParentWindow(Windowing::IWindow* window) override { m_parentWindow = window; }
    Windowing::IWindow* getParentWindow() const override { return m_parentWindow; }

    IControl* getControlAtPoint(const Corvane::MathTools::CPoint& point) const override;
    IControl* getMouseEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const override;
    IControl* getDropEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const override;
    IControl* getKeyEnabledControlAtPoint(const Corvane::MathTools::CPoint& point) const override;
    IControl* getControlWithName(const Corvane::Basics::CString& name) const override;

    void addControl(IControl* control) override;
    void removeControl(IControl* control) override;
    void clearControls() override;
    IControl* getControlAtIndex(long value, bool byIndex) const override;
    long getControlIndex(const IControl* control) const override;
    long getNumberOfControls() const override;
    long getNumberOfInsertedControls() const override { return m_controls.getInsertIndex(); }

    void drawRootControl(Graphics::CGraphics& graphics) override;
    void updateControl(IControl* control) override;
    void updateControl(long value, bool byIndex) override;
    void updateArea(const Corvane::MathTools::CRect& area) override;

    void getGlobalCoordinatesOfControl(const IControl* control, Corvane::MathTools::CPoint& point) const override;
    void getWindowCoordinatesOfControl(const IControl* control, Corvane::MathTools::CPoint& point) const override;
    void setBackgroundImage(Graphics::IImage* image) override;
    Graphics::IImage* getBackgroundImage() const { return m_backgroundImage.getPointer(); }

    void isVSTAttatched(bool attached) override { m_vstAttached = attached; }
    bool isVSTAttatched() const override { return m_vstAttached; }
    IControl* getLastUsedControl() const override { return m_lastUsedControl.getPointer(); }

    CVN_DECLARE_CLASS

private:
    typedef void (Listeners::IMouseListener::*MouseHandler)(Events::CMouseEvent&);
    typedef bool (IControl::*EnabledTest)() const;

    IControl* findControlAtPoint(const Corvane::MathTools::CPoint& point, EnabledTest test) const;
    IControl* chooseMouseTarget(const Corvane::MathTools::CPoint& point) const;
    void routeMouseEvent(Events::CMouseEvent& event, Events::CMouseEvent::EMouseEventType type, MouseHandler handler);
    IControl* keyTarget() const;
    void drawControlIn(Graphics::CGraphics& graphics, IControl* control, const Corvane::MathTools::CRect& updateArea,
                       const Corvane::MathTools::CPoint& offset, const Corvane::MathTools::CRect& savedClip,
                       bool clipWasSet);

    Collections::TAutomaticPointer<IControl> m_modalControl;
    Collections::TCountedPointerArray<IControl> m_controls;
    Collections::TAutomaticPointer<IControl> m_lockedControl;
    Collections::TAutomaticPointer<IControl> m_lastUsedControl;
    Collections::TAutomaticPointer<Graphics::IImage> m_backgroundImage;
    Windowing::IWindow* m_parentWindow;
    Windowing::CMouse m_mouse;
    Events::CMouseEvent m_mouseEvent;
    Corvane::MathTools::CPoint m_savedMousePoint;
    bool m_vstAttached;
};

}}}  // namespace Corvane::GUI::Controls
