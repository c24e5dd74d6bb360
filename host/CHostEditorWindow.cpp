#include "CHostEditorWindow.hpp"

#include "CDevHost.hpp"
#include "CPluginInstance.hpp"
#include "CWindowCapture.hpp"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace DevHost {

struct CHostEditorWindow::SX11 {
    Display* display = nullptr;
    Window window = 0;
    bool windowAlive = false;
    Atom wmProtocols = 0;
    Atom wmDeleteWindow = 0;
};

namespace {

constexpr long MAP_WAIT_MILLISECONDS = 5000;

bool fail(std::string* error, const std::string& reason)
{
    if (error) {
        *error = reason;
    }
    return false;
}

long millisecondsUntil(std::chrono::steady_clock::time_point end)
{
    return std::max<long>(
        0, static_cast<long>(
               std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count()));
}

void setFixedSize(Display* display, Window window, int width, int height)
{
    XSizeHints* hints = XAllocSizeHints();
    if (hints) {
        hints->flags = PMinSize | PMaxSize;
        hints->min_width = hints->max_width = width;
        hints->min_height = hints->max_height = height;
        XSetWMNormalHints(display, window, hints);
        XFree(hints);
    }
}

struct SVirtualKey {
    KeySym keysym;
    unsigned char virt;
};

const SVirtualKey VIRTUAL_KEYS[] = {{XK_BackSpace, VKEY_BACK},
                                    {XK_Tab, VKEY_TAB},
                                    {XK_Clear, VKEY_CLEAR},
                                    {XK_Return, VKEY_RETURN},
                                    {XK_Pause, VKEY_PAUSE},
                                    {XK_Escape, VKEY_ESCAPE},
                                    {XK_space, VKEY_SPACE},
                                    {XK_End, VKEY_END},
                                    {XK_Home, VKEY_HOME},
                                    {XK_Left, VKEY_LEFT},
                                    {XK_Up, VKEY_UP},
                                    {XK_Right, VKEY_RIGHT},
                                    {XK_Down, VKEY_DOWN},
                                    {XK_Page_Up, VKEY_PAGEUP},
                                    {XK_Page_Down, VKEY_PAGEDOWN},
                                    {XK_Select, VKEY_SELECT},
                                    {XK_Print, VKEY_PRINT},
                                    {XK_KP_Enter, VKEY_ENTER},
                                    {XK_Insert, VKEY_INSERT},
                                    {XK_Delete, VKEY_DELETE},
                                    {XK_Help, VKEY_HELP},
                                    {XK_KP_Multiply, VKEY_MULTIPLY},
                                    {XK_KP_Add, VKEY_ADD},
                                    {XK_KP_Separator, VKEY_SEPARATOR},
                                    {XK_KP_Subtract, VKEY_SUBTRACT},
                                    {XK_KP_Decimal, VKEY_DECIMAL},
                                    {XK_KP_Divide, VKEY_DIVIDE},
                                    {XK_Num_Lock, VKEY_NUMLOCK},
                                    {XK_Scroll_Lock, VKEY_SCROLL},
                                    {XK_Shift_L, VKEY_SHIFT},
                                    {XK_Shift_R, VKEY_SHIFT},
                                    {XK_Control_L, VKEY_CONTROL},
                                    {XK_Control_R, VKEY_CONTROL},
                                    {XK_Alt_L, VKEY_ALT},
                                    {XK_Alt_R, VKEY_ALT},
                                    {XK_equal, VKEY_EQUALS}};

unsigned char virtualKeyOf(KeySym keysym)
{
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) {
        return static_cast<unsigned char>(VKEY_NUMPAD0 + (keysym - XK_KP_0));
    }
    if (keysym >= XK_F1 && keysym <= XK_F12) {
        return static_cast<unsigned char>(VKEY_F1 + (keysym - XK_F1));
    }
    for (const SVirtualKey& key : VIRTUAL_KEYS) {
        if (key.keysym == keysym) {
            return key.virt;
        }
    }
    return 0;
}

