#include "instruments/input/slidergeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrmapping.h"

namespace mox {

namespace {

// PixelToValue with the distance from the minimum rounded to a multiple of `step` (> 0).
int SnappedPixelToValue(std::int64_t offset, int travel, const TSliderMapping& m, int step) {
    const double span = static_cast<double>(RangeSpan(m.MinValue, m.MaxValue));
    const double scaled = std::nearbyint(static_cast<double>(offset) * span / travel);
    const double snapped = std::nearbyint(scaled / step) * step;
    const double value = std::max(0.0, snapped) + m.MinValue;
    return RoundToInt(std::min(value, static_cast<double>(m.MaxValue)));
}

}  // namespace

TSliderTrack SliderTrack(const TRect& client, int borderWidth, int thumbIndent,
                         TVrOrientation orientation, int thumbWidth, int thumbHeight) {
    const TRect track = ShrunkRect(client, std::int64_t{borderWidth} + thumbIndent);
    if (orientation == TVrOrientation::voHorizontal)
        return {track, std::max(0, track.Left),
                SaturatedInt(std::int64_t{track.Width()} - thumbWidth)};
    return {track, std::max(0, track.Top),
            SaturatedInt(std::int64_t{track.Height()} - thumbHeight)};
}

int ValueToOffset(const TSliderMapping& m, int position) {
    const TSliderTrack& t = m.Track;
    const std::int64_t offset = ValueToPixel(position, m.MinValue, m.MaxValue, t.Start, t.Travel);
    // The minimum is at the bottom of a vertical slider and at the right of a horizontal one
    // that runs top-right.
    if (m.Orientation == TVrOrientation::voVertical && m.Style == TVrSliderStyle::ssBottomLeft)
        return SaturatedInt(std::int64_t{t.Track.Top} + t.Track.Bottom - offset - m.ThumbHeight);
    if (m.Orientation == TVrOrientation::voHorizontal && m.Style == TVrSliderStyle::ssTopRight)
        return SaturatedInt(std::int64_t{t.Track.Left} + t.Track.Right - offset - m.ThumbWidth);
    return static_cast<int>(offset);
}

int OffsetToValue(const TSliderMapping& m, int p, int step) {
    const TSliderTrack& t = m.Track;
    if (t.Travel <= 0) return m.MinValue;
    std::int64_t q = std::clamp<std::int64_t>(p, t.Start, std::int64_t{t.Start} + t.Travel);
    if (m.Orientation == TVrOrientation::voVertical)
        q = std::int64_t{m.ClientHeight} - q - m.ThumbHeight;
    const int value = step > 0 ? SnappedPixelToValue(q - t.Start, t.Travel, m, step)
                               : PixelToValue(q - t.Start, t.Travel, m.MinValue, m.MaxValue);
    if (m.Style == TVrSliderStyle::ssBottomLeft) return value;
    return SaturatedInt(std::int64_t{m.MaxValue} + m.MinValue - value);
}

TRect ThumbRectAt(const TSliderMapping& m, int position) {
    // Pulled into the canvas's space, so the far edge cannot pass the end of int.
    const int offset = LimitCoord(ValueToOffset(m, position));
    if (m.Orientation == TVrOrientation::voHorizontal)
        return Bounds(offset, (m.ClientHeight - m.ThumbHeight) / 2, m.ThumbWidth, m.ThumbHeight);
    return Bounds((m.ClientWidth - m.ThumbWidth) / 2, offset, m.ThumbWidth, m.ThumbHeight);
}

std::vector<TSliderTick> SliderTicks(TSize size, TVrOrientation orientation, TVrSliderStyle style,
                                     int tickWidth, int spacing) {
    std::vector<TSliderTick> ticks;
    const bool vertical = orientation == TVrOrientation::voVertical;
    const std::int64_t extent = vertical ? size.cy : size.cx;
    if (extent <= 0 || (vertical ? size.cx : size.cy) <= 0) return ticks;
    const std::int64_t width = std::max(tickWidth, 1);
    const std::int64_t pitch = width + std::max(spacing, 0);
    const std::int64_t count = extent / pitch + 2;
    const bool fromStart =
        vertical ? style == TVrSliderStyle::ssTopRight : style == TVrSliderStyle::ssBottomLeft;
    for (std::int64_t i = 0; i < count; ++i) {
        // The band's leading edge along the axis, before clipping.
        const std::int64_t lead = fromStart ? i * pitch : extent - width - i * pitch;
        const std::int64_t from = std::max<std::int64_t>(lead, 0);
        const std::int64_t to = std::min(lead + width, extent);
        if (from >= to) continue;
        const auto a = static_cast<int>(from), b = static_cast<int>(to);
        const TRect band = vertical ? TRect{0, a, size.cx, b} : TRect{a, 0, b, size.cy};
        ticks.push_back({band, lead % 2 != 0});
    }
    return ticks;
}

}  // namespace mox
