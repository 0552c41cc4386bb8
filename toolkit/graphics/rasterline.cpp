#include "toolkit/graphics/rasterline.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace mox {

namespace {

// Steps s in [0, length) for which start + sign * s lies in [low, high).
TStepRange StepsBetween(int start, int sign, int length, int low, int high) {
    const std::int64_t first =
        sign > 0 ? std::int64_t{low} - start : std::int64_t{start} - high + 1;
    const std::int64_t end = sign > 0 ? std::int64_t{high} - start : std::int64_t{start} - low + 1;
    return {static_cast<int>(std::clamp<std::int64_t>(first, 0, length)),
            static_cast<int>(std::clamp<std::int64_t>(end, 0, length))};
}

// The smallest step s >= 0 whose minor offset, floor((2 s delta + n - 1) / (2 n)), is at least
// `offset` (delta >= 1); offsets never fall as s grows.
std::int64_t FirstStepReaching(std::int64_t offset, std::int64_t delta, std::int64_t n) {
    if (offset <= 0) return 0;
    const std::int64_t numerator = 2 * n * offset - n + 1;
    return (numerator + 2 * delta - 1) / (2 * delta);
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
    return FXMajor ? StepsBetween(FFrom.X, FMajorSign, FLength, clip.Left, clip.Right)
                   : StepsBetween(FFrom.Y, FMajorSign, FLength, clip.Top, clip.Bottom);
}

TStepRange TLineRaster::StepsInside(const TRect& clip) const {
    const TStepRange major = StepsWithin(clip);
    if (major.IsEmpty()) return major;
    // The minor offsets inside the clip, [low, high], kept within what the line can reach so the
    // step arithmetic stays small.
    const std::int64_t start = FXMajor ? FFrom.Y : FFrom.X;
    const std::int64_t clipLow = FXMajor ? clip.Top : clip.Left;
    const std::int64_t clipHigh = (FXMajor ? clip.Bottom : clip.Right) - std::int64_t{1};
    std::int64_t low = FMinorSign > 0 ? clipLow - start : start - clipHigh;
    std::int64_t high = FMinorSign > 0 ? clipHigh - start : start - clipLow;
    if (high < 0 || low > FMinorDelta || low > high) return {major.First, major.First};
    if (FMinorDelta == 0) return major;
    low = std::max<std::int64_t>(low, 0);
    high = std::min(high, FMinorDelta);
    const std::int64_t first = FirstStepReaching(low, FMinorDelta, FLength);
    const std::int64_t end = FirstStepReaching(high + 1, FMinorDelta, FLength);
    const auto clamp = [&](std::int64_t s) {
        return static_cast<int>(std::clamp<std::int64_t>(s, major.First, major.End));
    };
    return {clamp(first), clamp(end)};
}

TDashCursor::TDashCursor(std::span<const int> runs, std::int64_t index) : FRuns(runs) {
    if (FRuns.empty()) return;
    const std::int64_t period = std::accumulate(FRuns.begin(), FRuns.end(), std::int64_t{0});
    std::int64_t position = index % period;
    if (position < 0) position += period;
    while (position >= FRuns[FRun]) {
        position -= FRuns[FRun];
        ++FRun;
    }
    FPosition = static_cast<int>(position);
}

std::vector<TLineSegment> FrameLines(const TRect& box) {
    const TRect b = Limited(box);
    if (b.IsEmpty()) return {};
    const int w = b.Width(), h = b.Height(), right = b.Right - 1, bottom = b.Bottom - 1;
    std::vector<TLineSegment> lines = {{{b.Left, b.Top}, {b.Right, b.Top}},
                                       {{right, b.Top + 1}, {right, b.Bottom}}};
    if (w == 1 || h == 1) return lines;
    lines.push_back({{right - 1, bottom}, {b.Left - 1, bottom}});
    lines.push_back({{b.Left, bottom - 1}, {b.Left, b.Top}});
    return lines;
}

}  // namespace mox
