#pragma once
// Where a slider's thumb sits for a value, which value a thumb position means, and where its
// ticks go: pure arithmetic on the control's size and settings, so each can be checked without a
// window. Settings may hold any int (a rack file can); nothing here overflows for them.

#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"

namespace mox {

MOX_ENUM(TVrSliderStyle, ssBottomLeft, ssTopRight)

struct TSliderTrack {
    TRect Track;  // the thumb's travel area
    int Start;    // the first leading coordinate along the travel axis
    int Travel;   // how far the thumb's leading edge can move
};

// An inset too large for the client leaves a track with no travel.
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

// One tick of a tick image: its band, clipped to the image, and whether the band's own top-left
// corner lies an odd number of pixels (columns plus rows) from the image's. A checkered tick is
// filled from its own corner, so that parity decides the phase of its pattern.
struct TSliderTick {
    TRect Band;
    bool OddCorner;
};

// The ticks of a tick image of `size`: (extent along the travel axis) div (tickWidth + spacing)
// + 2 bands, tickWidth thick across the whole image, from the minimum end onwards (the bottom of
// a vertical ssBottomLeft slider, the left of a horizontal one). Bands that miss the image are
// left out.
std::vector<TSliderTick> SliderTicks(TSize size, TVrOrientation orientation, TVrSliderStyle style,
                                     int tickWidth, int spacing);

}  // namespace mox
