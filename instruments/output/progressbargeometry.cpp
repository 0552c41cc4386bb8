#include "instruments/output/progressbargeometry.h"

#include <algorithm>
#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrmapping.h"

namespace mox {

namespace {

using i64 = std::int64_t;

// A segment under way, in 64 bits: a first segment may start far outside a huge area before it
// is pulled in.
struct TSpan {
    i64 Left, Top, Right, Bottom;

    TRect ToRect() const {
        return {SaturatedInt(Left), SaturatedInt(Top), SaturatedInt(Right), SaturatedInt(Bottom)};
    }
};

i64 Extent(int from, int to) {
    return std::max<i64>(0, i64{to} - from);
}

int ToInt(i64 value) {
    return SaturatedInt(value);
}

bool Shows(const TRect& dest, const TRect& visible) {
    return dest.Left < visible.Right && visible.Left < dest.Right && dest.Top < visible.Bottom &&
           visible.Top < dest.Bottom;
}

// How many whole pitches the walk may skip before reaching `distance` pixels on: segments that
// end before the visible part of a huge bar cost nothing.
i64 Skipped(i64 distance, i64 pitch) {
    return distance > 0 ? distance / pitch * pitch : 0;
}

void Horizontal(const TLevelBarSettings& s, std::vector<TLevelSegment>& out) {
    const TRect& a = s.Area;
    const i64 thickness = Extent(a.Top, a.Bottom);
    const i64 pitch = SegmentPitch(ToInt(thickness));
    const i64 filled = FilledLength(s.Percent, ToInt(Extent(a.Left, a.Right)));
    TSpan seg{i64{a.Left} + 1, i64{a.Top} + 1, i64{a.Left} + pitch - 1, i64{a.Bottom} - 1};
    if (s.Smooth) {
        seg.Right = i64{a.Left} + filled;
    } else {
        // Separate segments of no length would never advance.
        if (pitch <= 2) return;
        const i64 skip = Skipped(i64{s.Visible.Left} - seg.Right, pitch);
        seg.Left += skip;
        seg.Right += skip;
    }
    if (seg.Bottom <= seg.Top) return;
    const i64 end = std::min(i64{a.Left} + filled, i64{s.Visible.Right});
    while (seg.Left < end) {
        if (seg.Right >= a.Right) seg.Right = i64{a.Right} - 1;
        const i64 width = std::max<i64>(0, seg.Right - seg.Left);
        const TRect dest = seg.ToRect();
        const i64 from = seg.Left - a.Left;
        if (width > 0 && Shows(dest, s.Visible))
            out.push_back({dest, TSpan{from, 0, from + width, seg.Bottom - seg.Top}.ToRect()});
        seg.Left += width + 2;
        seg.Right += width + 2;
    }
}

void Vertical(const TLevelBarSettings& s, std::vector<TLevelSegment>& out) {
    const TRect& a = s.Area;
    const i64 fillWidth = Extent(a.Left, a.Right);
    const i64 pitch = SegmentPitch(ToInt(fillWidth));
    const i64 filled = FilledLength(s.Percent, ToInt(Extent(a.Top, a.Bottom)));
    TSpan seg{i64{a.Left} + 1, i64{a.Bottom} - pitch + 1, i64{a.Right} - 1, i64{a.Bottom} - 1};
    if (s.Smooth) {
        seg = {seg.Left, i64{a.Bottom} - filled, seg.Right, a.Bottom};
    } else {
        if (pitch <= 2) return;
        const i64 skip = Skipped(seg.Top - s.Visible.Bottom, pitch);
        seg.Top -= skip;
        seg.Bottom -= skip;
    }
    if (seg.Right <= seg.Left) return;
    const i64 end = std::max(i64{a.Bottom} - filled, i64{s.Visible.Top});
    while (end < seg.Bottom) {
        if (seg.Top <= a.Top) seg.Top = i64{a.Top} + 1;
        const i64 height = std::max<i64>(0, seg.Bottom - seg.Top);
        const TRect dest = seg.ToRect();
        const i64 from = seg.Top - a.Top - 1;
        if (height > 0 && Shows(dest, s.Visible))
            out.push_back({dest, TSpan{0, from, fillWidth, from + height}.ToRect()});
        seg.Top -= height + 2;
        seg.Bottom -= height + 2;
    }
}

}  // namespace

int LevelPercent(int position, int minValue, int maxValue) {
    const i64 span = RangeSpan(minValue, maxValue);
    if (span == 0) return 0;
    // PercentFrom's rule on differences that take 33 bits; doubles hold them exactly.
    return TruncToInt(static_cast<double>(i64{position} - minValue) * 100.0 /
                      static_cast<double>(span));
}

int FilledLength(int percent, int extent) {
    if (extent <= 0) return 0;
    return std::clamp(PercentOf(percent, extent), 0, extent);
}

int SegmentPitch(int thickness) {
    return std::max(thickness, 0) / 3 * 2;
}

std::vector<TLevelSegment> LevelBarSegments(const TLevelBarSettings& settings) {
    std::vector<TLevelSegment> segments;
    if (settings.Orientation == TVrOrientation::voHorizontal)
        Horizontal(settings, segments);
    else
        Vertical(settings, segments);
    return segments;
}

TRect SegmentsBounds(const std::vector<TLevelSegment>& segments) {
    if (segments.empty()) return {};
    TRect r = segments.front().Dest;
    for (const TLevelSegment& s : segments) {
        r.Left = std::min(r.Left, s.Dest.Left);
        r.Top = std::min(r.Top, s.Dest.Top);
        r.Right = std::max(r.Right, s.Dest.Right);
        r.Bottom = std::max(r.Bottom, s.Dest.Bottom);
    }
    return r;
}

}  // namespace mox
