#pragma once
// The arithmetic of a drag that does not depend on windows: the hint texts and where the hint
// goes, the left-top of a selection, and applying size limits to a resized control.

#include <QString>
#include <vector>

#include "toolkit/core/types.h"

namespace mox {

// The largest width a move/size hint may take before its text wraps.
constexpr int kHintMaxWidth = 255;

QString SizeHintText(const TRect& rect);  // "w x h", edges in any order
QString MoveHintText(TPoint leftTop);     // "x, y"

// Left-top of the hint window: below the cursor, further down for a position hint so that the
// hint does not cover the corner being moved.
TPoint HintOrigin(TPoint cursor, bool sizing);

// The smallest left and the smallest top over `bounds`; (0, 0) for none.
TPoint SelectionLeftTop(const std::vector<TRect>& bounds);

// `rect` (normalised) widened or heightened to `minSize` and then narrowed or lowered to
// `maxSize`, keeping its left-top.
TRect LimitSize(const TRect& rect, TPoint minSize, TPoint maxSize);

}  // namespace mox
