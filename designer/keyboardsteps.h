#pragma once
// The arithmetic of keyboard editing that does not depend on windows: what the held keys make
// the arrow keys do, where one step takes a control, and how a moved control is kept inside
// its parent.

#include "toolkit/controls/messages.h"
#include "toolkit/core/types.h"

namespace mox {

enum class TKeyboardMode {
    Select,    // no key held: the arrows select the neighbouring control
    Nudge,     // Ctrl: move by one pixel
    GridMove,  // Shift+Ctrl: move by one grid step
    Resize,    // Shift: move the right or bottom edge by one pixel
};

TKeyboardMode KeyboardModeFor(bool shift, bool ctrl);

bool IsArrowKey(WPARAM key);
// Right and Down walk forwards, Left and Up backwards.
bool IsForwardArrow(WPARAM key);

// `bounds` after one step of `mode` (not Select) in the arrow's direction. Moves keep the size;
// a resize moves only the right or bottom edge. Coordinates saturate at the ends of int.
TRect SteppedRect(const TRect& bounds, TKeyboardMode mode, WPARAM arrow, int gridStep);

// `rect` shifted, keeping its size, so that its left and top are not before `limit`'s and its
// right and bottom stay `margin` pixels inside `limit`'s; when it cannot fit, the right and
// bottom limits win.
TRect KeptInside(const TRect& rect, const TRect& limit, int margin);

}  // namespace mox
