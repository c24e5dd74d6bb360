#include "gui/controls/CControl.hpp"

#include "exceptions/CException.hpp"
#include "gui/controls/IControlRoot.hpp"
#include "gui/events/CActionEvent.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/graphics/IImage.hpp"
#include "gui/listeners/IActionListener.hpp"

namespace Corvane { namespace GUI { namespace Controls {

using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;

CVN_IMPLEMENT_CLASS(CControl, "CCountedObject")

CControl::CControl(IControlRoot* root, long id, const CRect& area, Listeners::IActionListener* listener)
    : m_actionListener(listener),
      m_controlRoot(nullptr),
      m_parentControl(nullptr),
      m_mouseEnabled(true),
      m_keyEnabled(false),
      m_dropFileEnabled(false),
      m_needsRightClick(false),
      m_enabled(true),
      m_defaultDrawing(false),
      m_ownedControl(false),
      m_uniqueId(id),
      m_controlName("Control"),
      m_value(1.0),
      m_frameColour(Basics::CAlphaColour::CALPHACOLOUR_BLACK),
      m_backgroundColour(Basics::CAlphaColour::CALPHACOLOUR_WHITE)
{
    // Checked before the instance is counted: a throwing constructor runs no destructor.
    setControlRoot(root);
    CVN_CONSTRUCT_CLASS;
    setArea(area);
}

CControl::~CControl()
{
    CVN_DESTRUCT_CLASS;
}

void CControl::setControlRoot(IControlRoot* root)
{
    if (root == nullptr) {
        throw Corvane::Exceptions::CException("Control root is null", "CControl::setControlRoot(IControlRoot *)", true);
    }
    m_controlRoot = root;
}

void CControl::setArea(const CRect& area)
{
    m_area = area;
    m_normalisedArea.setRect(0, 0, area.getWidth(), area.getHeight());
    CPoint origin(0, 0);
    m_controlRoot->getWindowCoordinatesOfControl(this, origin);
    m_absoluteRect.setRect(origin.getXPosition(), origin.getYPosition(), area.getWidth(), area.getHeight());
    m_dimension.setDimension(area.getWidth(), area.getHeight());
}

void CControl::update()
{
    m_controlRoot->updateControl(this);
}

void CControl::drawControl(Graphics::CGraphics& graphics)
{
    if (drawEnabledControl(graphics)) {
        drawPrimaryImage(graphics, m_defaultDrawing);
    }
}

void CControl::setPrimaryImage(Graphics::IImage* image)
{
    m_primaryImage = image;
}

void CControl::setDisabledImage(Graphics::IImage* image)
{
    m_disabledImage = image;
}

void CControl::setDefaultControlColours(const Basics::CAlphaColour& frame, const Basics::CAlphaColour& background)
{
    m_frameColour = frame;
    m_backgroundColour = background;
}

bool CControl::drawEnabledControl(Graphics::CGraphics& graphics)
{
    if (!m_enabled && m_disabledImage.hasPointer()) {
        graphics.drawImage(m_disabledImage.getPointer(), m_normalisedArea, m_disabledImage->getNormalisedImageSize());
    }
    return m_enabled;
}

bool CControl::drawPrimaryImage(Graphics::CGraphics& graphics)
{
    if (!m_primaryImage.hasPointer()) {
        return false;
    }
    graphics.drawImage(m_primaryImage.getPointer(), m_normalisedArea, m_primaryImage->getNormalisedImageSize());
    return true;
}

bool CControl::drawPrimaryImage(Graphics::CGraphics& graphics, bool drawDefault)
{
    if (drawPrimaryImage(graphics)) {
        return true;
    }
    if (drawDefault) {
        graphics.getMutableBrush().setColour(m_backgroundColour);
        graphics.getMutablePen().setColour(m_frameColour);
        graphics.drawFilledBorderedRectangle(m_normalisedArea);
    }
    return false;
}

void CControl::notifyActionListener()
{
    if (m_actionListener != nullptr) {
        const Events::CActionEvent event(this);
        m_actionListener->handleActionEvent(event);
    }
}

void CControl::notifyActionListener(const Events::CMouseEvent& mouseEvent)
{
    if (m_actionListener != nullptr) {
        const Events::CActionEvent event(this, mouseEvent);
        m_actionListener->handleActionEvent(event);
    }
}

void CControl::handleLeftButtonDown(Events::CMouseEvent& /*event*/) {}
void CControl::handleLeftButtonUp(Events::CMouseEvent& /*event*/) {}
void CControl::handleRightButtonDown(Events::CMouseEvent& /*event*/) {}
void CControl::handleRightButtonUp(Events::CMouseEvent& /*event*/) {}
void CControl::handleDoubleClick(Events::CMouseEvent& /*event*/) {}
void CControl::handleMouseScroll(Events::CMouseEvent& /*event*/) {}
void CControl::handleMouseMovement(Events::CMouseEvent& /*event*/) {}
void CControl::handleMouseLeavingArea(Events::CMouseEvent& /*event*/) {}
void CControl::handleMouseCaptureLost() {}

bool CControl::handleKeyDown(const Events::CKeyboardEvent& /*event*/)
{
    return false;
}

bool CControl::handleKeyUp(const Events::CKeyboardEvent& /*event*/)
{
    return false;
}

bool CControl::handleFileDrop(const Events::CDropEvent& /*event*/)
{
    return false;
}

}}}  // namespace Corvane::GUI::Controls
