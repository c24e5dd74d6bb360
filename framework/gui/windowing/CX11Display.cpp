#include "gui/windowing/CX11Display.hpp"

#include "host/CDisplayInformation.hpp"

#include <X11/cursorfont.h>

#include <poll.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace Corvane { namespace GUI { namespace Windowing {

namespace {
// The screen size is a process-wide fact: it stays reported while any display is open.
std::atomic<int> g_openDisplays{0};
const int kConnectAttempts = 5;
}  // namespace

CVN_IMPLEMENT_CLASS(CX11Display, "CCountedObject")

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
      m_nextTimerSerial(1)
{
    CVN_CONSTRUCT_CLASS;
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

void CX11Display::startTimer(IX11TimerHandler* owner, long id, long milliseconds)
{
    if (owner == nullptr) {
        return;
    }
    const long interval = std::max(0L, milliseconds);
    // A new serial keeps a timer started during a pump from firing in that same pump.
    const auto existing = findTimer(owner, id);
    if (existing != m_timers.end()) {
        existing->interval = interval;
        existing->due = CClock::now();
        existing->serial = m_nextTimerSerial++;
    } else {
        m_timers.push_back(STimer{owner, id, interval, CClock::now(), m_nextTimerSerial++});
    }
}

void CX11Display::stopTimer(IX11TimerHandler* owner, long id)
{
    const auto timer = findTimer(owner, id);
    if (timer != m_timers.end()) {
        m_timers.erase(timer);
    }
}

void CX11Display::stopTimers(IX11TimerHandler* owner)
{
    m_timers.erase(
        std::remove_if(m_timers.begin(), m_timers.end(), [owner](const STimer& timer) { return timer.owner == owner; }),
        m_timers.end());
}

bool CX11Display::hasTimer(IX11TimerHandler* owner, long id) const
{
    return findTimer(owner, id) != m_timers.end();
}

long CX11Display::getMillisecondsToNextTimer() const
{
    if (m_timers.empty()) {
        return -1;
    }
    CClock::time_point next = m_timers.front().due;
    for (const STimer& timer : m_timers) {
        next = std::min(next, timer.due);
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(next - CClock::now()).count();
    return std::max(0L, static_cast<long>(wait));
}

long CX11Display::pump()
{
    // A handler may let go of the window tree, and with it of this display:
    // a held display lives until the pump is over.
    const bool held = getReferenceCount() > 0;
    if (held) {
        referenced();
    }
    const unsigned long startedBefore = m_nextTimerSerial;
    long read = 0;
    while (read < CX11DISPLAY_EVENTS_PER_PUMP && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        ++read;
        dispatch(event);
    }
    fireTimers(startedBefore);
    XFlush(m_display);
    if (held) {
        dereference();
    }
    return read;
}

bool CX11Display::waitForEvent(long maxMilliseconds)
{
    if (XPending(m_display) > 0) {
        return true;
    }
    long timeout = std::max(0L, maxMilliseconds);
    const long timer = getMillisecondsToNextTimer();
    if (timer >= 0) {
        timeout = std::min(timeout, timer);
    }
    pollfd connection = {ConnectionNumber(m_display), POLLIN, 0};
    return poll(&connection, 1, static_cast<int>(std::min(timeout, 1000000L))) > 0;
}

void CX11Display::flush()
{
    XFlush(m_display);
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

void CX11Display::fireTimers(unsigned long startedBefore)
{
    if (m_timers.empty()) {
        return;
    }
    const CClock::time_point now = CClock::now();
    std::vector<unsigned long> due;
    for (const STimer& timer : m_timers) {
        if (timer.serial < startedBefore && timer.due <= now) {
            due.push_back(timer.serial);
        }
    }
    // Handlers may stop, start or restart any timer: each is looked up again before it fires.
    for (unsigned long serial : due) {
        const auto timer = std::find_if(m_timers.begin(), m_timers.end(),
                                        [serial](const STimer& candidate) { return candidate.serial == serial; });
        if (timer == m_timers.end()) {
            continue;
        }
        timer->due += std::chrono::milliseconds(timer->interval);
        if (timer->due <= now) {
            timer->due = now + std::chrono::milliseconds(timer->interval);
        }
        IX11TimerHandler* const owner = timer->owner;
        owner->handleX11Timer(timer->id);
    }
}

std::vector<CX11Display::STimer>::iterator CX11Display::findTimer(IX11TimerHandler* owner, long id)
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [owner, id](const STimer& timer) { return timer.owner == owner && timer.id == id; });
}

std::vector<CX11Display::STimer>::const_iterator CX11Display::findTimer(IX11TimerHandler* owner, long id) const
{
    return std::find_if(m_timers.begin(), m_timers.end(),
                        [owner, id](const STimer& timer) { return timer.owner == owner && timer.id == id; });
}

}}}  // namespace Corvane::GUI::Windowing
