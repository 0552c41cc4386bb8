#pragma once
// Where the eight grab handles sit around a control, which cursor each shows, and which edges of
// the control each one drags.

#include <array>

#include "toolkit/controls/cursors.h"
#include "toolkit/core/types.h"

namespace mox {

// Where a grab handle sits around its control. gpNone stands for moving rather than sizing (a
// press on the control itself, not on a handle).
enum class TGrabPosition {
    gpNone,
    gpLeftTop,
    gpLeft,
    gpLeftBottom,
    gpTop,
    gpBottom,
    gpRightTop,
    gpRight,
    gpRightBottom
};

constexpr int kGrabCount = 8;
constexpr std::array<TGrabPosition, kGrabCount> kGrabPositions{
    TGrabPosition::gpLeftTop, TGrabPosition::gpLeft,       TGrabPosition::gpLeftBottom,
    TGrabPosition::gpTop,     TGrabPosition::gpBottom,     TGrabPosition::gpRightTop,
    TGrabPosition::gpRight,   TGrabPosition::gpRightBottom};

// Left-top corner of handle `position` of size `grabSize` around `target` (its parent's
// coordinates). The right and bottom handles centre on the last pixel column and row. Any other
// position gives (0, 0).
TPoint GrabHandleOrigin(TGrabPosition position, const TRect& target, int grabSize);

// The sizing cursor of a handle; the arrow for any other position.
TCursor GrabCursor(TGrabPosition position);

// `bounds` with the edges handle `position` drags moved by `delta`; gpNone moves the whole
// rectangle. The result may have swapped edges: it is normalised when the drag ends.
TRect DraggedRect(const TRect& bounds, TGrabPosition position, TPoint delta);

}  // namespace mox
