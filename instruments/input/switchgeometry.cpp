#include "instruments/input/switchgeometry.h"

#include <algorithm>
#include <cstdint>

namespace mox {

namespace {

int Extent(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, kMaxSwitchExtent));
}

}  // namespace

TSize SwitchSize(TSize current, TVrOrientation orientation, TSize thumb, int slots,
                 int borderWidth) {
    const std::int64_t frame = 2 * std::int64_t{borderWidth};
    if (orientation == TVrOrientation::voHorizontal)
        return {Extent(std::int64_t{thumb.cx} * slots + frame),
                std::max(Extent(thumb.cy + frame), current.cy)};
    return {std::max(Extent(thumb.cx + frame), current.cx),
            Extent(std::int64_t{thumb.cy} * slots + frame)};
}

TSliderMapping SwitchMapping(const TSwitchSettings& s) {
    return {
        SliderTrack(s.Client, s.BorderWidth, s.ThumbIndent, s.Orientation, s.Thumb.cx, s.Thumb.cy),
        s.Orientation,
        s.Style,
        0,
        std::max(s.Slots, 1) - 1,
        s.Thumb.cx,
        s.Thumb.cy,
        s.Client.Height(),
        s.Client.Width()};
}

}  // namespace mox
