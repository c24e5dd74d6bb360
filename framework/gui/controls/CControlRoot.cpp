#include "gui/controls/CControlRoot.hpp"

#include "gui/events/CDropEvent.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/IWindow.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Events::CMouseEvent;

namespace {

bool contains(const CRect& outer, const CRect& inner)
{
    return inner.getLeft() >= outer.getLeft() && inner.getTop() >= outer.getTop() &&
           inner.getRight() <= outer.getRight() && inner.getBottom() <= outer.getBottom();
}

void restoreClip(Graphics::CClip& clip, const CRect& region, bool wasSet)
{
    if (wasSet) {
        clip.setCurrentClipRegion(region);
    } else {
        clip.clearClipRegion();
    }
}

}  // namespace

CVN_IMPLEMENT_CLASS(CControlRoot, "CCountedObject")

CControlRoot::CControlRoot(Windowing::IWindow* parent)
    : m_parentWindow(parent),
      m_mouseEvent(&m_mouse),
      m_vstAttached(false)
{
    CVN_CONSTRUCT_CLASS;
}

CControlRoot::~CControlRoot()
{
    // Controls first: a control's destructor may still reach its root.
    m_modalControl.freePointer();
    m_lockedControl.freePointer();
    m_lastUsedControl.freePointer();
    m_controls.freePointers();
    CVN_DESTRUCT_CLASS;
}

IControl* CControlRoot::findControlAtPoint(const CPoint& point, EnabledTest test) const
{
    for (long i = 0; i < m_controls.getInsertIndex(); ++i) {
        IControl* control = m_controls.getElementAtIndex(i);
        if (control != nullptr && control->getAbsoluteRect().pointIsInside(point) &&
            (test == nullptr || (control->*test)())) {
            return control;
        }
    }
    return nullptr;
}

IControl* CControlRoot::getControlAtPoint(const CPoint& point) const
{
    return findControlAtPoint(point, nullptr);
}

IControl* CControlRoot::getMouseEnabledControlAtPoint(const CPoint& point) const
{
    return findControlAtPoint(point, &IControl::isMouseEnabled);
}

IControl* CControlRoot::getDropEnabledControlAtPoint(const CPoint& point) const
{
    return findControlAtPoint(point, &IControl::isDropFileEnabled);
}

IControl* CControlRoot::getKeyEnabledControlAtPoint(const CPoint& point) const
{
    return findControlAtPoint(point, &IControl::isKeyEnabled);
}

IControl* CControlRoot::getControlWithName(const Corvane::Basics::CString& name) const
{
    for (long i = 0; i < m_controls.getInsertIndex(); ++i) {
        IControl* control = m_controls.getElementAtIndex(i);
        if (control != nullptr && control->getControlName() == name) {
            return control;
        }
    }
    return nullptr;
}

IControl* CControlRoot::chooseMouseTarget(const CPoint& point) const
{
    if (m_modalControl.hasPointer()) {
        IControl* modal = m_modalControl.getPointer();
        return modal->isMouseEnabled() && modal->getAbsoluteRect().pointIsInside(point) ? modal : nullptr;
    }
    if (m_lockedControl.hasPointer()) {
        return m_lockedControl.getPointer();
    }
    return getMouseEnabledControlAtPoint(point);
}

void CControlRoot::routeMouseEvent(CMouseEvent& event, CMouseEvent::EMouseEventType type, MouseHandler handler)
{
    const CPoint point = event.getMousePosition();
    m_savedMousePoint = point;
    IControl* target = chooseMouseTarget(point);
    if (target == nullptr) {
        return;
    }
    // Kept alive through its own handler, even if that lets go of every other reference to it.
    target->referenced();
    m_mouseEvent.setEventType(type);
    m_mouseEvent.setModifiers(event.isCtrlDown(), event.isShiftDown(), event.isAltDown());
    if (type == CMouseEvent::CMOUSEEVENT_SCROLL) {
        m_mouseEvent.setWheelMovement(event.getWheelMovement());
    }
    const CRect& rect = target->getAbsoluteRect();
    m_mouseEvent.setMousePosition(CPoint(point.getXPosition() - rect.getLeft(), point.getYPosition() - rect.getTop()));
    (target->*handler)(m_mouseEvent);
    m_mouseEvent.setMousePosition(m_savedMousePoint);
    m_lastUsedControl = target;
    target->dereference();
}

