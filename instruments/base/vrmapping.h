#pragma once
// How an instrument turns its integer value range into its picture and back: value to angle,
// value to pixel, pixel to value, and the value a scale label shows. A range may be anything a
// rack file holds, so spans and offsets are formed in 64 bits, products in floating point, and
// every result is pulled into the integer range before it leaves: values at either end of int
// neither wrap nor reach an undefined conversion. Also the helpers that keep a scale's drawing
// bounded by its pixels when a property asks for more marks than the picture can show.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "toolkit/core/types.h"

namespace mox {

// `value` pulled into the int range.
int SaturatedInt(std::int64_t value);
// Truncated toward zero, respectively rounded to nearest with halves to even, pulled into the int
// range; not-a-number gives 0.
int TruncToInt(double value);
int RoundToInt(double value);

// MaxValue − MinValue, which takes 33 bits at the ends of int.
constexpr std::int64_t RangeSpan(int minValue, int maxValue) {
    return std::int64_t{maxValue} - minValue;
}

// (value − minValue) / (maxValue − minValue); 0 for an empty range.
double RangeFraction(int value, int minValue, int maxValue);

// The step of a scale cut into `steps` equal steps that `value` reaches:
// Trunc((value − minValue) × steps / (maxValue − minValue)), so minValue is step 0 and maxValue
// step `steps`. 0 for an empty range.
int ValueToStep(int value, int minValue, int maxValue, int steps);
// The angle of that step on a scale whose step 0 lies at `startAngle`, `stepAngle` apart.
double ValueToAngle(int value, int minValue, int maxValue, int steps, double startAngle,
                    double stepAngle);

// The leading pixel of a thumb that travels `travel` pixels from `start`:
// start + Round(travel × (value − minValue) / (maxValue − minValue)), halves to even; `start` for
// an empty range or no travel.
int ValueToPixel(int value, int minValue, int maxValue, int start, int travel);
// The value a thumb `offset` pixels along its travel stands for:
// Min(Max(0, Round(offset × (maxValue − minValue) / travel)) + minValue, maxValue); minValue when
// there is no travel.
int PixelToValue(std::int64_t offset, int travel, int minValue, int maxValue);

// The value of label `index` on a scale of `intervals` equal label intervals:
// minValue + Round(index × (maxValue − minValue) / intervals), halves to even. 64 bits, since
// labels past the last interval may lie beyond int; minValue when there are no intervals.
std::int64_t LabelValue(std::int64_t index, int intervals, int minValue, int maxValue);

// A point that may lie beyond the int range (a pivot far below the control, a tick pushed far
// out); the canvas only takes int coordinates, so such points are clipped before drawing.
struct TFarPoint {
    std::int64_t X = 0;
    std::int64_t Y = 0;

    bool operator==(const TFarPoint&) const = default;
};

// The point at `angle` degrees clockwise from straight up and `radius` from `pivot`:
// (X + Trunc(sin × radius), Y − Trunc(cos × radius)).
TFarPoint DialPoint(TFarPoint pivot, double angle, double radius);
// The same with each coordinate pulled into the canvas's coordinate space (for text anchors,
// which the canvas would pull in alike).
TPoint DialPointLimited(TFarPoint pivot, double angle, double radius);

// The part of the segment from `from` to `to` that lies within the canvas's coordinate space,
// along the same line; none when it misses that space. A segment inside it comes back unchanged.
std::optional<std::pair<TPoint, TPoint>> SegmentWithinCoords(TFarPoint from, TFarPoint to);

// Indices `first`, `first` + `step`, … below `end`: all of them when there are at most `budget`,
// otherwise an even spread of about `budget` of them that keeps the first and the last. A scale
// that asks for more marks than its pixels can show draws a bounded number of them.
void AppendSpread(std::vector<int>& indices, int first, int end, int step, int budget);

}  // namespace mox
