#pragma once
#include <windows.h>

namespace lexorin::hooklib {

// The window to repaint for a capture at a screen point: the window under
// the point, or a smaller visible sibling below it in Z-order that also
// contains the point (a label under a group frame). Null when no window is
// under the point.
HWND FindTargetWindow(POINT screenPoint);

}  // namespace lexorin::hooklib
