#pragma once
// Where the eight grab handles sit around a control, which cursor each shows, and which edges of
// the control each one drags.

#include "toolkit/controls/cursors.h"
#include "toolkit/core/types.h"

namespace mox {

// Grab positions: 1 left-top, 2 left, 3 left-bottom, 4 top, 5 bottom, 6 right-top, 7 right,
// 8 right-bottom; 0 stands for moving rather than sizing.
constexpr int kGrabCount = 8;

// Left-top corner of handle `position` of size `grabSize` around `target` (its parent's
// coordinates). The right and bottom handles centre on the last pixel column and row. Any other
// position gives (0, 0).
TPoint GrabHandleOrigin(int position, const TRect& target, int grabSize);

// The sizing cursor of a handle; the arrow for any other position.
TCursor GrabCursor(int position);

// `bounds` with the edges handle `position` drags moved by `delta`; position 0 moves the whole
// rectangle. The result may have swapped edges: it is normalised when the drag ends.
TRect DraggedRect(const TRect& bounds, int position, TPoint delta);

}  // namespace mox
