#include "gui/windowing/x11/CX11Display.hpp"

#include "gui/windowing/CScaleFactor.hpp"
#include "gui/windowing/CWindowSystem.hpp"
#include "gui/windowing/x11/CX11ErrorTrap.hpp"
#include "gui/windowing/x11/CX11WindowBackend.hpp"
#include "host/CDisplayInformation.hpp"

#include <X11/Xresource.h>
#include <X11/cursorfont.h>

#include <poll.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {
// The screen size is a process-wide fact: it stays reported while any display is open.
std::atomic<int> g_openDisplays{0};
const int kConnectAttempts = 5;
}  // namespace

CVN_IMPLEMENT_CLASS(CX11Display, "CCountedObject")

// The windowing layer's factory, as this backend answers it: a display connection to $DISPLAY.
IWindowConnection* CWindowSystem::openPlatformConnection()
{
    return CX11Display::openDisplay();
}

CX11Display* CX11Display::openDisplay(const char* name)
{
    const char* chosen = name != nullptr ? name : std::getenv("DISPLAY");
    if (chosen == nullptr || chosen[0] == '\0') {
        return nullptr;
    }
    Display* display = nullptr;
    for (int attempt = 0; display == nullptr && attempt < kConnectAttempts; ++attempt) {
        // A busy server turns connections away for a moment while its queue of new ones is full.
        if (attempt > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2 * attempt));
        }
        errno = 0;
        display = XOpenDisplay(chosen);
        if (display == nullptr && errno != EAGAIN) {
            break;
        }
    }
    return display != nullptr ? new CX11Display(display) : nullptr;
}

CX11Display::CX11Display(Display* display)
    : m_display(display),
      m_screen(DefaultScreen(display)),
      m_screenWidth(DisplayWidth(display, DefaultScreen(display))),
      m_screenHeight(DisplayHeight(display, DefaultScreen(display))),
      m_atoms(internAtoms(display)),
      m_translator(m_atoms.wmProtocols, m_atoms.wmDeleteWindow),
      m_cursors(),
      m_sentBefore(0)
{
    CVN_CONSTRUCT_CLASS;
    CX11ErrorTrap::watchDisplay(m_display);
    ++g_openDisplays;
    Host::CDisplayInformation::setMonitorScreenSize(m_screenWidth, m_screenHeight);
}

CX11Display::~CX11Display()
{
    for (Cursor cursor : m_cursors) {
        if (cursor != 0) {
            XFreeCursor(m_display, cursor);
        }
    }
    // Errors still on their way are read while the trap's hook can still drop those that may come.
    XSync(m_display, False);
    CX11ErrorTrap::forgetDisplay(m_display);
    // Closing the connection also destroys any window still made on it.
    XCloseDisplay(m_display);
    if (--g_openDisplays == 0) {
        Host::CDisplayInformation::clearMonitorScreenSize();
    }
    CVN_DESTRUCT_CLASS;
}

SX11Atoms CX11Display::internAtoms(Display* display)
{
    // One round trip for all of them.
    char* names[] = {const_cast<char*>("WM_PROTOCOLS"),
                     const_cast<char*>("WM_DELETE_WINDOW"),
                     const_cast<char*>("_NET_WM_NAME"),
                     const_cast<char*>("UTF8_STRING"),
                     const_cast<char*>("_NET_WM_STATE"),
                     const_cast<char*>("_NET_WM_STATE_ABOVE"),
                     const_cast<char*>("_NET_WM_WINDOW_OPACITY"),
                     const_cast<char*>("_NET_WM_WINDOW_TYPE"),
                     const_cast<char*>("_NET_WM_WINDOW_TYPE_NORMAL"),
                     const_cast<char*>("_NET_WM_WINDOW_TYPE_DIALOG"),
                     const_cast<char*>("_NET_WM_WINDOW_TYPE_SPLASH"),
                     const_cast<char*>("_NET_WM_WINDOW_TYPE_POPUP_MENU"),
                     const_cast<char*>("_MOTIF_WM_HINTS")};
    const int count = static_cast<int>(sizeof(names) / sizeof(names[0]));
    Atom atoms[sizeof(names) / sizeof(names[0])] = {};
    XInternAtoms(display, names, count, False, atoms);
    SX11Atoms result;
    Atom* targets[] = {&result.wmProtocols,
                       &result.wmDeleteWindow,
                       &result.netWmName,
                       &result.utf8String,
                       &result.netWmState,
                       &result.netWmStateAbove,
                       &result.netWmWindowOpacity,
                       &result.netWmWindowType,
                       &result.netWmWindowTypeNormal,
                       &result.netWmWindowTypeDialog,
                       &result.netWmWindowTypeSplash,
                       &result.netWmWindowTypePopupMenu,
                       &result.motifWmHints};
    static_assert(sizeof(targets) / sizeof(targets[0]) == sizeof(names) / sizeof(names[0]), "one target per name");
    for (int i = 0; i < count; ++i) {
        *targets[i] = atoms[i];
    }
    return result;
}

