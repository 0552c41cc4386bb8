#include "instruments/output/metergeometry.h"

#include <algorithm>
#include <cstdint>

#include "instruments/base/vrdraw.h"

namespace mox {

namespace {

// Marks worth drawing per pixel of the control's outline (width + height): even a full circle of
// the scale's radius gets a tick every half pixel, and labels, each many pixels wide, overlap long
// before their budget. A denser scale is a smear that more marks would not change.
constexpr std::int64_t kTicksPerPixel = 16;
constexpr std::int64_t kLabelsPerPixel = 1;
constexpr std::int64_t kMinBudget = 256;
constexpr std::int64_t kMaxBudget = 1 << 22;
// The needle stops this far below the control's top edge (with the pivot on the bottom edge).
constexpr std::int64_t kHeadroom = 10;

int Budget(std::int64_t perPixel, std::int64_t outline) {
    return static_cast<int>(std::clamp(perPixel * outline, kMinBudget, kMaxBudget));
}

// The counter that starts at Enlarge and runs 1, 2, … up to Enlarge makes every Enlarge-th tick
// from tick 0 long, and only tick 0 when Enlarge is below 1.
bool IsLongTick(int i, int enlarge) {
    return enlarge >= 1 ? i % enlarge == 0 : i == 0;
}

std::vector<int> DrawnTicks(const TMeterScaleSettings& scale, std::int64_t zone1End,
                            std::int64_t zone2End, int budget) {
    std::vector<int> indices;
    const int count = scale.Ticks;
    if (count <= budget) {
        for (int i = 0; i < count; ++i)
            indices.push_back(i);
        return indices;
    }
    AppendSpread(indices, 0, count, 1, budget);
    if (scale.Enlarge >= 1)
        AppendSpread(indices, 0, count, scale.Enlarge, budget);
    else
        indices.push_back(0);
    for (const std::int64_t edge : {zone1End, zone2End})
        for (const std::int64_t i : {edge - 1, edge})
            if (i >= 0 && i < count) indices.push_back(static_cast<int>(i));
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

}  // namespace

TMeterLayout MeterLayout(int width, int height, int spacing, int angle, int ticks) {
    TMeterLayout layout;
    layout.Radius = SaturatedInt(height - kHeadroom);
    layout.Pivot = {width / 2, std::int64_t{height} + spacing};
    layout.StartAngle = angle + 270.0;
    // Without ticks there is no step: everything sits at the start of the scale.
    layout.Step = ticks > 0 ? (180.0 - 2.0 * angle) / ticks : 0.0;
    const std::int64_t outline = std::int64_t{std::max(width, 0)} + std::max(height, 0);
    layout.TickBudget = Budget(kTicksPerPixel, outline);
    layout.LabelBudget = Budget(kLabelsPerPixel, outline);
    return layout;
}

TPoint PointAt(TFarPoint pivot, double angle, double r) {
    return DialPointLimited(pivot, angle, r);
}

std::vector<TMeterTick> MeterTicks(const TMeterLayout& layout, const TMeterScaleSettings& scale) {
    std::vector<TMeterTick> ticks;
    const std::int64_t n1 = PercentOf(scale.Percent1, scale.Ticks);
    const std::int64_t n2 = n1 + PercentOf(scale.Percent2, scale.Ticks);
    const double inner = static_cast<double>(std::int64_t{layout.Radius} - scale.HeightMin);
    for (const int i : DrawnTicks(scale, n1, n2, layout.TickBudget)) {
        const std::int64_t k = std::int64_t{i} + 1;
        const TColor color = k <= n1 ? scale.Color1 : k <= n2 ? scale.Color2 : scale.Color3;
        const int length = IsLongTick(i, scale.Enlarge) ? scale.HeightMax : scale.HeightMin;
        const double angle = layout.StartAngle + i * layout.Step;
        const auto line = SegmentWithinCoords(DialPoint(layout.Pivot, angle, inner),
                                              DialPoint(layout.Pivot, angle, inner + length));
        if (line) ticks.push_back({i, line->first, line->second, color});
    }
    return ticks;
}

std::vector<TMeterLabel> MeterLabels(const TMeterLayout& layout, int ticks, int labels,
                                     int minValue, int maxValue) {
    std::vector<TMeterLabel> result;
    if (labels <= 0 || ticks <= 0) return result;
    // A label stands on every stride-th tick; with more labels than ticks the count-down that
    // places them never comes round again, and only the first stands.
    const int stride = ticks / labels;
    const int count = stride > 0 ? (ticks - 1) / stride + 1 : 1;
    std::vector<int> drawn;
    AppendSpread(drawn, 0, count, 1, layout.LabelBudget);
    for (const int j : drawn) {
        const int tick = j * stride;
        result.push_back({tick, QString::number(LabelValue(j, labels, minValue, maxValue)),
                          layout.StartAngle + tick * layout.Step});
    }
    return result;
}

int NeedleIndex(int position, int minValue, int maxValue, int ticks) {
    return ValueToStep(position, minValue, maxValue, ticks);
}

}  // namespace mox
