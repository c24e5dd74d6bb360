#include "gui/windowing/CWindow.hpp"

#include "exceptions/CException.hpp"
#include "gui/controls/CControlRoot.hpp"
#include "gui/windowing/CScaleFactor.hpp"
#include "gui/windowing/CWindowAttributes.hpp"
#include "gui/windowing/CWindowSystem.hpp"
#include "gui/windowing/ITimedObject.hpp"
#include "gui/windowing/IWindowBackend.hpp"
#include "gui/windowing/IWindowConnection.hpp"

#include <algorithm>

namespace Corvane { namespace GUI { namespace Windowing {

using Corvane::MathTools::CDimension;
using Corvane::MathTools::CPoint;
using Corvane::MathTools::CRect;
using Events::CMouseEvent;

namespace {

// Owners form a short chain (an editor, its menu); a longer one can only be a loop.
const int kMostOwners = 64;

template <class T>
bool contains(const std::vector<T*>& list, const T* item)
{
    return std::find(list.begin(), list.end(), item) != list.end();
}

template <class T>
void erase(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

CVN_IMPLEMENT_CLASS(CWindow, "CCountedObject")

CWindow::CWindow(const CRect& area)
    : m_mouseListener(nullptr),
      m_dropFileListener(nullptr),
      m_keyboardListener(nullptr),
      m_windowChangeListener(this),
      m_focusListener(this),
      m_windowAttributes(new CWindowAttributes()),
      m_parentWindow(nullptr),
      m_windowSize(area.getWidth(), area.getHeight()),
      m_windowPosition(area.getLeft(), area.getTop()),
      m_mouseEvent(&m_mouse),
      m_windowCreated(false),
      m_windowOpen(false),
      m_controlRoot(nullptr),
      m_leftButtonPressed(false),
      m_pendingUpdateArea(0, 0, area.getWidth(), area.getHeight()),
      m_needsRedraw(true),
      m_windowRole(CWINDOW_ROLE_NORMAL),
      m_scaleFactor(CScaleFactor::CSCALEFACTOR_SMALLEST),
      m_cursor(nullptr),
      m_connection(nullptr),
      m_backend(nullptr)
{
    CVN_CONSTRUCT_CLASS;
    m_windowAttributes->referenced();
    setControlRoot(new Controls::CControlRoot(this));
}

CWindow::~CWindow()
{
    // The owned windows' platform windows go first: they live on this tree's connection.
    unregisterAllChildWindows();
    detachFromOwner();
    destroyPlatformWindow();
    if (m_controlRoot != nullptr) {
        m_controlRoot->dereference();
        m_controlRoot = nullptr;
    }
    m_windowAttributes->dereference();
    CVN_DESTRUCT_CLASS;
}

void CWindow::setControlRoot(Controls::CControlRoot* root)
{
    if (root == nullptr || root == m_controlRoot) {
        return;
    }
    root->referenced();
    Controls::CControlRoot* old = m_controlRoot;
    if (old == nullptr || m_mouseListener == old) {
        m_mouseListener = root;
    }
    if (old == nullptr || m_dropFileListener == old) {
        m_dropFileListener = root;
    }
    if (old == nullptr || m_keyboardListener == old) {
        m_keyboardListener = root;
    }
    m_controlRoot = root;
    if (old != nullptr) {
        old->dereference();
    }
}

// ---------------------------------------------------------------------------------------------------------------
// The window tree

CWindow* CWindow::getOwnerWindow() const
{
    return dynamic_cast<CWindow*>(m_parentWindow);
}

CWindow* CWindow::getTreeRoot()
{
    CWindow* root = this;
    for (int i = 0; i < kMostOwners; ++i) {
        CWindow* owner = root->getOwnerWindow();
        if (owner == nullptr) {
            break;
        }
        root = owner;
    }
    return root;
}

const CWindow* CWindow::getTreeRoot() const
{
    return const_cast<CWindow*>(this)->getTreeRoot();
}

void CWindow::setParentWindow(IWindow* parent)
{
    CWindow* owner = dynamic_cast<CWindow*>(parent);
    if (parent == this || (owner != nullptr && owner->getTreeRoot() == this)) {
        return;
    }
    if (parent == m_parentWindow) {
        return;
    }
    // Another owner may mean another connection: the platform window is made again on the new one when shown.
    destroyPlatformWindow();
    detachFromOwner();
    m_parentWindow = parent;
    if (owner != nullptr) {
        owner->m_childWindows.push_back(this);
    }
}

void CWindow::detachFromOwner()
{
    if (CWindow* owner = getOwnerWindow()) {
        erase(owner->m_childWindows, this);
    }
    m_parentWindow = nullptr;
}

void CWindow::registerChildWindow(CWindow* child)
{
    if (child != nullptr) {
        child->setParentWindow(this);
    }
}

void CWindow::unregisterChildWindow(CWindow* child)
{
    if (child == nullptr || !contains(m_childWindows, child)) {
        return;
    }
    child->destroyPlatformWindow();
    child->detachFromOwner();
}

void CWindow::unregisterAllChildWindows()
{
    while (!m_childWindows.empty()) {
        unregisterChildWindow(m_childWindows.back());
    }
}

// ---------------------------------------------------------------------------------------------------------------
// Life cycle

unsigned long CWindow::getWindowHandle() const
{
    return m_backend != nullptr ? m_backend->getWindowId() : 0;
}

void CWindow::initialiseWindow(CWindowAttributes* attributes, bool show)
{
    if (attributes == nullptr || m_windowCreated) {
        return;
    }
    *m_windowAttributes = *attributes;
    createWindow();
    if (m_windowCreated && show) {
        openWindow();
        updateWindow();
    }
}

void CWindow::createWindow()
{
    if (!realiseWindow()) {
        throw Corvane::Exceptions::CException("Failed to create window structure", "CWindow::createWindow()", true);
    }
    m_windowCreated = true;
    if (!m_windowAttributes->isEnabled()) {
        disableWindow();
    }
}

bool CWindow::realiseWindow()
{
    if (m_backend != nullptr) {
        return true;
    }
    IWindowConnection* connection = nullptr;
    if (getOwnerWindow() != nullptr) {
        connection = getTreeRoot()->m_connection;
    } else {
        connection = CWindowSystem::openConnection();
    }
    if (connection == nullptr) {
        return false;
    }
    connection->referenced();
    IWindowBackend* backend = connection->createWindow(*this);
    const CRect area = getPlatformArea();
    const bool made = m_windowRole == CWINDOW_ROLE_POPUP
                          ? backend->createPopup(area, m_windowAttributes->getWindowAlpha())
                          : backend->createTopLevel(area, *m_windowAttributes, m_windowRole);
    if (!made) {
        delete backend;
        connection->dereference();
        return false;
    }
    m_connection = connection;
    m_backend = backend;
    platformWindowMade();
    return true;
}

bool CWindow::createEmbeddedWindow(unsigned long parentWindow)
{
    if (m_backend != nullptr || parentWindow == 0) {
        return false;
    }
    IWindowConnection* connection = CWindowSystem::openConnection();
    if (connection == nullptr) {
        return false;
    }
    connection->referenced();
    IWindowBackend* backend = connection->createWindow(*this);
    if (!backend->createChild(parentWindow, getPlatformWindowSize())) {
        delete backend;
        connection->dereference();
        return false;
    }
    m_connection = connection;
    m_backend = backend;
    m_windowPosition.setPoint(0, 0);
    m_windowCreated = true;
    m_windowOpen = true;
    platformWindowMade();
    return true;
}

void CWindow::platformWindowMade()
{
    m_needsRedraw = true;
    m_pendingUpdateArea.setRect(0, 0, m_windowSize.getWidth(), m_windowSize.getHeight());
    const CClock::time_point now = CClock::now();
    for (STimer& timer : m_timers) {
        timer.due = now;
    }
    if (m_cursor != nullptr) {
        m_backend->setCursor(m_cursor->getShape());
    }
}

void CWindow::destroyPlatformWindow()
{
    const std::vector<CWindow*> children(m_childWindows);
    for (CWindow* child : children) {
        child->destroyPlatformWindow();
    }
    m_windowOpen = false;
    loseMouseCapture();
    if (m_backend != nullptr) {
        IWindowBackend* backend = m_backend;
        IWindowConnection* connection = m_connection;
        m_backend = nullptr;
        m_connection = nullptr;
        delete backend;
        // The last window of a tree closes its connection.
        connection->dereference();
    }
}

void CWindow::openWindow()
{
    if (!m_windowCreated || (m_backend == nullptr && !realiseWindow())) {
        return;
    }
    m_backend->show();
    m_windowOpen = true;
    enableWindow();
}

void CWindow::closeWindow()
{
    if (!m_windowCreated) {
        return;
    }
    closeOwnedWindows();
    loseMouseCapture();
    if (m_backend != nullptr) {
        m_backend->hide();
    }
    m_windowOpen = false;
    if (m_windowChangeListener != nullptr) {
        m_windowChangeListener->windowClosed(this);
    }
}

void CWindow::closeOwnedWindows()
{
    // A menu or about window is not left over a window that is gone.
    const std::vector<CWindow*> children(m_childWindows);
    for (CWindow* child : children) {
        if (contains(m_childWindows, child) && child->isWindowOpen()) {
            child->closeWindow();
        }
    }
}

void CWindow::destroyWindow()
{
    destroyPlatformWindow();
    m_windowCreated = false;
}

void CWindow::uninitialiseWindow()
{
    if (m_windowCreated) {
        clearTimedObjects();
        destroyWindow();
    }
}

void CWindow::updateWindow()
{
    if (m_windowCreated) {
        redrawWindow();
    }
}

void CWindow::disableWindow()
{
    m_windowAttributes->setEnabled(false);
}

void CWindow::enableWindow()
{
    m_windowAttributes->setEnabled(true);
}

// ---------------------------------------------------------------------------------------------------------------
// Drawing

void CWindow::draw(Graphics::CGraphics& graphics)
{
    m_controlRoot->drawRootControl(graphics);
}

void CWindow::redrawWindow(const CRect& area)
{
    if (!m_windowCreated || area.getWidth() <= 0 || area.getHeight() <= 0) {
        return;
    }
    if (m_needsRedraw) {
        m_pendingUpdateArea.unionWith(area);
    } else {
        m_pendingUpdateArea = area;
        m_needsRedraw = true;
    }
}

void CWindow::redrawWindow()
{
    if (m_windowCreated) {
        m_pendingUpdateArea.setRect(0, 0, m_windowSize.getWidth(), m_windowSize.getHeight());
        m_needsRedraw = true;
    }
}

void CWindow::paintTree()
{
    paintPendingArea();
    const std::vector<CWindow*> children(m_childWindows);
    for (CWindow* child : children) {
        if (contains(m_childWindows, child)) {
            child->paintTree();
        }
    }
}

void CWindow::paintPendingArea()
{
    if (m_backend == nullptr || !m_needsRedraw || !m_backend->isShown()) {
        return;
    }
    bool whole = false;
    const Graphics::CDeviceScale scale = getDeviceScale();
    if (!m_backend->beginPaint(m_graphics, m_windowSize, scale.getFactor(), whole)) {
        return;
    }
    CRect area(0, 0, m_windowSize.getWidth(), m_windowSize.getHeight());
    if (!whole) {
        CRect overlap;
        CRect::getIntersectionArea(area, m_pendingUpdateArea, overlap);
        area = overlap;
    }
    // Requests made while drawing wait for the next paint.
    m_needsRedraw = false;
    m_pendingUpdateArea.setRect(0, 0, 0, 0);
    if (area.getWidth() > 0 && area.getHeight() > 0) {
        m_graphics.setUpdateArea(area);
        m_graphics.setDrawingOffset(CPoint(0, 0));
        draw(m_graphics);
    }
    m_backend->endPaint(m_graphics, scale.toDevice(area));
}

// ---------------------------------------------------------------------------------------------------------------
// Geometry

double CWindow::getScaleFactor() const
{
    return getTreeRoot()->m_scaleFactor;
}

void CWindow::setScaleFactor(double factor)
{
    CWindow* root = getTreeRoot();
    const double chosen = CScaleFactor::clamp(factor);
    if (chosen == root->m_scaleFactor) {
        return;
    }
    // A menu or an about window placed for the old size is not left where it no longer belongs.
    root->closeOwnedWindows();
    root->loseMouseCapture();
    root->m_scaleFactor = chosen;
    root->rescaleTree();
}

void CWindow::rescaleTree()
{
    if (m_backend != nullptr) {
        m_backend->moveAndResize(getPlatformArea());
        redrawWindow();
    }
    const std::vector<CWindow*> children(m_childWindows);
    for (CWindow* child : children) {
        child->rescaleTree();
    }
}

double CWindow::getDesktopScaleFactor() const
{
    const CWindow* root = getTreeRoot();
    return root->m_connection != nullptr ? root->m_connection->getDesktopScaleFactor()
                                         : CScaleFactor::CSCALEFACTOR_SMALLEST;
}

CDimension CWindow::getPlatformWindowSize() const
{
    return getDeviceScale().toDevice(m_windowSize);
}

CRect CWindow::getPlatformArea() const
{
    return CRect(m_windowPosition, getPlatformWindowSize());
}

void CWindow::setWindowPosition(const CPoint& position)
{
    setWindowPositionAndSize(CRect(position, m_windowSize));
}

CPoint CWindow::getWindowPosition() const
{
    CPoint position;
    if (m_backend != nullptr && m_backend->getScreenPosition(position)) {
        return position;
    }
    return m_windowPosition;
}

void CWindow::setWindowSize(const CDimension& size)
{
    setWindowPositionAndSize(CRect(m_windowPosition, size));
}

void CWindow::setWindowPositionAndSize(const CRect& area)
{
    m_windowPosition = area.getOrigin();
    m_windowSize = area.getDimension();
    if (m_backend != nullptr) {
        m_backend->moveAndResize(getPlatformArea());
        redrawWindow();
    }
    if (m_windowCreated && m_windowChangeListener != nullptr) {
        m_windowChangeListener->windowMoved(this);
        m_windowChangeListener->windowSized(this);
    }
}

CRect CWindow::getWindowPositionAndSize() const
{
    return CRect(m_windowPosition, m_windowSize);
}

void CWindow::setWindowAlpha(double alpha)
{
    if (!m_windowCreated) {
        return;
    }
    m_windowAttributes->setWindowAlpha(alpha);
    if (m_backend != nullptr) {
        m_backend->setOpacity(alpha);
    }
}

void CWindow::setCursor(const CCursor* cursor)
{
    m_cursor = cursor;
    if (m_backend != nullptr) {
        m_backend->setCursor(cursor != nullptr ? cursor->getShape() : CCursor::CCURSOR_SHAPE_ARROW);
    }
}

CDimension CWindow::getScreenSize() const
{
    return m_connection != nullptr ? m_connection->getScreenSize() : CDimension(0, 0);
}

void CWindow::giveFocus()
{
    if (m_backend != nullptr) {
        m_backend->requestFocus();
    }
}

bool CWindow::grabPointer()
{
    return m_backend != nullptr && m_backend->grabPointer();
}

// ---------------------------------------------------------------------------------------------------------------
// Timers

void CWindow::handleTimerEvent(long id)
{
    // A timed object may remove others, or itself, and the window may be let go of.
    const bool held = getReferenceCount() > 0;
    if (held) {
        referenced();
    }
    const std::vector<ITimedObject*> objects(m_timedObjects);
    for (ITimedObject* object : objects) {
        if (contains(m_timedObjects, object) && object->getTimerId() == id) {
            object->timerExpired();
        }
    }
    if (held) {
        dereference();
    }
}

void CWindow::startTimer(long id, long milliseconds)
{
    const long interval = std::max(0L, milliseconds);
    const auto timer =
        std::find_if(m_timers.begin(), m_timers.end(), [id](const STimer& candidate) { return candidate.id == id; });
    if (timer != m_timers.end()) {
        timer->milliseconds = interval;
        timer->due = CClock::now();
    } else {
        m_timers.push_back(STimer{id, interval, CClock::now()});
    }
}

void CWindow::stopTimer(long id)
{
    m_timers.erase(
        std::remove_if(m_timers.begin(), m_timers.end(), [id](const STimer& timer) { return timer.id == id; }),
        m_timers.end());
}

bool CWindow::isTimerRunning(long id) const
{
    return std::any_of(m_timers.begin(), m_timers.end(), [id](const STimer& timer) { return timer.id == id; });
}

void CWindow::addTimedObject(ITimedObject* object)
{
    if (object != nullptr && !contains(m_timedObjects, object)) {
        m_timedObjects.push_back(object);
    }
}

void CWindow::removeTimedObject(ITimedObject* object)
{
    erase(m_timedObjects, object);
}

void CWindow::clearTimedObjects()
{
    m_timedObjects.clear();
}

// ---------------------------------------------------------------------------------------------------------------
// The pump

long CWindow::pump()
{
    CWindow* root = getTreeRoot();
    if (root->m_connection == nullptr) {
        return 0;
    }
    // A handler may let go of the tree's root: a held root lives until the pump is over.
    const bool held = root->getReferenceCount() > 0;
    if (held) {
        root->referenced();
    }
    // Timers (re)started from here on are due after this moment: they wait for the next pump.
    const CClock::time_point start = CClock::now();
    IWindowConnection* const connection = root->m_connection;
    connection->referenced();
    const long read = connection->pump();
    root->fireTimerTree(start);
    root->paintTree();
    connection->flush();
    connection->dereference();
    if (held) {
        root->dereference();
    }
    return read;
}

bool CWindow::waitForEvents(long maxMilliseconds)
{
    const CWindow* root = getTreeRoot();
    if (root->m_connection == nullptr) {
        return false;
    }
    long timeout = std::max(0L, maxMilliseconds);
    const long timer = root->getMillisecondsToNextTimer(CClock::now());
    if (timer >= 0) {
        timeout = std::min(timeout, timer);
    }
    return root->m_connection->waitForEvents(timeout);
}

int CWindow::getConnectionFileDescriptor()
{
    const CWindow* root = getTreeRoot();
    return root->m_connection != nullptr ? root->m_connection->getFileDescriptor() : -1;
}

void CWindow::fireTimerTree(CClock::time_point now)
{
    // A timed object may let go of the window: a held window lives until its timers are done.
    const bool held = getReferenceCount() > 0;
    if (held) {
        referenced();
    }
    if (m_backend != nullptr) {
        std::vector<long> due;
        for (const STimer& timer : m_timers) {
            if (timer.due <= now) {
                due.push_back(timer.id);
            }
        }
        // Timed objects may stop, start or restart any timer: each is looked up again before it fires.
        for (long id : due) {
            const auto timer = std::find_if(m_timers.begin(), m_timers.end(),
                                            [id](const STimer& candidate) { return candidate.id == id; });
            if (m_backend == nullptr) {
                break;
            }
            if (timer == m_timers.end() || timer->due > now) {
                continue;
            }
            timer->due += std::chrono::milliseconds(timer->milliseconds);
            if (timer->due <= now) {
                timer->due = now + std::chrono::milliseconds(timer->milliseconds);
            }
            handleTimerEvent(id);
        }
    }
    const std::vector<CWindow*> children(m_childWindows);
    for (CWindow* child : children) {
        if (contains(m_childWindows, child)) {
            child->fireTimerTree(now);
        }
    }
    if (held) {
        dereference();
    }
}

long CWindow::getMillisecondsToNextTimer(CClock::time_point now) const
{
    long next = -1;
    if (m_backend != nullptr) {
        for (const STimer& timer : m_timers) {
            const long wait =
                std::max(0L, static_cast<long>(std::chrono::ceil<std::chrono::milliseconds>(timer.due - now).count()));
            next = next < 0 ? wait : std::min(next, wait);
        }
    }
    for (const CWindow* child : m_childWindows) {
        const long wait = child->getMillisecondsToNextTimer(now);
        if (wait >= 0) {
            next = next < 0 ? wait : std::min(next, wait);
        }
    }
    return next;
}

// ---------------------------------------------------------------------------------------------------------------
// Events

void CWindow::handlePlatformInput(const SWindowInput& input)
{
    const Graphics::CDeviceScale scale = getDeviceScale();
    if (scale.isIdentity()) {
        handleWindowInput(input);
        return;
    }
    SWindowInput own(input);
    own.x = scale.toLogical(input.x);
    own.y = scale.toLogical(input.y);
    if (input.kind == e_inputExpose) {
        const CRect area = scale.toLogical(CRect(input.areaLeft, input.areaTop, input.areaWidth, input.areaHeight));
        own.areaLeft = area.getLeft();
        own.areaTop = area.getTop();
        own.areaWidth = area.getWidth();
        own.areaHeight = area.getHeight();
    } else if (input.kind == e_inputConfigured) {
        // The position is the screen's; the size is the window's.
        const CDimension size = scale.toLogical(CDimension(input.areaWidth, input.areaHeight));
        own.areaWidth = size.getWidth();
        own.areaHeight = size.getHeight();
    }
    handleWindowInput(own);
}

void CWindow::handleWindowInput(const SWindowInput& input)
{
    // The release went elsewhere (a window hidden in the middle of a drag, another client's grab).
    if (m_leftButtonPressed && input.endsLeftPress()) {
        loseMouseCapture();
    }
    switch (input.kind) {
    case e_inputButtonDown:
    case e_inputButtonUp:
    case e_inputDoubleClick:
    case e_inputMotion:
    case e_inputWheel:
    case e_inputLeave:
        handleMouseInput(input);
        break;
    case e_inputKeyDown:
    case e_inputKeyUp:
        handleKeyInput(input);
        break;
    case e_inputFocusIn:
        redrawWindow();
        if (m_focusListener != nullptr) {
            m_focusListener->gainedFocus(this);
        }
        break;
    case e_inputFocusOut:
        if (m_focusListener != nullptr) {
            m_focusListener->lostFocus(this);
        }
        break;
    case e_inputExpose:
        redrawWindow(CRect(input.areaLeft, input.areaTop, input.areaWidth, input.areaHeight));
        break;
    case e_inputShown:
        if (m_windowChangeListener != nullptr) {
            m_windowChangeListener->windowOpened(this);
        }
        break;
    case e_inputConfigured:
        // The window manager resized the window; its position is asked for when needed.
        if (input.areaWidth != m_windowSize.getWidth() || input.areaHeight != m_windowSize.getHeight()) {
            m_windowSize.setDimension(input.areaWidth, input.areaHeight);
            redrawWindow();
            if (m_windowChangeListener != nullptr) {
                m_windowChangeListener->windowSized(this);
            }
        }
        break;
    case e_inputCloseRequested:
        closeWindow();
        break;
    case e_inputDestroyed:
        // Destroyed from outside (with the host's window): nothing shows any more.
        m_windowOpen = false;
        closeOwnedWindows();
        break;
    default:
        break;
    }
}

void CWindow::loseMouseCapture()
{
    m_leftButtonPressed = false;
    m_controlRoot->releaseMouseCapture();
}

void CWindow::handleMouseInput(const SWindowInput& input)
{
    if (m_mouseListener == nullptr || !m_windowAttributes->isEnabled()) {
        return;
    }
    m_mouse.setPosition(CPoint(input.x, input.y));
    m_mouseEvent.setModifiers(input.ctrl, input.shift, input.alt);
    m_mouseEvent.setWheelMovement(0.0);
    const bool left = input.button == e_leftButton;
    switch (input.kind) {
    case e_inputDoubleClick:
        m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_DOUBLE_CLICK);
        m_mouseListener->handleDoubleClick(m_mouseEvent);
        break;
    case e_inputButtonDown:
        // Alt-click is the right click, for one-button mice.
        if (input.button == e_rightButton || (left && input.alt)) {
            m_leftButtonPressed = false;
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_RIGHT_BUTTON_DOWN);
            m_mouseListener->handleRightButtonDown(m_mouseEvent);
        } else if (left) {
            m_leftButtonPressed = true;
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_LEFT_BUTTON_DOWN);
            m_mouseListener->handleLeftButtonDown(m_mouseEvent);
        }
        break;
    case e_inputButtonUp:
        if (left || m_leftButtonPressed) {
            m_leftButtonPressed = false;
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_LEFT_BUTTON_UP);
            m_mouseListener->handleLeftButtonUp(m_mouseEvent);
        } else if (input.button == e_rightButton) {
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_RIGHT_BUTTON_UP);
            m_mouseListener->handleRightButtonUp(m_mouseEvent);
        }
        break;
    case e_inputMotion: {
        // A drag goes on outside the window; a plain move outside is the pointer leaving.
        const bool inside =
            input.x >= 0 && input.y >= 0 && input.x < m_windowSize.getWidth() && input.y < m_windowSize.getHeight();
        if (inside || input.leftButtonHeld) {
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_MOVEMENT);
            m_mouseListener->handleMouseMovement(m_mouseEvent);
        } else {
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_LEAVING_AREA);
            m_mouseListener->handleMouseLeavingArea(m_mouseEvent);
        }
        break;
    }
    case e_inputLeave:
        if (!m_leftButtonPressed) {
            m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_LEAVING_AREA);
            m_mouseListener->handleMouseLeavingArea(m_mouseEvent);
        }
        break;
    case e_inputWheel:
        m_mouseEvent.setWheelMovement(static_cast<double>(input.wheel));
        m_mouseEvent.setEventType(CMouseEvent::CMOUSEEVENT_SCROLL);
        m_mouseListener->handleMouseScroll(m_mouseEvent);
        break;
    default:
        break;
    }
}

void CWindow::handleKeyInput(const SWindowInput& input)
{
    if (m_keyboardListener == nullptr || !m_windowAttributes->isEnabled()) {
        return;
    }
    m_keyboardEvent.setKey(static_cast<char>(input.keyCharacter));
    m_keyboardEvent.setModifiers(input.ctrl, input.shift, input.alt, input.virtualKey);
    if (input.kind == e_inputKeyDown) {
        m_keyboardListener->handleKeyDown(m_keyboardEvent);
    } else {
        m_keyboardListener->handleKeyUp(m_keyboardEvent);
    }
}

// ---------------------------------------------------------------------------------------------------------------
// The window's own listeners do nothing; windows that care override them.

void CWindow::gainedFocus(IWindow*) {}

void CWindow::lostFocus(IWindow*) {}

void CWindow::windowSized(IWindow*) {}

void CWindow::windowMoved(IWindow*) {}

void CWindow::windowClosed(IWindow*) {}

void CWindow::windowOpened(IWindow*) {}

void CWindow::windowMinimised(IWindow*) {}

void CWindow::windowMaximised(IWindow*) {}

}}}  // namespace Corvane::GUI::Windowing
