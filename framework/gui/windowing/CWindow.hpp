#pragma once

#include "basics/CCountedObject.hpp"
#include "gui/events/CKeyboardEvent.hpp"
#include "gui/events/CMouseEvent.hpp"
#include "gui/graphics/CDeviceScale.hpp"
#include "gui/graphics/CGraphics.hpp"
#include "gui/listeners/IFocusListener.hpp"
#include "gui/listeners/IWindowChangeListener.hpp"
#include "gui/windowing/CMouse.hpp"
#include "gui/windowing/IWindow.hpp"
#include "gui/windowing/IWindowInputListener.hpp"
#include "gui/windowing/SWindowInput.hpp"

#include <chrono>
#include <vector>

namespace Corvane { namespace GUI { namespace Controls {
class CControlRoot;
}}}  // namespace Corvane::GUI::Controls

namespace Corvane { namespace GUI { namespace Listeners {
class IDropFileListener;
class IKeyboardListener;
class IMouseListener;
}}}  // namespace Corvane::GUI::Listeners

namespace Corvane { namespace GUI { namespace Windowing {

class ITimedObject;
class IWindowBackend;
class IWindowConnection;

/**
 * The framework's window: a control root, its attributes, timers, and the
 * platform window it turns into framework events (mouse to the mouse
 * listener, keys to the keyboard listener, focus to the focus listener,
 * opening and closing to the window change listener; by default the root
 * takes the input and the window itself listens to the rest).
 *
 * A window tree is a window without an owner (a top-level framework window,
 * or a plug-in editor inside a host's window) together with the windows it
 * owns (setParentWindow / registerChildWindow): an about window, a pop-up
 * menu. The tree's root opens its connection to the window system when its
 * platform window is made, never before, and the windows it owns are made on
 * that same connection (CWindowSystem opens it; the platform's backend makes
 * the platform windows on it). Nothing runs by itself: pump() reads the tree's
 * pending events, fires its due timers and paints what was asked for, and
 * returns at once; a plug-in editor calls it from its idle, a tool in a loop
 * with waitForEvents between, a host with a loop of its own when the
 * connection's file descriptor becomes readable.
 *
 * Threads: a window tree belongs to the thread that pumps it. Every call on
 * its windows, their controls and their timers comes from that thread; other
 * threads hand values over through atomics that this thread reads when it
 * pumps (as a plug-in editor's idle does).
 *
 * States: constructed (no platform window), created (initialiseWindow, or
 * createEmbeddedWindow), shown (openWindow), hidden (closeWindow), and back
 * to not created (destroyWindow, uninitialiseWindow). A created window may
 * make its platform window later, when it is first shown (about and menu
 * windows do: they are built before their owner has a connection).
 *
 * Destroying a window's platform window (destroyWindow, or the window
 * object) first destroys the platform windows of the windows it owns: no
 * window and no pointer grab outlives the tree's connection. They stay
 * owned, and are made again on the owner's next connection when shown.
 *
 * Scale: a window tree is drawn at one scale factor (setScaleFactor, 1 by
 * default), for screens with more pixels to the inch. A window's size, its
 * controls, its update areas and every event it hands on are in its own
 * (logical) pixels whatever the factor; its platform window has the size
 * scaled (round(w f) x round(h f)) and everything is drawn for those pixels.
 * Pointer positions and exposed areas are mapped to the window's pixels as
 * they arrive (CDeviceScale), painted areas back to the screen's. Positions
 * on the screen (getWindowPosition, setWindowPosition, getScreenSize) are in
 * the screen's pixels.
 *
 * @code
 * // A plug-in editor's window inside the host's window (effEditOpen):
 * editor.createEmbeddedWindow(hostWindowId);   // its own connection
 * editor.startTimer(-5000, 25);
 * // effEditIdle:
 * editor.pump();                                // events, timers, painting
 * // effEditClose:
 * editor.destroyWindow();                       // its windows, its menus', its connection
 * @endcode
 */
class CWindow : public IWindow,
                public Listeners::IWindowChangeListener,
                public Listeners::IFocusListener,
                public Corvane::Basics::CCountedObject,
                private IWindowInputListener {
public:
    /** How the platform shows a top-level window the framework makes. */
    enum EWindowRole : long {
        CWINDOW_ROLE_NORMAL = 0,
        /** A message window, kept above others. */
        CWINDOW_ROLE_DIALOG,
        /** Borderless, kept above others: the about window. */
        CWINDOW_ROLE_SPLASH,
        /** No window manager involved, may grab the pointer: menus. */
        CWINDOW_ROLE_POPUP
    };

    /** Area: position on the screen and size of the content (its own pixels). No platform window yet, and no connection. */
    explicit CWindow(const Corvane::MathTools::CRect& area);
    ~CWindow() override;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    /**
     * Makes this window owned by parent (when parent is a CWindow): it uses
     * the parent's tree and connection, and its platform window goes when the
     * parent's does. Null, or a parent that is not a CWindow, leaves it a tree
     * of its own. A window shown is hidden and its platform window destroyed
     * when its owner changes.
     */
    void setParentWindow(IWindow* parent) override;
    IWindow* getParentWindow() const override { return m_parentWindow; }
    /** child->setParentWindow(this). */
    virtual void registerChildWindow(CWindow* child);
    /** Destroys the child's platform window and makes it a tree of its own. */
    virtual void unregisterChildWindow(CWindow* child);
    virtual void unregisterAllChildWindows();
    long getNumberOfChildWindows() const { return static_cast<long>(m_childWindows.size()); }

    /** The platform's id of the window (an X window id); 0 while it has none. */
    unsigned long getWindowHandle() const;
    CWindowAttributes* getWindowAttributes() override { return m_windowAttributes; }

    /**
     * Only for a window not created yet and given attributes: copies them,
     * creates the window (createWindow) and, with show, opens and paints it.
     * Otherwise changes nothing.
     */
    virtual void initialiseWindow(CWindowAttributes* attributes, bool show);
    /** A created window: forgets its timed objects and destroys its window. */
    virtual void uninitialiseWindow();
    /** Shows a created window, making its platform window first if needed, and enables it. */
    virtual void openWindow();
    /** Hides a created window and tells the window change listener windowClosed. */
    virtual void closeWindow();
    /** Destroys the platform windows of this window and of the windows it owns; the window is no longer created. */
    virtual void destroyWindow();
    virtual void updateWindow();
    /** A disabled window ignores the mouse and the keyboard. */
    virtual void disableWindow();
    virtual void enableWindow();
    bool isWindowCreated() const { return m_windowCreated; }
    bool hasPlatformWindow() const { return m_backend != nullptr; }
    /** Opened and not closed since, with its platform window. */
    bool isWindowOpen() const { return m_windowOpen && m_backend != nullptr; }

    /** Paints the control root into graphics, whose update area is what to paint. */
    virtual void draw(Graphics::CGraphics& graphics);
    /** Ignored while the window is not created; otherwise merged into the pending update area. */
    void redrawWindow(const Corvane::MathTools::CRect& area) override;
    void redrawWindow() override;
    bool needsRedraw() const { return m_needsRedraw; }
    const Corvane::MathTools::CRect& getPendingUpdateArea() const { return m_pendingUpdateArea; }

    /**
     * The factor of the window tree this window belongs to (its root's): the
     * screen's pixels per pixel of the window's own, 1 to 3.
     */
    double getScaleFactor() const override;
    /**
     * Sets the factor of the tree this window belongs to, held within 1 .. 3
     * (CScaleFactor). The windows the tree's root owns are closed if they
     * show (a menu, the about window), a press in progress ends, and every
     * platform window of the tree takes its new size at once and is painted
     * again whole at the next pump.
     */
    void setScaleFactor(double factor);
    /** The factor the desktop asks for, as the tree's connection reads it; 1 while the tree has none. */
    double getDesktopScaleFactor() const;
    /** The size of the platform window: the window's size at the tree's factor. */
    Corvane::MathTools::CDimension getPlatformWindowSize() const;

    /** Screen position (the screen's pixels); moves the platform window too. */
    virtual void setWindowPosition(const Corvane::MathTools::CPoint& position);
    /** The top-left corner of the content on the screen, asked of the window system while the window exists. */
    Corvane::MathTools::CPoint getWindowPosition() const override;
    virtual void setWindowSize(const Corvane::MathTools::CDimension& size);
    Corvane::MathTools::CDimension getWindowSize() const override { return m_windowSize; }
    /**
     * Stores the area (position on the screen, size in the window's own
     * pixels); a created window is moved and sized and tells windowMoved and
     * windowSized.
     */
    virtual void setWindowPositionAndSize(const Corvane::MathTools::CRect& area);
    Corvane::MathTools::CRect getWindowPositionAndSize() const;
    /** 0 .. 1, kept in the attributes; shown where the window system honours it. */
    virtual void setWindowAlpha(double alpha);
    void setCursor(const CCursor* cursor) override;

    /** Calls timerExpired on every timed object whose id is id, in the order they were added. */
    virtual void handleTimerEvent(long id);
    /**
     * Starts (or restarts) timer id: it fires at the next pump, then every
     * milliseconds; firings missed between pumps are not caught up, and a
     * timer (re)started while a pump runs waits for the next one. Timers fire
     * only inside pump(): nothing runs between pumps. A timer started before
     * the platform window exists runs once it does; destroying the platform
     * window stops it until then.
     */
    virtual void startTimer(long id, long milliseconds);
    virtual void stopTimer(long id);
    bool isTimerRunning(long id) const;
    /** Not owned; added once. */
    virtual void addTimedObject(ITimedObject* object);
    virtual void removeTimedObject(ITimedObject* object);
    virtual void clearTimedObjects();

    virtual void registerFocusListener(Listeners::IFocusListener* listener) { m_focusListener = listener; }
    virtual void registerWindowChangeListener(Listeners::IWindowChangeListener* listener)
    {
        m_windowChangeListener = listener;
    }
    virtual void registerMouseListener(Listeners::IMouseListener* listener) { m_mouseListener = listener; }
    virtual void registerDropFileListener(Listeners::IDropFileListener* listener) { m_dropFileListener = listener; }
    virtual void registerKeyboardListener(Listeners::IKeyboardListener* listener) { m_keyboardListener = listener; }
    bool isMouseEnabled() const { return m_mouseListener != nullptr; }
    bool isKeyboardEnabled() const { return m_keyboardListener != nullptr; }
    bool isDropFileEnabled() const { return m_dropFileListener != nullptr; }
    CMouse& getMouse() { return m_mouse; }
    Controls::CControlRoot* getControlRoot() const { return m_controlRoot; }

    void gainedFocus(IWindow* window) override;
    void lostFocus(IWindow* window) override;
    void windowSized(IWindow* window) override;
    void windowMoved(IWindow* window) override;
    void windowClosed(IWindow* window) override;
    void windowOpened(IWindow* window) override;
    void windowMinimised(IWindow* window) override;
    void windowMaximised(IWindow* window) override;

    /**
     * Serves the whole tree this window belongs to, without waiting: reads
     * and dispatches the pending events, fires the due timers, then paints
     * each window's pending update area once. Answers the events read; 0
     * while the tree has no connection.
     */
    long pump();
    /** For loops with nothing else to do: waits until the tree has an event or a due timer, at most that long. */
    bool waitForEvents(long maxMilliseconds);
    /** The tree's connection's descriptor, readable when events arrive; -1 while the tree has no connection. */
    int getConnectionFileDescriptor();

    /**
     * Makes this window the child of a foreign window (the host's window id),
     * at the top left of it and of this window's size, on a display
     * connection of its own, and shown: the plug-in editor's window. False,
     * with nothing made, when there is no display, the parent is 0 or gone,
     * or the window has its platform window already.
     */
    bool createEmbeddedWindow(unsigned long parentWindow);

    CVN_DECLARE_CLASS

protected:
    /**
     * Marks the window created and makes its platform window at once, on its
     * owner's connection or on a connection of its own. Throws CException
     * "Failed to create window structure" when it cannot.
     */
    virtual void createWindow();
    /** Makes the platform window now; false when there is no connection to make it on. */
    bool realiseWindow();
    void setWindowCreated(bool created) { m_windowCreated = created; }
    /** Takes ownership of root; the window's listeners that were the old root become the new one. */
    void setControlRoot(Controls::CControlRoot* root);
    /** Set before the platform window is made. */
    void setWindowRole(EWindowRole role) { m_windowRole = role; }
    EWindowRole getWindowRole() const { return m_windowRole; }
    /** Keyboard focus to the window, now or as soon as it is on the screen. */
    void giveFocus();
    /** Pop-ups: every pointer event comes to this window until it is hidden; false when another client holds it. */
    bool grabPointer();
    /** The size of the screen the window is on, in its pixels; 0 x 0 without a platform window. */
    Corvane::MathTools::CDimension getScreenSize() const;
    /**
     * One event of the platform window, in the window's own pixels. Mouse events of an enabled window go
     * to the mouse listener (button 1 with alt, and button 3, are the right
     * button; a double click replaces the second button-down); keys to the
     * keyboard listener; focus to the focus listener; exposures into the
     * pending update area; the window manager's close to closeWindow.
     *
     * A left press whose release will not come here ends as soon as that is
     * known: when the window is closed, hidden or destroyed, when a pointer
     * event shows the button up, and when a grab takes the pointer. The
     * control root lets go of the control that took the mouse
     * (CControlRoot::releaseMouseCapture), which ends its drag or press.
     */
    virtual void handleWindowInput(const SWindowInput& input);
    Graphics::CGraphics& getGraphics() { return m_graphics; }
    /** How the window's pixels lie on the screen's, at the tree's factor. */
    Graphics::CDeviceScale getDeviceScale() const { return Graphics::CDeviceScale(getScaleFactor()); }

private:
    typedef std::chrono::steady_clock CClock;

    struct STimer {
        long id;
        long milliseconds;
        CClock::time_point due;
    };

    /** Maps the input to the window's own pixels and hands it to handleWindowInput. */
    void handlePlatformInput(const SWindowInput& input) override;
    CWindow* getOwnerWindow() const;
    CWindow* getTreeRoot();
    const CWindow* getTreeRoot() const;
    /** The platform window's area: the position on the screen, the size scaled. */
    Corvane::MathTools::CRect getPlatformArea() const;
    /** Gives every platform window of the tree from here down its size at the tree's factor. */
    void rescaleTree();
    void detachFromOwner();
    void platformWindowMade();
    void destroyPlatformWindow();
    void closeOwnedWindows();
    void paintTree();
    void paintPendingArea();
    /** Fires the due timers of this window and of the windows it owns, as of the pump's start. */
    void fireTimerTree(CClock::time_point now);
    /** Until the next timer of the tree is due, as of now; -1 without one. */
    long getMillisecondsToNextTimer(CClock::time_point now) const;
    void loseMouseCapture();
    void handleMouseInput(const SWindowInput& input);
    void handleKeyInput(const SWindowInput& input);

    Listeners::IMouseListener* m_mouseListener;
    Listeners::IDropFileListener* m_dropFileListener;
    Listeners::IKeyboardListener* m_keyboardListener;
    Listeners::IWindowChangeListener* m_windowChangeListener;
    Listeners::IFocusListener* m_focusListener;
    CWindowAttributes* m_windowAttributes;
    IWindow* m_parentWindow;
    std::vector<CWindow*> m_childWindows;
    Corvane::MathTools::CDimension m_windowSize;
    Corvane::MathTools::CPoint m_windowPosition;
    CMouse m_mouse;
    Graphics::CGraphics m_graphics;
    Events::CMouseEvent m_mouseEvent;
    Events::CKeyboardEvent m_keyboardEvent;
    bool m_windowCreated;
    bool m_windowOpen;
    std::vector<ITimedObject*> m_timedObjects;
    Controls::CControlRoot* m_controlRoot;
    bool m_leftButtonPressed;
    std::vector<STimer> m_timers;
    Corvane::MathTools::CRect m_pendingUpdateArea;
    bool m_needsRedraw;
    EWindowRole m_windowRole;
    /** Used where this window is a tree's root; owned windows follow their root's. */
    double m_scaleFactor;
    const CCursor* m_cursor;
    IWindowConnection* m_connection;
    IWindowBackend* m_backend;
};

}}}  // namespace Corvane::GUI::Windowing
