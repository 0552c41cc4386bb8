#include "instruments/input/trackbargeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "instruments/base/vrmapping.h"

namespace mox {

namespace {

using i64 = std::int64_t;

constexpr int kEndTickLength = 4;
constexpr int kInnerTickLength = 3;
constexpr int kMinTickSpacing = 4;

int Coord(i64 v) {
    return static_cast<int>(std::clamp<i64>(v, -kCoordLimit, kCoordLimit));
}

// round(range / (frequency × g)), halves to even: the intervals between ticks at that step.
i64 Intervals(i64 range, int frequency, i64 g) {
    return static_cast<i64>(
        std::nearbyint(static_cast<double>(range) / (static_cast<double>(frequency) * g)));
}

// The pixels along the travel whose ticks land in the client area, give or take one.
TTickWindow VisibleWindow(const TSliderMapping& m) {
    const bool vertical = m.Orientation == TVrOrientation::voVertical;
    const i64 extent = vertical ? m.ClientHeight : m.ClientWidth;
    const i64 thumb = vertical ? m.ThumbHeight : m.ThumbWidth;
    const TRect& t = m.Track.Track;
    // A tick is drawn at ValueToOffset + thumb / 2: start + d unmirrored, or the far end minus d.
    const bool mirrored = vertical == (m.Style == TVrSliderStyle::ssBottomLeft);
    const i64 zero = mirrored ? (vertical ? i64{t.Top} + t.Bottom : i64{t.Left} + t.Right) -
                                    m.Track.Start - thumb + thumb / 2
                              : i64{m.Track.Start} + thumb / 2;
    if (mirrored) return {zero - extent - 1, zero + 1};
    return {-zero - 1, extent - zero + 1};
}

}  // namespace

TRect GutterRect(TSize client, TVrOrientation orientation, int borderWidth, int gutterWidth) {
    const bool vertical = orientation == TVrOrientation::voVertical;
    const i64 across = vertical ? client.cx : client.cy;
    const i64 along = vertical ? client.cy : client.cx;
    const i64 lead = (across - gutterWidth) / 2;
    const i64 from = borderWidth, to = along - borderWidth;
    if (vertical) return {Coord(lead), Coord(from), Coord(lead + gutterWidth), Coord(to)};
    return {Coord(from), Coord(lead), Coord(to), Coord(lead + gutterWidth)};
}

std::vector<int> TickValues(int minValue, int maxValue, int frequency, int travel,
                            TTickWindow window) {
    std::vector<int> values;
    const i64 range = RangeSpan(minValue, maxValue);
    if (frequency <= 0 || travel <= 0 || range < 0) return values;
    // Ticks stop growing apart at the first g whose spacing (travel div intervals) reaches 4
    // pixels or the whole travel. The intervals shrink as g grows, so the first such g is found
    // by halving instead of counting up through a range of up to 2^32.
    const i64 limit = std::max<i64>(1, travel / kMinTickSpacing);
    i64 g = 1;
    if (Intervals(range, frequency, 1) > limit) {
        i64 lo = 1, hi = range / frequency + 2;  // at hi there is less than one interval
        while (hi - lo > 1) {
            const i64 mid = lo + (hi - lo) / 2;
            (Intervals(range, frequency, mid) <= limit ? hi : lo) = mid;
        }
        g = hi;
    }
    const i64 intervals = Intervals(range, frequency, g);
    const i64 step = i64{frequency} * g;
    // Tick i lies about i × step × travel / range pixels along: the ticks of the window, one more
    // on either side for rounding.
    if (intervals > 0) {
        const double perTick = static_cast<double>(step) * travel / static_cast<double>(range);
        const double ticks = static_cast<double>(intervals);
        const auto first = static_cast<i64>(
            std::clamp(std::floor(static_cast<double>(window.From) / perTick) - 1, 0.0, ticks));
        const auto last = static_cast<i64>(
            std::clamp(std::ceil(static_cast<double>(window.To) / perTick) + 1, 0.0, ticks));
        for (i64 i = first; i < intervals && i <= last; ++i)
            values.push_back(static_cast<int>(minValue + i * step));
    }
    if (window.From <= travel && travel <= window.To) values.push_back(maxValue);
    return values;
}

std::vector<TTickMark> TrackBarTicks(const TSliderMapping& m, const TTickSettings& s) {
    std::vector<TTickMark> ticks;
    const bool before = s.Sides == TVrTickMarks::tmBoth || s.Sides == TVrTickMarks::tmTopLeft;
    const bool after = s.Sides == TVrTickMarks::tmBoth || s.Sides == TVrTickMarks::tmBottomRight;
    if (!before && !after) return ticks;
    const bool vertical = m.Orientation == TVrOrientation::voVertical;
    const i64 nearBase = i64{vertical ? s.Gutter.Left : s.Gutter.Top} - s.ScaleOffset;
    const i64 farBase = i64{vertical ? s.Gutter.Right : s.Gutter.Bottom} + s.ScaleOffset;
    const int half = (vertical ? m.ThumbHeight : m.ThumbWidth) / 2;
    for (int value :
         TickValues(m.MinValue, m.MaxValue, s.Frequency, m.Track.Travel, VisibleWindow(m))) {
        const int at = Coord(i64{ValueToOffset(m, value)} + half);
        const int length =
            value == m.MinValue || value == m.MaxValue ? kEndTickLength : kInnerTickLength;
        const auto tick = [&](i64 from, i64 to) {
            const TRect pixels = vertical ? TRect{Coord(from), at, Coord(to), at + 1}
                                          : TRect{at, Coord(from), at + 1, Coord(to)};
            ticks.push_back({pixels});
        };
        if (before) tick(nearBase - length, nearBase);
        if (after) tick(farBase, farBase + length);
    }
    return ticks;
}

int TrackBarPointerValue(const TSliderMapping& m, int p, bool fixedPoints, int frequency) {
    if (!fixedPoints || frequency <= 0) return OffsetToValue(m, p);
    // The snapped value, read back from the pixel it is drawn at, so the thumb rests only where a
    // snapped value puts it.
    const int target = OffsetToValue(m, p, frequency);
    const i64 end = i64{m.Track.Start} + m.Track.Travel;
    const int q = SaturatedInt(std::min<i64>(ValueToOffset(m, target), end));
    return OffsetToValue(m, q, frequency);
}

}  // namespace mox
