#pragma once
// The cells of an LED's lamp bitmap and the colour its built-in lamps leave out: pure arithmetic
// on plain values, so the lamp's picture can be checked without drawing it.

#include <span>

#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

// A lamp bitmap holds two cells side by side, off on the left and on on the right; an odd last
// column belongs to neither. A bitmap too small for a cell (empty, or one column wide) gives an
// empty cell of 0 × 0.
TSize LampCellSize(int bitmapWidth, int bitmapHeight);
// The cell a lamp shows: the left one when off, the right one when on.
TRect LampSourceCell(TSize cell, bool active);

// The colour that marks the see-through pixels of a recoloured built-in lamp: black, as the lamp
// is drawn on, unless black is among `taken` (an off or on colour the user chose); then the
// lowest colour that none of `taken` is. `taken` holds plain RGB colours.
TColor SeeThroughKey(std::span<const TColor> taken);

}  // namespace mox
