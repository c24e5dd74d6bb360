// What a window shows on the screen, read back from the X server, for
// snapshots and tests.
#pragma once

#include "CWindowImage.hpp"

struct _XDisplay;

namespace DevHost {

/**
 * What window shows on the screen now, its child windows included, as
 * 0xRRGGBB at the window's size; parts off the screen stay black. Empty when
 * the window is not shown (or the server's visual has no colour masks). What
 * a client drew last may still be on its way to the server.
 */
CWindowImage captureWindow(_XDisplay* display, unsigned long window);

}  // namespace DevHost
