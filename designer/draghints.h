#pragma once
// The hint a drag shows beside the cursor: its text ("w x h" while sizing, "x, y" while
// moving) and where it goes.

#include <QString>

#include "toolkit/core/types.h"

namespace mox {

// The largest width a move/size hint may take before its text wraps.
constexpr int kHintMaxWidth = 255;

QString SizeHintText(const TRect& rect);  // "w x h", edges in any order
QString MoveHintText(TPoint leftTop);     // "x, y"

// Left-top of the hint window: below the cursor, further down for a position hint so that the
// hint does not cover the corner being moved.
TPoint HintOrigin(TPoint cursor, bool sizing);

}  // namespace mox
