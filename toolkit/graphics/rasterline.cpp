#include "toolkit/graphics/rasterline.h"

#include <algorithm>
#include <cstdlib>

namespace mox {

namespace {

// Steps s in [0, length) for which start + sign * s lies in [low, high).
TStepRange StepsInside(int start, int sign, int length, int low, int high) {
    const std::int64_t first =
        sign > 0 ? std::int64_t{low} - start : std::int64_t{start} - high + 1;
    const std::int64_t end = sign > 0 ? std::int64_t{high} - start : std::int64_t{start} - low + 1;
    return {static_cast<int>(std::clamp<std::int64_t>(first, 0, length)),
            static_cast<int>(std::clamp<std::int64_t>(end, 0, length))};
}

}  // namespace

TLineRaster::TLineRaster(TPoint from, TPoint to) : FFrom(Limited(from)) {
    // Limited coordinates keep the step arithmetic well inside 64 bits.
    const TPoint end = Limited(to);
    const int dx = end.X - FFrom.X, dy = end.Y - FFrom.Y;
    FXMajor = std::abs(dx) >= std::abs(dy);
    const int major = FXMajor ? dx : dy, minor = FXMajor ? dy : dx;
    FMajorSign = major < 0 ? -1 : 1;
    FMinorSign = minor < 0 ? -1 : 1;
    FLength = std::abs(major);
    FMinorDelta = std::abs(minor);
}

TPoint TLineRaster::At(int step) const {
    // Nearest pixel to the ideal line; an exact tie stays on the start point's side, as the
    // classic error term (step the minor axis only when the error is above zero) does.
    const std::int64_t n = FLength;
    const auto offset = static_cast<int>((2 * step * FMinorDelta + n - 1) / (2 * n));
    const int major = FMajorSign * step, minor = FMinorSign * offset;
    return FXMajor ? TPoint{FFrom.X + major, FFrom.Y + minor}
                   : TPoint{FFrom.X + minor, FFrom.Y + major};
}

TStepRange TLineRaster::StepsWithin(const TRect& clip) const {
    return FXMajor ? StepsInside(FFrom.X, FMajorSign, FLength, clip.Left, clip.Right)
                   : StepsInside(FFrom.Y, FMajorSign, FLength, clip.Top, clip.Bottom);
}

}  // namespace mox
