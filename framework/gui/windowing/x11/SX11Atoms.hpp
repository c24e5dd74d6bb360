// The X atoms the windowing layer uses, interned once per display connection.
#pragma once

#include <X11/Xlib.h>

namespace Corvane { namespace GUI { namespace Windowing {

struct SX11Atoms {
    Atom wmProtocols = 0;
    Atom wmDeleteWindow = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom netWmState = 0;
    Atom netWmStateAbove = 0;
    Atom netWmWindowOpacity = 0;
    Atom netWmWindowType = 0;
    Atom netWmWindowTypeNormal = 0;
    Atom netWmWindowTypeDialog = 0;
    Atom netWmWindowTypeSplash = 0;
    Atom netWmWindowTypePopupMenu = 0;
    Atom motifWmHints = 0;
};

}}}  // namespace Corvane::GUI::Windowing
