// The X connection of one window tree: its windows' event handlers, atoms,
// cursors and the pump that serves them without blocking.
#pragma once

#include "basics/CCountedObject.hpp"
#include "gui/windowing/IWindowConnection.hpp"
#include "gui/windowing/x11/CX11InputTranslator.hpp"
#include "gui/windowing/x11/IX11EventHandler.hpp"
#include "gui/windowing/x11/SX11Atoms.hpp"

#include <X11/Xlib.h>

#include <unordered_map>

namespace Corvane { namespace GUI { namespace Windowing {

enum EX11Cursor {
    e_arrowCursor = 0,
    e_handCursor,
    e_numberOfX11Cursors
};

/**
 * One connection to an X server, opened for a window tree (a plug-in editor,
 * or a top-level framework window) and shared by the windows that tree opens.
 * Nothing is shared between two connections: handlers and the double-click
 * state belong to the one display object.
 *
 * A counted object: whoever keeps the display references it, and so do the
 * windows and back buffers made on it; the connection closes when the last
 * holder lets go. The screen size is reported to CDisplayInformation while a
 * display is open. X errors of requests that may fail for good reasons are
 * kept from the process's error handler (CX11ErrorTrap) from the opening on.
 *
 * pump() is the only place events are read: it never waits for the server.
 */
class CX11Display : public Corvane::Basics::CCountedObject, public IWindowConnection {
public:
    /** The most events one pump reads; the rest wait for the next pump. */
    static constexpr long CX11DISPLAY_EVENTS_PER_PUMP = 4096;

    /**
     * Connects to the named display, or to $DISPLAY when name is null.
     * Answers null, without trying, when no display is named, and null when
     * the connection fails. The new display is not yet referenced.
     */
    static CX11Display* openDisplay(const char* name = nullptr);

    ~CX11Display() override;
    CX11Display(const CX11Display&) = delete;
    CX11Display& operator=(const CX11Display&) = delete;

    Display* getDisplay() const { return m_display; }
    int getScreen() const { return m_screen; }
    Window getRootWindow() const;
    Visual* getVisual() const;
    int getDepth() const;
    Colormap getColormap() const;
    long getScreenWidth() const { return m_screenWidth; }
    long getScreenHeight() const { return m_screenHeight; }
    const SX11Atoms& getAtoms() const { return m_atoms; }
    CX11InputTranslator& getInputTranslator() { return m_translator; }
    /** The pointer shape, made from the X cursor font on first use. */
    Cursor getCursor(EX11Cursor cursor);

    /** Events of window go to handler from now on; a null handler unregisters. */
    void registerWindow(Window window, IX11EventHandler* handler);
    /** Events of window still queued are dropped. */
    void unregisterWindow(Window window);
    bool isRegistered(Window window) const;

    /** A CX11WindowBackend on this display. */
    IWindowBackend* createWindow(IWindowInputListener& listener) override;
    /**
     * Sends the requests made so far, then reads every pending event without
     * waiting and hands each to the handler of its window (events of unknown
     * windows are dropped). Handlers may open, close and destroy windows, and
     * may pump again (a modal loop). Answers the number of events read.
     */
    long pump() override;
    /**
     * For loops that have nothing else to do (tools, modal windows, tests):
     * waits until an event can be read, at most maxMilliseconds. A plug-in
     * editor never waits: it only pumps.
     */
    bool waitForEvents(long maxMilliseconds) override;
    void flush() override;
    int getFileDescriptor() const override;
    Corvane::MathTools::CDimension getScreenSize() const override;
    /**
     * Xft.dpi from the display's resource database as the connection found
     * it (what desktops that scale set) over 96, else $GDK_SCALE, as the
     * nearest step (CScaleFactor); 1 when neither says anything.
     */
    double getDesktopScaleFactor() const override;

    CVN_DECLARE_CLASS

private:
    explicit CX11Display(Display* display);
    static SX11Atoms internAtoms(Display* display);
    void dispatch(XEvent& event);

    Display* m_display;
    int m_screen;
    long m_screenWidth;
    long m_screenHeight;
    SX11Atoms m_atoms;
    CX11InputTranslator m_translator;
    Cursor m_cursors[e_numberOfX11Cursors];
    std::unordered_map<Window, IX11EventHandler*> m_handlers;
    /** The serial of the next request when the requests were last sent. */
    unsigned long m_sentBefore;
};

}}}  // namespace Corvane::GUI::Windowing
