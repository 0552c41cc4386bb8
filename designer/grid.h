#pragma once
// Grid arithmetic of the designer: the background tile that shows the grid, snapping a drag to
// whole grid steps and rounding a position to the nearest grid line.

#include <vector>

#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TBitmap;

constexpr int kMinGridStep = 2;
constexpr int kMaxGridStep = 128;

int ClampGridStep(int step);

// Side of the square tile: one step, or eight steps for steps below 8 so that the tile stays
// large enough to fill quickly.
int GridTileSize(int step);

// The dots of one tile, row by row: only (0, 0) for steps of 8 and more, else every multiple of
// the step inside the tile.
std::vector<TPoint> GridTileDots(int step);

// Fills `tile` with `fill` and, when `showDots`, sets the grid dots in `dot`.
void PaintGridTile(TBitmap& tile, int step, TColor fill, TColor dot, bool showDots);

// `delta` rounded to whole steps, exact halves going to the even number of steps.
int SnapToSteps(int delta, int step);

// `value` moved to the nearest grid line; halves go up, and a negative value (which truncating
// division leaves with a negative remainder) always moves towards zero.
int AlignToGridLine(int value, int step);

}  // namespace mox