// A key the editor's window passed up to the host, as a VST key code: the
// Latin-1 character the key makes, the virtual key for keys without one.
// Control is MODIFIER_CONTROL and the Super key MODIFIER_COMMAND.
bool keyCodeOf(XKeyEvent& event, VstKeyCode& key)
{
    KeySym keysym = NoSymbol;
    char text[8];
    XLookupString(&event, text, sizeof(text), &keysym, nullptr);
    key = VstKeyCode{};
    key.virt = virtualKeyOf(keysym);
    if (keysym >= 0x20 && keysym <= 0xFF) {
        key.character = static_cast<VstInt32>(keysym);
    }
    if (key.virt == 0 && key.character == 0) {
        return false;
    }
    key.modifier = static_cast<unsigned char>(
        ((event.state & ShiftMask) ? MODIFIER_SHIFT : 0) | ((event.state & Mod1Mask) ? MODIFIER_ALTERNATE : 0) |
        ((event.state & ControlMask) ? MODIFIER_CONTROL : 0) | ((event.state & Mod4Mask) ? MODIFIER_COMMAND : 0));
    return true;
}

}  // namespace

CHostEditorWindow::CHostEditorWindow(CPluginInstance& instance)
    : m_instance(instance),
      m_windowThread(std::this_thread::get_id())
{}

CHostEditorWindow::~CHostEditorWindow()
{
    closeEditor();
    if (m_x) {
        if (m_x->windowAlive) {
            XDestroyWindow(m_x->display, m_x->window);
        }
        XCloseDisplay(m_x->display);
    }
}

void CHostEditorWindow::requireWindowThread(const char* operation) const
{
    if (std::this_thread::get_id() != m_windowThread) {
        throw std::logic_error(std::string("CHostEditorWindow::") + operation +
                               " belongs to the thread that made the window");
    }
}

bool CHostEditorWindow::isCreated() const
{
    return m_x && m_x->windowAlive;
}

unsigned long CHostEditorWindow::windowId() const
{
    return isCreated() ? m_x->window : 0;
}

bool CHostEditorWindow::editorSize(int& width, int& height)
{
    ERect rect{};
    if (!m_instance.editorRect(rect)) {
        return false;
    }
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    // A rectangle upside down or beyond any screen is a plug-in's mistake, not a size.
    if (w < 1 || h < 1 || w > MAX_SIDE || h > MAX_SIDE) {
        return false;
    }
    width = w;
    height = h;
    return true;
}

bool CHostEditorWindow::create(const std::string& displayName, const std::string& title, std::string* error)
{
    requireWindowThread("create");
    if (m_x) {
        return fail(error, "the window has been created already");
    }
    const char* environment = std::getenv("DISPLAY");
    const std::string name = !displayName.empty() ? displayName : (environment ? environment : "");
    if (name.empty()) {
        return fail(error, "no X display: DISPLAY is not set");
    }
    Display* display = XOpenDisplay(name.c_str());
    if (!display) {
        return fail(error, "cannot open the X display \"" + name + "\"");
    }
    m_x.reset(new SX11());
    m_x->display = display;
    m_x->wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
    m_x->wmDeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);

    m_width = DEFAULT_WIDTH;
    m_height = DEFAULT_HEIGHT;
    editorSize(m_width, m_height);

    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    // Keys reach the host only when the editor's window does not take them itself.
    attributes.event_mask = StructureNotifyMask | KeyPressMask | KeyReleaseMask;
    m_x->window = XCreateWindow(display, DefaultRootWindow(display), 0, 0, static_cast<unsigned>(m_width),
                                static_cast<unsigned>(m_height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                CWBackPixel | CWEventMask, &attributes);
    m_x->windowAlive = true;
    XStoreName(display, m_x->window, title.c_str());
    XClassHint classHint{const_cast<char*>("tenvira-devhost"), const_cast<char*>("TenviraDevHost")};
    XSetClassHint(display, m_x->window, &classHint);
    XSetWMProtocols(display, m_x->window, &m_x->wmDeleteWindow, 1);
    setFixedSize(display, m_x->window, m_width, m_height);
    XMapWindow(display, m_x->window);

    // An editor opened into a window that is not shown yet may draw into nothing.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(MAP_WAIT_MILLISECONDS);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            handleEvent(event);
            if (event.type == MapNotify && event.xmap.window == m_x->window) {
                return true;
            }
        }
        if (!m_x->windowAlive || millisecondsUntil(end) == 0) {
            return fail(error, "the X server did not show the window");
        }
        waitForEvent(millisecondsUntil(end));
    }
}

void CHostEditorWindow::setTitle(const std::string& title)
{
    requireWindowThread("setTitle");
    if (m_x && m_x->windowAlive) {
        XStoreName(m_x->display, m_x->window, title.c_str());
        XFlush(m_x->display);
    }
}

