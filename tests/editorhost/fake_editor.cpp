// The editor of the stand-in effect, for the editor host's tests: plain Xlib
// on a connection of its own, as a plug-in's editor has. It opens a child
// window in the host's window, paints it COLOUR at every idle, and turns a click
// of the left button into parameter 1 raised by 0.05, set and then sent to
// the host as automation, the way an editor's knob does.

#include "FakeEditor.hpp"
#include "VstInterface.hpp"

#include <X11/Xlib.h>

#include <algorithm>
#include <cstdint>

namespace {

using FakeEditor::AUTOMATED;
using FakeEditor::COLOUR;
using FakeEditor::HEIGHT;
using FakeEditor::STEP;
using FakeEditor::WIDTH;

struct SEditor {
    Display* display = nullptr;
    Window window = 0;
    GC gc = nullptr;
};

void closeEditor(void*& state)
{
    SEditor* editor = static_cast<SEditor*>(state);
    if (editor == nullptr)
        return;
    XFreeGC(editor->display, editor->gc);
    XDestroyWindow(editor->display, editor->window);
    XCloseDisplay(editor->display);
    delete editor;
    state = nullptr;
}

bool openEditor(void*& state, void* parent)
{
    // A host that opens again without a close gets one window, not two.
    closeEditor(state);
    const Window parentWindow = static_cast<Window>(reinterpret_cast<std::uintptr_t>(parent));
    Display* display = parentWindow != 0 ? XOpenDisplay(nullptr) : nullptr;
    if (display == nullptr)
        return false;
    SEditor* editor = new SEditor();
    editor->display = display;
    editor->window = XCreateSimpleWindow(display, parentWindow, 0, 0, WIDTH, HEIGHT, 0, 0, 0);
    XSelectInput(display, editor->window, ButtonPressMask);
    editor->gc = XCreateGC(display, editor->window, 0, nullptr);
    XMapWindow(display, editor->window);
    XFlush(display);
    state = editor;
    return true;
}

void idle(SEditor& editor, AEffect* effect, audioMasterCallback host)
{
    while (XPending(editor.display) > 0) {
        XEvent event;
        XNextEvent(editor.display, &event);
        if (event.type == ButtonPress && event.xbutton.button == Button1) {
            const float value = std::min(1.0f, effect->getParameter(effect, AUTOMATED) + STEP);
            effect->setParameter(effect, AUTOMATED, value);
            host(effect, audioMasterAutomate, AUTOMATED, 0, nullptr, value);
        }
    }
    // Painted whole at every idle, and drawn before idle returns, so the host's read-back that follows sees it.
    XSetForeground(editor.display, editor.gc, COLOUR);
    XFillRectangle(editor.display, editor.window, editor.gc, 0, 0, WIDTH, HEIGHT);
    XSync(editor.display, False);
}

}  // namespace

VstIntPtr fakeEditorDispatch(void*& editor, AEffect* effect, audioMasterCallback host, VstInt32 opcode, void* ptr)
{
    static ERect rect = {0, 0, HEIGHT, WIDTH};
    switch (opcode) {
    case effEditGetRect:
        if (ptr == nullptr)
            return 0;
        *static_cast<ERect**>(ptr) = &rect;
        return 1;
    case effEditOpen:
        return openEditor(editor, ptr) ? 1 : 0;
    case effEditClose:
        closeEditor(editor);
        return 0;
    case effEditIdle:
        if (editor != nullptr)
            idle(*static_cast<SEditor*>(editor), effect, host);
        return 0;
    default:
        return 0;
    }
}