Window CX11Display::getRootWindow() const
{
    return RootWindow(m_display, m_screen);
}

Visual* CX11Display::getVisual() const
{
    return DefaultVisual(m_display, m_screen);
}

int CX11Display::getDepth() const
{
    return DefaultDepth(m_display, m_screen);
}

Colormap CX11Display::getColormap() const
{
    return DefaultColormap(m_display, m_screen);
}

Cursor CX11Display::getCursor(EX11Cursor cursor)
{
    if (cursor < 0 || cursor >= e_numberOfX11Cursors) {
        cursor = e_arrowCursor;
    }
    if (m_cursors[cursor] == 0) {
        m_cursors[cursor] = XCreateFontCursor(m_display, cursor == e_handCursor ? XC_hand2 : XC_left_ptr);
    }
    return m_cursors[cursor];
}

void CX11Display::registerWindow(Window window, IX11EventHandler* handler)
{
    if (handler == nullptr) {
        unregisterWindow(window);
    } else if (window != 0) {
        m_handlers[window] = handler;
    }
}

void CX11Display::unregisterWindow(Window window)
{
    m_handlers.erase(window);
}

bool CX11Display::isRegistered(Window window) const
{
    return m_handlers.count(window) != 0;
}

IWindowBackend* CX11Display::createWindow(IWindowInputListener& listener)
{
    return new CX11WindowBackend(*this, listener);
}

long CX11Display::pump()
{
    // A handler may let go of the window tree, and with it of this display:
    // a held display lives until the pump is over.
    const bool held = getReferenceCount() > 0;
    if (held) {
        referenced();
    }
    long read = 0;
    bool more = true;
    while (read < CX11DISPLAY_EVENTS_PER_PUMP && (more = XPending(m_display) > 0)) {
        XEvent event;
        XNextEvent(m_display, &event);
        ++read;
        dispatch(event);
    }
    // XPending sends what was asked before it reads: what the handlers asked is on its way.
    if (!more) {
        m_sentBefore = NextRequest(m_display);
    }
    if (held) {
        dereference();
    }
    return read;
}

bool CX11Display::waitForEvents(long maxMilliseconds)
{
    if (XPending(m_display) > 0) {
        return true;
    }
    pollfd connection = {ConnectionNumber(m_display), POLLIN, 0};
    return poll(&connection, 1, static_cast<int>(std::min(std::max(0L, maxMilliseconds), 1000000L))) > 0;
}

void CX11Display::flush()
{
    // XFlush reads what has arrived as well, a system call: an idle with nothing to send makes none.
    const unsigned long next = NextRequest(m_display);
    if (next != m_sentBefore) {
        XFlush(m_display);
        m_sentBefore = next;
    }
}

int CX11Display::getFileDescriptor() const
{
    return ConnectionNumber(m_display);
}

Corvane::MathTools::CDimension CX11Display::getScreenSize() const
{
    return Corvane::MathTools::CDimension(m_screenWidth, m_screenHeight);
}

double CX11Display::getDesktopScaleFactor() const
{
    // The RESOURCE_MANAGER property of the root window, as it was when the connection was opened.
    std::string dpi;
    if (const char* resources = XResourceManagerString(m_display)) {
        XrmInitialize();
        if (XrmDatabase database = XrmGetStringDatabase(resources)) {
            char* type = nullptr;
            XrmValue value = {0, nullptr};
            if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
                dpi.assign(value.addr,
                           value.size > 0 && value.addr[value.size - 1] == '\0' ? value.size - 1 : value.size);
            }
            XrmDestroyDatabase(database);
        }
    }
    return CScaleFactor::fromDesktopSettings(dpi.empty() ? nullptr : dpi.c_str(), std::getenv("GDK_SCALE"));
}

void CX11Display::dispatch(XEvent& event)
{
    if (event.type == MappingNotify) {
        XRefreshKeyboardMapping(&event.xmapping);
        return;
    }
    const auto handler = m_handlers.find(event.xany.window);
    if (handler != m_handlers.end()) {
        handler->second->handleX11Event(event);
    }
}

}}}  // namespace Corvane::GUI::Windowing
