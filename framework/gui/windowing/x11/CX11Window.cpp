#include "gui/windowing/x11/CX11Window.hpp"

#include "gui/windowing/x11/CX11ErrorTrap.hpp"
#include "host/CApplication.hpp"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

const long kEventMask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                        LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask;
const unsigned int kGrabMask =
    ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;

// The Motif hints record: flags, functions, decorations, input mode, status.
const long kMotifDecorationsFlag = 1L << 1;
const int kMotifHintsLength = 5;

}  // namespace

CX11Window::CX11Window(CX11Display& display, IX11EventHandler* handler)
    : m_display(display),
      m_handler(handler),
      m_window(0),
      m_x(0),
      m_y(0),
      m_width(1),
      m_height(1),
      m_topLevel(false),
      m_resizable(false),
      m_mapped(false),
      m_grabbed(false),
      m_keptAbove(false),
      m_foreignParent(false)
{
    m_display.referenced();
}

CX11Window::~CX11Window()
{
    destroy();
    m_display.dereference();
}

bool CX11Window::create(Window parent, int x, int y, int width, int height, bool overrideRedirect)
{
    destroy();
    m_x = x;
    m_y = y;
    m_width = std::max(1, width);
    m_height = std::max(1, height);
    XSetWindowAttributes attributes;
    std::memset(&attributes, 0, sizeof(attributes));
    // No background: the window's own painting covers every exposure, without a flash of the server's fill.
    attributes.background_pixmap = None;
    attributes.border_pixel = 0;
    attributes.colormap = m_display.getColormap();
    attributes.event_mask = kEventMask;
    attributes.override_redirect = overrideRedirect ? True : False;
    attributes.save_under = overrideRedirect ? True : False;
    attributes.bit_gravity = NorthWestGravity;
    // The default visual is named outright, so any parent, whatever its own visual, can hold the window.
    m_window = XCreateWindow(
        m_display.getDisplay(), parent, m_x, m_y, static_cast<unsigned int>(m_width),
        static_cast<unsigned int>(m_height), 0, m_display.getDepth(), InputOutput, m_display.getVisual(),
        CWBackPixmap | CWBorderPixel | CWColormap | CWEventMask | CWOverrideRedirect | CWSaveUnder | CWBitGravity,
        &attributes);
    if (m_window == 0) {
        return false;
    }
    m_display.registerWindow(m_window, this);
    return true;
}

bool CX11Window::createChild(unsigned long parent, int width, int height)
{
    if (parent == 0) {
        destroy();
        return false;
    }
    Display* const display = m_display.getDisplay();
    CX11ErrorTrap trap(display);
    if (create(static_cast<Window>(parent), 0, 0, width, height, false)) {
        XMapWindow(display, m_window);
        m_mapped = true;
    }
    if (trap.release() && m_window != 0) {
        m_foreignParent = true;
        return true;
    }
    // The parent is gone: forget the window id the server never made.
    m_display.unregisterWindow(m_window);
    m_window = 0;
    m_mapped = false;
    return false;
}

bool CX11Window::createTopLevel(int x, int y, int width, int height, bool resizable)
{
    if (!create(m_display.getRootWindow(), x, y, width, height, false)) {
        return false;
    }
    Display* const display = m_display.getDisplay();
    m_topLevel = true;
    m_resizable = resizable;
    Atom deleteWindow = m_display.getAtoms().wmDeleteWindow;
    XSetWMProtocols(display, m_window, &deleteWindow, 1);
    setSizeHints();
    XWMHints* hints = XAllocWMHints();
    if (hints != nullptr) {
        hints->flags = InputHint | StateHint;
        hints->input = True;
        hints->initial_state = NormalState;
        XSetWMHints(display, m_window, hints);
        XFree(hints);
    }
    XClassHint* classHint = XAllocClassHint();
    if (classHint != nullptr) {
        char* name = const_cast<char*>(Host::CApplication::getApplicationName().getString());
        classHint->res_name = name;
        classHint->res_class = name;
        XSetClassHint(display, m_window, classHint);
        XFree(classHint);
    }
    return true;
}

