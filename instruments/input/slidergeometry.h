#pragma once
// Where a slider's thumb sits for a value and which value a thumb position means: pure
// arithmetic on the control's size and settings, so both directions can be checked without a
// window.

#include "instruments/base/vrtypes.h"
#include "toolkit/types.h"

namespace mox {

MOX_ENUM(TVrSliderStyle, ssBottomLeft, ssTopRight)

struct TSliderTrack {
    TRect Track;  // the thumb's travel area
    int Start;    // the first leading coordinate along the travel axis
    int Travel;   // how far the thumb's leading edge can move
};

TSliderTrack SliderTrack(const TRect& client, int borderWidth, int thumbIndent,
                         TVrOrientation orientation, int thumbWidth, int thumbHeight);

struct TSliderMapping {
    TSliderTrack Track;
    TVrOrientation Orientation;
    TVrSliderStyle Style;
    int MinValue;
    int MaxValue;
    int ThumbWidth;
    int ThumbHeight;
    int ClientHeight;
};

// The thumb's leading coordinate (left or top) for `position`. An empty range or a track
// shorter than the thumb puts the thumb at the minimum end.
int ValueToOffset(const TSliderMapping& m, int position);
// The position a thumb whose leading coordinate is `p` stands for; the minimum when the track
// leaves the thumb no room.
int OffsetToValue(const TSliderMapping& m, int p);

}  // namespace mox
