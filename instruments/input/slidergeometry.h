#pragma once
// Where a thumb sits for a value, which value a thumb position means, and where a slider's ticks
// go: pure arithmetic on the control's size and settings, so each can be checked without a
// window. The slider, the track bar and the switch all place their thumbs through it, and paint,
// hit-test and drag from the same rectangle. Settings may hold any int (a rack file can); nothing
// here overflows for them.

#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"

namespace mox {

MOX_ENUM(TVrSliderStyle, ssBottomLeft, ssTopRight)

// The track bar and the switch name the same two ends with the level bar's style.
constexpr TVrSliderStyle SliderStyleOf(TVrProgressStyle style) {
    return style == TVrProgressStyle::psBottomLeft ? TVrSliderStyle::ssBottomLeft
                                                   : TVrSliderStyle::ssTopRight;
}

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
    int ClientWidth;
};

// The thumb's leading coordinate (left or top) for `position`. An empty range or a track
// shorter than the thumb puts the thumb at the minimum end.
int ValueToOffset(const TSliderMapping& m, int position);
// The position a thumb whose leading coordinate is `p` stands for; the minimum when the track
// leaves the thumb no room. With a `step` above 0 the distance from the minimum is rounded to a
// multiple of it (the end value is still reached: the result never passes MaxValue).
int OffsetToValue(const TSliderMapping& m, int p, int step = 0);
// The thumb's rectangle at `position`: along the axis at ValueToOffset, centred across it in the
// client area. Painting, the mouse and the keyboard all ask this, never a stored rectangle.
TRect ThumbRectAt(const TSliderMapping& m, int position);

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
