#pragma once
// The track bar's gutter, its tick marks and the value a pointer sets, as pure arithmetic on the
// control's size and settings. The thumb itself is placed through the slider's mapping (same
// track, same mirroring). Settings may hold any int; nothing here overflows, and the number of
// ticks is bounded by the pixels of the travel, not by the range.

#include <cstdint>
#include <limits>
#include <vector>

#include "instruments/base/vrtypes.h"
#include "instruments/input/slidergeometry.h"
#include "toolkit/core/types.h"

namespace mox {

// The gutter: inset by `borderWidth` at both ends of the axis, `gutterWidth` thick and centred
// across it.
TRect GutterRect(TSize client, TVrOrientation orientation, int borderWidth, int gutterWidth);

// The pixels along the travel (0 at the minimum end, `travel` at the maximum) where ticks are
// wanted; a picture asks only for what it shows, so a track far longer than the control costs
// only the ticks on it.
struct TTickWindow {
    std::int64_t From = std::numeric_limits<std::int64_t>::min();
    std::int64_t To = std::numeric_limits<std::int64_t>::max();
};

// The values the ticks mark: MinValue, then steps of `frequency` × g, with the last tick marking
// MaxValue; g is the smallest whole number that keeps ticks at least 4 pixels apart over `travel`.
// Only ticks within `window` (and a tick on either side of it) are listed. None without a positive
// frequency or travel, or for a reversed range.
std::vector<int> TickValues(int minValue, int maxValue, int frequency, int travel,
                            TTickWindow window = {});

// One tick: the pixels of a one-pixel line.
struct TTickMark {
    TRect Pixels;
};

struct TTickSettings {
    TRect Gutter;
    int Frequency;
    int ScaleOffset;  // the gap between the gutter and a tick's base
    TVrTickMarks Sides;
};

// The ticks on each requested side: one per TickValues entry at the thumb's centre for that
// value, running outward from `ScaleOffset` beyond the gutter, 4 pixels long at either end of
// the range and 3 elsewhere.
std::vector<TTickMark> TrackBarTicks(const TSliderMapping& m, const TTickSettings& s);

// The position a pointer holding the thumb's leading coordinate at `p` sets. With `fixedPoints`
// the value snaps to multiples of `frequency` from the minimum end, the thumb's far end still
// reaching the end value.
int TrackBarPointerValue(const TSliderMapping& m, int p, bool fixedPoints, int frequency);

}  // namespace mox
