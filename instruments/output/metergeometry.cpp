#include "instruments/output/metergeometry.h"

#include <cmath>

#include "instruments/base/vrdraw.h"

namespace mox {

namespace {

constexpr double kRadiansPerDegree = M_PI / 180.0;

}  // namespace

TMeterLayout MeterLayout(int width, int height, int spacing, int angle, int ticks) {
    TMeterLayout layout;
    layout.Radius = height - 10;
    layout.Pivot = {width / 2, height + spacing};
    layout.StartAngle = angle + 270;
    // Without ticks there is no step: everything sits at the start of the scale.
    layout.Step = ticks > 0 ? (180.0 - 2.0 * angle) / ticks : 0.0;
    return layout;
}

TPoint PointAt(TPoint pivot, double angle, double r) {
    const double radians = angle * kRadiansPerDegree;
    return {pivot.X + static_cast<int>(std::trunc(std::sin(radians) * r)),
            pivot.Y - static_cast<int>(std::trunc(std::cos(radians) * r))};
}

std::vector<TMeterTick> MeterTicks(const TMeterLayout& layout, const TMeterScaleSettings& scale) {
    std::vector<TMeterTick> ticks;
    const int n1 = PercentOf(scale.Percent1, scale.Ticks);
    const int n2 = n1 + PercentOf(scale.Percent2, scale.Ticks);
    int counter = scale.Enlarge;
    for (int i = 0; i < scale.Ticks; ++i) {
        const int k = i + 1;
        const TColor color = k <= n1 ? scale.Color1 : k <= n2 ? scale.Color2 : scale.Color3;
        const int length = counter == scale.Enlarge ? scale.HeightMax : scale.HeightMin;
        const double angle = layout.StartAngle + i * layout.Step;
        const double inner = layout.Radius - scale.HeightMin;
        ticks.push_back({PointAt(layout.Pivot, angle, inner),
                         PointAt(layout.Pivot, angle, inner + length), color});
        counter = counter < scale.Enlarge ? counter + 1 : 1;
    }
    return ticks;
}

std::vector<TMeterLabel> MeterLabels(const TMeterLayout& layout, int ticks, int labels,
                                     int minValue, int maxValue) {
    std::vector<TMeterLabel> result;
    if (labels <= 0) return result;
    const double valueStep = static_cast<double>(maxValue - minValue) / labels;
    const int stride = ticks / labels - 1;
    int countdown = 0;
    for (int i = 0; i < ticks; ++i) {
        if (countdown != 0) {
            --countdown;
            continue;
        }
        const int j = static_cast<int>(result.size());
        const auto value = minValue + static_cast<int>(std::nearbyint(j * valueStep));
        result.push_back({i, QString::number(value), layout.StartAngle + i * layout.Step});
        countdown = stride;
    }
    return result;
}

int NeedleIndex(int position, int minValue, int maxValue, int ticks) {
    if (maxValue == minValue) return 0;
    const long long product = static_cast<long long>(position - minValue) * ticks;
    return static_cast<int>(std::trunc(static_cast<double>(product) / (maxValue - minValue)));
}

}  // namespace mox
