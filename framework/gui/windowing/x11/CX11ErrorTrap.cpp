#include "gui/windowing/x11/CX11ErrorTrap.hpp"

#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <vector>

// Xlib's internal header, for the per-connection error hook; it defines macros named min and max.
#include <X11/Xlibint.h>
#undef min
#undef max

namespace Corvane { namespace GUI { namespace Windowing {

namespace {

typedef Bool (*TWireToError)(Display*, XErrorEvent*, xError*);

// The requests of one trap: from the first serial to the last (open while the trap is set).
struct STrappedRequests {
    unsigned long id;
    unsigned long first;
    unsigned long last;
    int errorCode;
};

// A display with the hook: what it replaced, and the trapped requests whose errors may still come.
struct SWatchedDisplay {
    Display* display;
    TWireToError previous[256];
    std::vector<STrappedRequests> trapped;
};

// Each display belongs to one thread, but the editors of one process may live on several: the list is shared.
// Xlib calls the hook with the display locked; nothing here calls Xlib while holding the mutex.
std::mutex g_mutex;
std::vector<std::unique_ptr<SWatchedDisplay>> g_watched;
unsigned long g_nextId = 1;

const unsigned long kOpen = std::numeric_limits<unsigned long>::max();
// A connection with nothing coming back (no events, no replies) never tells which requests were answered: past
// this many records, a trap that ends waits for the answers once, and the records go.
const size_t kMostRecords = 64;

SWatchedDisplay* findWatched(Display* display)
{
    for (const std::unique_ptr<SWatchedDisplay>& watched : g_watched) {
        if (watched->display == display) {
            return watched.get();
        }
    }
    return nullptr;
}

// Answered requests can raise no more errors: their records go.
void forgetAnswered(SWatchedDisplay& watched, unsigned long lastAnswered)
{
    watched.trapped.erase(std::remove_if(watched.trapped.begin(), watched.trapped.end(),
                                         [lastAnswered](const STrappedRequests& requests) {
                                             return requests.last != kOpen && requests.last <= lastAnswered;
                                         }),
                          watched.trapped.end());
}

// Xlib turns each error from the wire into an event here, before the process's handler: false drops it.
Bool dropTrappedErrors(Display* display, XErrorEvent* error, xError* wire)
{
    TWireToError previous = nullptr;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        SWatchedDisplay* watched = findWatched(display);
        if (watched == nullptr) {
            return True;
        }
        for (STrappedRequests& requests : watched->trapped) {
            if (error->serial >= requests.first && error->serial <= requests.last) {
                if (requests.errorCode == 0) {
                    requests.errorCode = error->error_code;
                }
                return False;
            }
        }
        previous = watched->previous[error->error_code & 0xFF];
    }
    return previous != nullptr ? previous(display, error, wire) : True;
}

}  // namespace

void CX11ErrorTrap::watchDisplay(Display* display)
{
    if (display == nullptr) {
        return;
    }
    std::unique_ptr<SWatchedDisplay> watched(new SWatchedDisplay());
    watched->display = display;
    watched->previous[0] = nullptr;
    // Error code 0 is no error; every other code, the extensions' included, passes the hook.
    for (int code = 1; code < 256; ++code) {
        watched->previous[code] = XESetWireToError(display, code, &dropTrappedErrors);
    }
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_watched.push_back(std::move(watched));
}

void CX11ErrorTrap::forgetDisplay(Display* display)
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_watched.erase(std::remove_if(g_watched.begin(), g_watched.end(),
                                   [display](const std::unique_ptr<SWatchedDisplay>& watched) {
                                       return watched->display == display;
                                   }),
                    g_watched.end());
}

CX11ErrorTrap::CX11ErrorTrap(Display* display) : m_display(display), m_id(0), m_errorCode(0)
{
    if (m_display == nullptr) {
        return;
    }
    const unsigned long first = NextRequest(m_display);
    const unsigned long answered = LastKnownRequestProcessed(m_display);
    const std::lock_guard<std::mutex> lock(g_mutex);
    SWatchedDisplay* watched = findWatched(m_display);
    if (watched == nullptr) {
        m_display = nullptr;
        return;
    }
    forgetAnswered(*watched, answered);
    m_id = g_nextId++;
    watched->trapped.push_back(STrappedRequests{m_id, first, kOpen, 0});
}

CX11ErrorTrap::~CX11ErrorTrap()
{
    end(false);
}

bool CX11ErrorTrap::release()
{
    end(true);
    return m_errorCode == 0;
}

void CX11ErrorTrap::end(bool wait)
{
    if (m_display == nullptr) {
        return;
    }
    Display* const display = m_display;
    m_display = nullptr;
    const unsigned long last = NextRequest(display) - 1;
    {
        const std::lock_guard<std::mutex> lock(g_mutex);
        SWatchedDisplay* watched = findWatched(display);
        if (watched != nullptr) {
            for (STrappedRequests& requests : watched->trapped) {
                if (requests.id == m_id) {
                    requests.last = last;
                }
            }
            wait = wait || watched->trapped.size() > kMostRecords;
        }
    }
    if (!wait) {
        return;
    }
    XSync(display, False);
    const std::lock_guard<std::mutex> lock(g_mutex);
    SWatchedDisplay* watched = findWatched(display);
    if (watched != nullptr) {
        for (const STrappedRequests& requests : watched->trapped) {
            if (requests.id == m_id) {
                m_errorCode = requests.errorCode;
            }
        }
        forgetAnswered(*watched, LastKnownRequestProcessed(display));
    }
}

}}}  // namespace Corvane::GUI::Windowing