bool CX11Window::createPopup(int x, int y, int width, int height)
{
    if (!create(m_display.getRootWindow(), x, y, width, height, true)) {
        return false;
    }
    // Compositors read the type to treat the window as a menu.
    Atom popupMenu = m_display.getAtoms().netWmWindowTypePopupMenu;
    XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmWindowType, XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&popupMenu), 1);
    return true;
}

void CX11Window::destroy()
{
    if (m_window == 0) {
        return;
    }
    ungrabPointer();
    m_display.unregisterWindow(m_window);
    {
        // The parent's owner may have destroyed the window already, with its own window.
        const CX11ErrorTrap trap(displayIfItMayVanish());
        XDestroyWindow(m_display.getDisplay(), m_window);
    }
    m_window = 0;
    m_mapped = false;
    m_topLevel = false;
    m_foreignParent = false;
}

void CX11Window::handleX11Event(const XEvent& event)
{
    if (event.type == DestroyNotify && event.xdestroywindow.window == m_window) {
        m_display.unregisterWindow(m_window);
        m_window = 0;
        m_mapped = false;
        m_grabbed = false;
        m_foreignParent = false;
    }
    // The handler may destroy this object: nothing is touched after it.
    if (m_handler != nullptr) {
        m_handler->handleX11Event(event);
    }
}

void CX11Window::show()
{
    if (m_window == 0) {
        return;
    }
    if (m_topLevel && m_keptAbove) {
        // A window manager drops the state of a withdrawn window; it reads it again when the window maps.
        Atom above = m_display.getAtoms().netWmStateAbove;
        XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&above), 1);
    }
    const CX11ErrorTrap trap(displayIfItMayVanish());
    XMapRaised(m_display.getDisplay(), m_window);
    m_mapped = true;
}

void CX11Window::hide()
{
    if (m_window == 0) {
        return;
    }
    ungrabPointer();
    if (m_topLevel) {
        XWithdrawWindow(m_display.getDisplay(), m_window, m_display.getScreen());
    } else {
        const CX11ErrorTrap trap(displayIfItMayVanish());
        XUnmapWindow(m_display.getDisplay(), m_window);
    }
    m_mapped = false;
}

void CX11Window::moveAndResize(int x, int y, int width, int height)
{
    if (m_window == 0) {
        return;
    }
    m_x = x;
    m_y = y;
    m_width = std::max(1, width);
    m_height = std::max(1, height);
    const CX11ErrorTrap trap(displayIfItMayVanish());
    XMoveResizeWindow(m_display.getDisplay(), m_window, m_x, m_y, static_cast<unsigned int>(m_width),
                      static_cast<unsigned int>(m_height));
    if (m_topLevel) {
        setSizeHints();
    }
}

void CX11Window::centreOnScreen()
{
    moveAndResize(static_cast<int>(m_display.getScreenWidth() / 2 - m_width / 2),
                  static_cast<int>(m_display.getScreenHeight() / 2 - m_height / 2), m_width, m_height);
}

void CX11Window::setSizeHints()
{
    XSizeHints* hints = XAllocSizeHints();
    if (hints == nullptr) {
        return;
    }
    // A position the program chose, as if the user had: window managers keep it.
    hints->flags = PPosition | PSize | USPosition | USSize;
    hints->x = m_x;
    hints->y = m_y;
    hints->width = m_width;
    hints->height = m_height;
    if (!m_resizable) {
        hints->flags |= PMinSize | PMaxSize;
        hints->min_width = hints->max_width = m_width;
        hints->min_height = hints->max_height = m_height;
    }
    XSetWMNormalHints(m_display.getDisplay(), m_window, hints);
    XFree(hints);
}

void CX11Window::setTitle(const char* title)
{
    if (m_window == 0 || title == nullptr) {
        return;
    }
    XStoreName(m_display.getDisplay(), m_window, title);
    XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmName, m_display.getAtoms().utf8String,
                    8, PropModeReplace, reinterpret_cast<const unsigned char*>(title),
                    static_cast<int>(std::strlen(title)));
}

