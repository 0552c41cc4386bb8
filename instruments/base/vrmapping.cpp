#include "instruments/base/vrmapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mox {

namespace {

constexpr double kRadiansPerDegree = M_PI / 180.0;

// An integral real pulled into [lo, hi] before the conversion, which is undefined beyond them.
template <class Int, class Real>
Int Saturated(Real value) {
    if (std::isnan(value)) return 0;
    constexpr Real lo = static_cast<Real>(std::numeric_limits<Int>::min());
    constexpr Real hi = static_cast<Real>(std::numeric_limits<Int>::max());
    if (value <= lo) return std::numeric_limits<Int>::min();
    if (value >= hi) return std::numeric_limits<Int>::max();
    return static_cast<Int>(value);
}

}  // namespace

int SaturatedInt(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

int TruncToInt(double value) {
    return Saturated<int>(std::trunc(value));
}

int RoundToInt(double value) {
    return Saturated<int>(std::nearbyint(value));
}

double RangeFraction(int value, int minValue, int maxValue) {
    const std::int64_t span = RangeSpan(minValue, maxValue);
    if (span == 0) return 0.0;
    return static_cast<double>(RangeSpan(minValue, value)) / static_cast<double>(span);
}

int ValueToStep(int value, int minValue, int maxValue, int steps) {
    const std::int64_t span = RangeSpan(minValue, maxValue);
    if (span == 0) return 0;
    // The product takes up to 63 bits; the extended type holds it exactly, so a value at the
    // maximum reaches the last step instead of falling one short.
    const long double product =
        static_cast<long double>(RangeSpan(minValue, value)) * static_cast<long double>(steps);
    return Saturated<int>(std::trunc(product / static_cast<long double>(span)));
}

double ValueToAngle(int value, int minValue, int maxValue, int steps, double startAngle,
                    double stepAngle) {
    return startAngle + ValueToStep(value, minValue, maxValue, steps) * stepAngle;
}

int ValueToPixel(int value, int minValue, int maxValue, int start, int travel) {
    if (RangeSpan(minValue, maxValue) == 0 || travel <= 0) return start;
    const double share = RangeFraction(value, minValue, maxValue);
    return SaturatedInt(std::int64_t{start} + RoundToInt(travel * share));
}

int PixelToValue(std::int64_t offset, int travel, int minValue, int maxValue) {
    if (travel <= 0) return minValue;
    const double scaled =
        static_cast<double>(offset) * static_cast<double>(RangeSpan(minValue, maxValue)) / travel;
    const double value = std::max(0.0, std::nearbyint(scaled)) + minValue;
    return Saturated<int>(std::min(value, static_cast<double>(maxValue)));
}

std::int64_t LabelValue(std::int64_t index, int intervals, int minValue, int maxValue) {
    if (intervals == 0) return minValue;
    const double step = static_cast<double>(RangeSpan(minValue, maxValue)) / intervals;
    const double offset = std::nearbyint(static_cast<double>(index) * step);
    return Saturated<std::int64_t>(offset + minValue);
}

TFarPoint DialPoint(TFarPoint pivot, double angle, double radius) {
    const double radians = angle * kRadiansPerDegree;
    // Far beyond any picture, yet a sum with any pivot stays inside 64 bits.
    constexpr double kReach = 0x1p52;
    const auto along = [&](double v) {
        return static_cast<std::int64_t>(std::clamp(std::trunc(v * radius), -kReach, kReach));
    };
    return {pivot.X + along(std::sin(radians)), pivot.Y - along(std::cos(radians))};
}

TPoint DialPointLimited(TFarPoint pivot, double angle, double radius) {
    const TFarPoint p = DialPoint(pivot, angle, radius);
    const auto limit = [](std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -kCoordLimit, kCoordLimit));
    };
    return {limit(p.X), limit(p.Y)};
}

std::optional<std::pair<TPoint, TPoint>> SegmentWithinCoords(TFarPoint from, TFarPoint to) {
    const auto inside = [](const TFarPoint& p) {
        return p.X >= -kCoordLimit && p.X <= kCoordLimit && p.Y >= -kCoordLimit &&
               p.Y <= kCoordLimit;
    };
    const auto narrow = [](const TFarPoint& p) {
        return TPoint{static_cast<int>(p.X), static_cast<int>(p.Y)};
    };
    if (inside(from) && inside(to)) return std::pair{narrow(from), narrow(to)};

    // Liang-Barsky: keep the parameter interval of the line that lies within the square.
    const double x0 = static_cast<double>(from.X), y0 = static_cast<double>(from.Y);
    const double dx = static_cast<double>(to.X) - x0, dy = static_cast<double>(to.Y) - y0;
    double t0 = 0.0, t1 = 1.0;
    const auto clip = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    constexpr double limit = kCoordLimit;
    if (!clip(-dx, x0 + limit) || !clip(dx, limit - x0) || !clip(-dy, y0 + limit) ||
        !clip(dy, limit - y0))
        return std::nullopt;
    const auto at = [&](double t) {
        const auto coord = [limit](double v) {
            return static_cast<int>(std::clamp(std::nearbyint(v), -limit, limit));
        };
        return TPoint{coord(x0 + t * dx), coord(y0 + t * dy)};
    };
    return std::pair{at(t0), at(t1)};
}

void AppendSpread(std::vector<int>& indices, int first, int end, int step, int budget) {
    if (end <= first || step <= 0) return;
    const std::int64_t count = (RangeSpan(first, end) + step - 1) / step;
    const std::int64_t allowed = std::max(budget, 1);
    const std::int64_t stride = (count + allowed - 1) / allowed;
    for (std::int64_t k = 0; k < count; k += stride)
        indices.push_back(static_cast<int>(first + k * step));
    if ((count - 1) % stride != 0) indices.push_back(static_cast<int>(first + (count - 1) * step));
}

}  // namespace mox
