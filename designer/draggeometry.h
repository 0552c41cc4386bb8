#pragma once
// The arithmetic of a drag that does not depend on windows: where a selection starts and how a
// resized control is held to its size limits.

#include <vector>

#include "toolkit/core/types.h"

namespace mox {

// The smallest left and the smallest top over `bounds`; (0, 0) for none.
TPoint SelectionLeftTop(const std::vector<TRect>& bounds);

// `rect` (normalised) widened or heightened to `minSize` and then narrowed or lowered to
// `maxSize`, keeping its left-top.
TRect LimitSize(const TRect& rect, TPoint minSize, TPoint maxSize);

}  // namespace mox