void CControlRoot::handleLeftButtonDown(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_LEFT_BUTTON_DOWN, &Listeners::IMouseListener::handleLeftButtonDown);
}

void CControlRoot::handleLeftButtonUp(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_LEFT_BUTTON_UP, &Listeners::IMouseListener::handleLeftButtonUp);
}

void CControlRoot::handleRightButtonDown(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_RIGHT_BUTTON_DOWN,
                    &Listeners::IMouseListener::handleRightButtonDown);
}

void CControlRoot::handleRightButtonUp(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_RIGHT_BUTTON_UP, &Listeners::IMouseListener::handleRightButtonUp);
}

void CControlRoot::handleDoubleClick(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_DOUBLE_CLICK, &Listeners::IMouseListener::handleDoubleClick);
}

void CControlRoot::handleMouseScroll(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_SCROLL, &Listeners::IMouseListener::handleMouseScroll);
}

void CControlRoot::handleMouseMovement(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_MOVEMENT, &Listeners::IMouseListener::handleMouseMovement);
}

void CControlRoot::handleMouseLeavingArea(CMouseEvent& event)
{
    routeMouseEvent(event, CMouseEvent::CMOUSEEVENT_LEAVING_AREA, &Listeners::IMouseListener::handleMouseLeavingArea);
}

IControl* CControlRoot::keyTarget() const
{
    if (m_modalControl.hasPointer()) {
        return m_modalControl.getPointer();
    }
    if (m_lockedControl.hasPointer()) {
        return m_lockedControl.getPointer();
    }
    return m_lastUsedControl.getPointer();
}

bool CControlRoot::handleKeyDown(const Events::CKeyboardEvent& event)
{
    IControl* target = keyTarget();
    return target != nullptr && target->handleKeyDown(event);
}

bool CControlRoot::handleKeyUp(const Events::CKeyboardEvent& event)
{
    IControl* target = keyTarget();
    return target != nullptr && target->handleKeyUp(event);
}

bool CControlRoot::handleFileDrop(const Events::CDropEvent& event)
{
    IControl* target = getDropEnabledControlAtPoint(event.getPosition());
    return target != nullptr && target->handleFileDrop(event);
}

void CControlRoot::lockControl(IControl* control)
{
    m_lockedControl = control;
}

void CControlRoot::unlockControl()
{
    m_lockedControl.freePointer();
}

void CControlRoot::releaseMouseCapture()
{
    if (!m_lockedControl.hasPointer()) {
        return;
    }
    IControl* control = m_lockedControl.getPointer();
    control->referenced();
    m_lockedControl.freePointer();
    control->handleMouseCaptureLost();
    control->dereference();
}

void CControlRoot::addModalControl(IControl* control)
{
    m_modalControl = control;
}

void CControlRoot::removeModalControl()
{
    m_modalControl.freePointer();
}

void CControlRoot::addControl(IControl* control)
{
    if (control != nullptr && m_controls.getIndexOfPointer(control) < 0) {
        m_controls.addElement(control);
    }
}

void CControlRoot::removeControl(IControl* control)
{
    const long index = control != nullptr ? m_controls.getIndexOfPointer(control) : -1;
    if (index >= 0) {
        m_controls.deletePointerAtIndex(index);
    }
}

void CControlRoot::clearControls()
{
    m_controls.freePointers();
}

IControl* CControlRoot::getControlAtIndex(long value, bool byIndex) const
{
    if (byIndex) {
        return m_controls.getElementAtIndex(value);
    }
    for (long i = 0; i < m_controls.getInsertIndex(); ++i) {
        IControl* control = m_controls.getElementAtIndex(i);
        if (control != nullptr && control->getUniqueId() == value) {
            return control;
        }
    }
    return nullptr;
}

long CControlRoot::getControlIndex(const IControl* control) const
{
    return control != nullptr ? m_controls.getIndexOfPointer(control) : -1;
}

long CControlRoot::getNumberOfControls() const
{
    long count = 0;
    for (long i = 0; i < m_controls.getInsertIndex(); ++i) {
        count += m_controls.getElementAtIndex(i) != nullptr ? 1 : 0;
    }
    return count;
}

