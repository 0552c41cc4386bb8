#pragma once
// Where a scope's grid, base line and traces go: pure arithmetic over the control's size and
// settings, so the picture can be checked without a window. Sizes, pitches and values may be
// anything a rack file holds; nothing here overflows, and every list is bounded by the pixels of
// the picture, never by a value.

#include <deque>
#include <vector>

#include "instruments/base/vrmapping.h"
#include "toolkit/core/typeinfo.h"

namespace mox {

MOX_ENUM(TGraphStyle, gsLine, gsBar)

// The row of the base line, `baseOffset` per cent of the height up from the bottom:
// height − Round(height / 100 × baseOffset) − 1, halves to even.
int ScopeBaseLine(int height, int baseOffset);

// The moving grid's phase after one tick: it advances by `frequency` and wraps at `gridSize`.
int NextGridPhase(int phase, int frequency, int gridSize);

// The x of every vertical grid line: −phase, −phase + gridSize, … up to and including `width`.
std::vector<int> ScopeVerticalLines(int width, int gridSize, int phase);
// The y of every horizontal grid line, a pitch apart above and below the base line (the base
// line's own row excluded), one beyond each edge included.
std::vector<int> ScopeHorizontalLines(int height, int gridSize, int baseLine);

// The row of a sample: the whole per cent of the range it reaches, as a row from `height`
// (minValue) up to 0 (maxValue).
int ScopeSampleRow(int value, int minValue, int maxValue, int height);

// How many of the newest samples a trace reaches before it leaves the picture on the left.
int ScopeSamplesShown(int width, int frequency);

// The vertices of a trace from the newest sample on (`rows` holds their rows, newest first):
// from the base line just beyond the right edge, each sample `frequency` pixels further left, a
// bar trace holding each sample for one step; when the samples end inside the picture the trace
// returns to the base line. Points may lie beyond the int range.
std::vector<TFarPoint> ScopeTrace(int width, int frequency, int baseLine, TGraphStyle style,
                                  const std::vector<int>& rows);

}  // namespace mox
