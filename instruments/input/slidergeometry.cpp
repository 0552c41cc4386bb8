#include "instruments/input/slidergeometry.h"

#include <algorithm>
#include <cmath>

namespace mox {

TSliderTrack SliderTrack(const TRect& client, int borderWidth, int thumbIndent,
                         TVrOrientation orientation, int thumbWidth, int thumbHeight) {
    const int inset = borderWidth + thumbIndent;
    const TRect track{client.Left + inset, client.Top + inset, client.Right - inset,
                      client.Bottom - inset};
    if (orientation == TVrOrientation::voHorizontal)
        return {track, std::max(0, track.Left), track.Width() - thumbWidth};
    return {track, std::max(0, track.Top), track.Height() - thumbHeight};
}

int ValueToOffset(const TSliderMapping& m, int position) {
    const TSliderTrack& t = m.Track;
    int offset = t.Start;
    if (m.MaxValue != m.MinValue && t.Travel > 0) {
        const double share = static_cast<double>(position - m.MinValue) / (m.MaxValue - m.MinValue);
        offset = t.Start + static_cast<int>(std::nearbyint(t.Travel * share));
    }
    // The minimum is at the bottom of a vertical slider and at the right of a horizontal one
    // that runs top-right.
    if (m.Orientation == TVrOrientation::voVertical && m.Style == TVrSliderStyle::ssBottomLeft)
        offset = t.Track.Top + t.Track.Bottom - offset - m.ThumbHeight;
    else if (m.Orientation == TVrOrientation::voHorizontal && m.Style == TVrSliderStyle::ssTopRight)
        offset = t.Track.Left + t.Track.Right - offset - m.ThumbWidth;
    return offset;
}

int OffsetToValue(const TSliderMapping& m, int p) {
    const TSliderTrack& t = m.Track;
    if (t.Travel <= 0) return m.MinValue;
    p = std::clamp(p, t.Start, t.Start + t.Travel);
    if (m.Orientation == TVrOrientation::voVertical) p = m.ClientHeight - p - m.ThumbHeight;
    const double scaled = static_cast<double>(p - t.Start) * (m.MaxValue - m.MinValue) / t.Travel;
    int value = std::max(0, static_cast<int>(std::nearbyint(scaled))) + m.MinValue;
    value = std::min(value, m.MaxValue);
    return m.Style == TVrSliderStyle::ssBottomLeft ? value : m.MaxValue + m.MinValue - value;
}

}  // namespace mox