void CControlRoot::updateControl(IControl* control)
{
    if (control != nullptr && m_parentWindow != nullptr) {
        m_parentWindow->redrawWindow(control->getAbsoluteRect());
    }
}

void CControlRoot::updateControl(long value, bool byIndex)
{
    updateControl(getControlAtIndex(value, byIndex));
}

void CControlRoot::updateArea(const CRect& area)
{
    if (m_parentWindow != nullptr) {
        m_parentWindow->redrawWindow(area);
    }
}

void CControlRoot::getWindowCoordinatesOfControl(const IControl* control, CPoint& point) const
{
    for (const IControl* c = control; c != nullptr; c = c->getParentControl()) {
        point.offset(c->getArea().getLeft(), c->getArea().getTop());
    }
}

void CControlRoot::getGlobalCoordinatesOfControl(const IControl* control, CPoint& point) const
{
    getWindowCoordinatesOfControl(control, point);
    if (m_parentWindow != nullptr) {
        // The screen counts its own pixels: the window's are scaled onto them.
        point = Graphics::CDeviceScale(m_parentWindow->getScaleFactor()).toDevice(point);
        point.offset(m_parentWindow->getWindowPosition());
    }
}

void CControlRoot::setBackgroundImage(Graphics::IImage* image)
{
    m_backgroundImage = image;
}

void CControlRoot::drawRootControl(Graphics::CGraphics& graphics)
{
    const CRect updateArea = graphics.getUpdateArea();
    const CPoint offset = graphics.getDrawingOffset();
    Graphics::CClip& clip = graphics.getClippingRegion();
    const CRect savedClip = clip.getCurrentClipRegion();
    const bool clipWasSet = clip.isClipSet();
    CRect surfaceArea(updateArea);
    surfaceArea.offset(offset);

    if (m_parentWindow != nullptr) {
        clip.setCurrentClipRegion(surfaceArea);
        graphics.getMutableBrush().setColour(
            Basics::CAlphaColour(m_parentWindow->getWindowAttributes()->getBackgroundColour()));
        graphics.fillRectangle(updateArea);
    }
    if (m_backgroundImage.hasPointer()) {
        clip.setCurrentClipRegion(surfaceArea);
        graphics.drawImage(m_backgroundImage.getPointer(), updateArea, updateArea);
    }
    for (long i = 0; i < m_controls.getInsertIndex(); ++i) {
        if (IControl* control = m_controls.getElementAtIndex(i)) {
            drawControlIn(graphics, control, updateArea, offset, savedClip, clipWasSet);
        }
    }
    if (m_modalControl.hasPointer()) {
        drawControlIn(graphics, m_modalControl.getPointer(), updateArea, offset, savedClip, clipWasSet);
    }
    graphics.setUpdateArea(updateArea);
    graphics.setDrawingOffset(offset);
    restoreClip(clip, savedClip, clipWasSet);
}

void CControlRoot::drawControlIn(Graphics::CGraphics& graphics, IControl* control, const CRect& updateArea,
                                 const CPoint& offset, const CRect& savedClip, bool clipWasSet)
{
    const CRect& rect = control->getAbsoluteRect();
    CRect overlap;
    CRect::getIntersectionArea(rect, updateArea, overlap);
    // A control that only touches the update area along an edge still counts (an overlap of width or height 0).
    if (overlap.getWidth() < 0 || overlap.getHeight() < 0) {
        return;
    }
    // Clipped to the part inside the update area too: nothing outside it was invalidated.
    CRect clipRect(overlap);
    clipRect.offset(offset);
    graphics.getClippingRegion().setCurrentClipRegion(clipRect);
    graphics.setDrawingOffset(CPoint(offset.getXPosition() + rect.getLeft(), offset.getYPosition() + rect.getTop()));
    if (contains(updateArea, rect)) {
        graphics.setUpdateArea(control->getNormalisedArea());
    } else {
        overlap.offset(CPoint(-rect.getLeft(), -rect.getTop()));
        graphics.setUpdateArea(overlap);
    }
    control->drawControl(graphics);
    graphics.setDrawingOffset(offset);
    restoreClip(graphics.getClippingRegion(), savedClip, clipWasSet);
}

}}}  // namespace Corvane::GUI::Controls