void CX11Window::setBorderless(bool borderless)
{
    if (m_window == 0) {
        return;
    }
    if (!borderless) {
        XDeleteProperty(m_display.getDisplay(), m_window, m_display.getAtoms().motifWmHints);
        return;
    }
    long hints[kMotifHintsLength] = {kMotifDecorationsFlag, 0, 0, 0, 0};
    XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().motifWmHints,
                    m_display.getAtoms().motifWmHints, 32, PropModeReplace, reinterpret_cast<unsigned char*>(hints),
                    kMotifHintsLength);
}

void CX11Window::setKeptAbove(bool above)
{
    m_keptAbove = above;
    if (m_window == 0) {
        return;
    }
    if (m_mapped) {
        // A mapped window's state belongs to the window manager: ask it.
        sendStateMessage(m_display.getAtoms().netWmStateAbove, above);
    } else if (above) {
        Atom state = m_display.getAtoms().netWmStateAbove;
        XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&state), 1);
    } else {
        XDeleteProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmState);
    }
}

void CX11Window::sendStateMessage(Atom state, bool set)
{
    XEvent message;
    std::memset(&message, 0, sizeof(message));
    message.xclient.type = ClientMessage;
    message.xclient.window = m_window;
    message.xclient.message_type = m_display.getAtoms().netWmState;
    message.xclient.format = 32;
    message.xclient.data.l[0] = set ? 1 : 0;
    message.xclient.data.l[1] = static_cast<long>(state);
    message.xclient.data.l[2] = 0;
    message.xclient.data.l[3] = 1;  // a normal application asks
    XSendEvent(m_display.getDisplay(), m_display.getRootWindow(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &message);
}

void CX11Window::setOpacity(double opacity)
{
    if (m_window == 0) {
        return;
    }
    if (!(opacity < 1.0)) {
        XDeleteProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmWindowOpacity);
        return;
    }
    // A 32-bit cardinal, 0xFFFFFFFF fully opaque; format-32 data travels as longs.
    unsigned long value = static_cast<unsigned long>(std::max(0.0, opacity) * 4294967295.0 + 0.5);
    XChangeProperty(m_display.getDisplay(), m_window, m_display.getAtoms().netWmWindowOpacity, XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(&value), 1);
}

void CX11Window::setWindowType(EX11WindowType type)
{
    if (m_window == 0) {
        return;
    }
    const SX11Atoms& atoms = m_display.getAtoms();
    Atom value = type == e_dialogWindowType   ? atoms.netWmWindowTypeDialog
                 : type == e_splashWindowType ? atoms.netWmWindowTypeSplash
                                              : atoms.netWmWindowTypeNormal;
    XChangeProperty(m_display.getDisplay(), m_window, atoms.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&value), 1);
}

bool CX11Window::grabPointer()
{
    if (m_window == 0) {
        return false;
    }
    // Without owner events every pointer event comes here, even over this client's other windows.
    const int result = XGrabPointer(m_display.getDisplay(), m_window, False, kGrabMask, GrabModeAsync, GrabModeAsync,
                                    None, None, CurrentTime);
    m_grabbed = result == GrabSuccess;
    return m_grabbed;
}

void CX11Window::ungrabPointer()
{
    if (!m_grabbed) {
        return;
    }
    XUngrabPointer(m_display.getDisplay(), CurrentTime);
    XFlush(m_display.getDisplay());
    m_grabbed = false;
}

bool CX11Window::setInputFocus()
{
    if (m_window == 0) {
        return false;
    }
    CX11ErrorTrap trap(m_display.getDisplay());
    XSetInputFocus(m_display.getDisplay(), m_window, RevertToParent, CurrentTime);
    return trap.release();
}

bool CX11Window::translateToScreen(int x, int y, int& screenX, int& screenY) const
{
    if (m_window == 0) {
        return false;
    }
    Window child = 0;
    CX11ErrorTrap trap(m_display.getDisplay());
    const Bool sameScreen = XTranslateCoordinates(m_display.getDisplay(), m_window, m_display.getRootWindow(), x, y,
                                                  &screenX, &screenY, &child);
    return trap.release() && sameScreen;
}

void CX11Window::setCursor(EX11Cursor cursor)
{
    if (m_window != 0) {
        const CX11ErrorTrap trap(displayIfItMayVanish());
        XDefineCursor(m_display.getDisplay(), m_window, m_display.getCursor(cursor));
    }
}

}}}  // namespace Corvane::GUI::Windowing