bool CHostEditorWindow::openEditor()
{
    requireWindowThread("openEditor");
    if (!isCreated() || !m_instance.isAlive()) {
        return false;
    }
    m_attachedEffect = m_instance.effect();
    m_instance.host().attachEditorFrame(m_instance.effect(), this);
    const uintptr_t parent = m_x->window;
    if (!m_instance.openEditor(reinterpret_cast<void*>(parent))) {
        if (!m_editorOpen) {
            m_instance.host().detachEditorFrame(m_instance.effect(), this);
        }
        return false;
    }
    m_editorOpen = true;
    // Some editors know their size only once they are open.
    int width = m_width;
    int height = m_height;
    if (editorSize(width, height) && (width != m_width || height != m_height)) {
        resize(width, height);
    }
    XFlush(m_x->display);
    return true;
}

void CHostEditorWindow::closeEditor()
{
    if (!m_editorOpen) {
        return;
    }
    requireWindowThread("closeEditor");
    m_editorOpen = false;
    m_instance.closeEditor();
    m_instance.host().detachEditorFrame(static_cast<const AEffect*>(m_attachedEffect), this);
    if (m_x) {
        XFlush(m_x->display);
    }
}

void CHostEditorWindow::idle()
{
    requireWindowThread("idle");
    pump();
    if (m_editorOpen) {
        m_instance.idleEditor();
    }
}

void CHostEditorWindow::pump()
{
    requireWindowThread("pump");
    if (!m_x) {
        return;
    }
    while (XPending(m_x->display) > 0) {
        XEvent event;
        XNextEvent(m_x->display, &event);
        handleEvent(event);
    }
}

void CHostEditorWindow::handleEvent(XEvent& event)
{
    if (event.xany.window != m_x->window) {
        return;
    }
    switch (event.type) {
    case ClientMessage:
        if (event.xclient.message_type == m_x->wmProtocols &&
            static_cast<Atom>(event.xclient.data.l[0]) == m_x->wmDeleteWindow) {
            m_closeRequested = true;
        }
        break;
    case DestroyNotify:
        m_x->windowAlive = false;
        m_closeRequested = true;
        break;
    case ConfigureNotify:
        m_width = event.xconfigure.width;
        m_height = event.xconfigure.height;
        break;
    case KeyPress:
    case KeyRelease: {
        VstKeyCode key;
        if (m_editorOpen && keyCodeOf(event.xkey, key)) {
            if (event.type == KeyPress) {
                m_instance.editorKeyDown(key);
            } else {
                m_instance.editorKeyUp(key);
            }
        }
        break;
    }
    default:
        break;
    }
}

void CHostEditorWindow::waitForEvent(long milliseconds)
{
    if (!m_x) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max(0L, milliseconds)));
        return;
    }
    if (XPending(m_x->display) > 0) {
        return;
    }
    pollfd descriptor{ConnectionNumber(m_x->display), POLLIN, 0};
    poll(&descriptor, 1, static_cast<int>(std::min(std::max(0L, milliseconds), 60000L)));
}

bool CHostEditorWindow::idleUntil(const std::function<bool()>& done, long milliseconds, long intervalMilliseconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const auto next = std::chrono::steady_clock::now() + std::chrono::milliseconds(intervalMilliseconds);
        idle();
        if (done()) {
            return true;
        }
        if (millisecondsUntil(end) == 0) {
            return false;
        }
        // Host events cut the wait short, but the editor is idled no faster than asked.
        while (millisecondsUntil(std::min(next, end)) > 0) {
            waitForEvent(millisecondsUntil(std::min(next, end)));
            pump();
        }
    }
}

void CHostEditorWindow::resize(int width, int height)
{
    setFixedSize(m_x->display, m_x->window, width, height);
    XResizeWindow(m_x->display, m_x->window, static_cast<unsigned>(width), static_cast<unsigned>(height));
    m_width = width;
    m_height = height;
}

bool CHostEditorWindow::requestSize(int width, int height)
{
    if (std::this_thread::get_id() != m_windowThread || !isCreated() || width < 1 || height < 1 || width > MAX_SIDE ||
        height > MAX_SIDE) {
        return false;
    }
    resize(width, height);
    XFlush(m_x->display);
    return true;
}

std::vector<unsigned long> CHostEditorWindow::childWindows()
{
    requireWindowThread("childWindows");
    std::vector<unsigned long> found;
    if (!isCreated()) {
        return found;
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(m_x->display, m_x->window, &root, &parent, &children, &count) && children) {
        found.assign(children, children + count);
        XFree(children);
    }
    return found;
}

CWindowImage CHostEditorWindow::capture()
{
    requireWindowThread("capture");
    if (!isCreated()) {
        return CWindowImage();
    }
    return captureWindow(m_x->display, m_x->window);
}

}  // namespace DevHost
