#pragma once
// Where a level bar's segments go for a given bar area, percentage, smoothness and direction,
// and which part of the fill picture each one shows: pure arithmetic, so the picture can be
// checked without a window. The range may be anything a rack file holds and the area any size
// (a bar too thin for a segment included): nothing here overflows, and the number of segments is
// bounded by the pixels of the bar, never by the values.

#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"

namespace mox {

// How many per cent of the range `position` has reached: Trunc((position − minValue) × 100 /
// (maxValue − minValue)), formed without overflow for any three ints; 0 for an empty range.
// Not clamped: a range crossed by a damaged file may give any percentage.
int LevelPercent(int position, int minValue, int maxValue);

// The filled length of a bar `extent` pixels long at `percent`, kept within 0..extent.
int FilledLength(int percent, int extent);

// The length of one segment and the gap after it, along the bar: two thirds of the bar's
// thickness, rounded down to an even number.
int SegmentPitch(int thickness);

struct TLevelSegment {
    TRect Dest;    // on the image
    TRect Source;  // of the fill picture, which is as large as the bar area
};

struct TLevelBarSettings {
    TRect Area;     // inside the bevel
    TRect Visible;  // the picture: segments outside it are left out
    int Percent = 0;
    bool Smooth = false;
    TVrOrientation Orientation = TVrOrientation::voHorizontal;
};

// The segments of the filled part, from the empty end on. Separate segments are a pitch apart
// and leave a pixel free on either side across the bar; the last may reach past the filled
// length, never past the pixel inside the far edge. A smooth bar is one block. A horizontal
// segment shows the fill at the same place; a vertical one the fill's full width squeezed onto
// it, from one row above. A bar too thin to hold a segment shows none. Only the segments that
// show in Visible are made, so their number is bounded by its pixels however large the area.
std::vector<TLevelSegment> LevelBarSegments(const TLevelBarSettings& settings);

// The smallest rectangle holding every segment's Dest; empty when there are none.
TRect SegmentsBounds(const std::vector<TLevelSegment>& segments);

}  // namespace mox
