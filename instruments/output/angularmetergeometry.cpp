#include "instruments/output/angularmetergeometry.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace mox {

namespace {

// Marks worth drawing per pixel of the dial's circumference: a tick every half pixel already
// paints the ring solid, and labels overlap long before that.
constexpr double kMarksPerPixel = 2.0;
constexpr int kMinBudget = 64;
constexpr int kMaxBudget = 1 << 16;

TRect SaturatedBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
    return {SaturatedInt(left), SaturatedInt(top), SaturatedInt(right), SaturatedInt(bottom)};
}

// The marks drawn for `count` + 1 evenly spread ones: all of them, or a spread within budget.
std::vector<int> DrawnMarks(int count, int budget) {
    std::vector<int> marks;
    const std::int64_t all = std::int64_t{count} + 1;
    if (all <= budget) {
        for (int i = 0; i <= count; ++i)
            marks.push_back(i);
    } else {
        AppendSpread(marks, 0, SaturatedInt(all), 1, budget);
        if (marks.back() != count) marks.push_back(count);
    }
    return marks;
}

double MarkAngle(const TAngularLayout& layout, int index, int count) {
    return layout.Start + index * (layout.Sweep / count);
}

}  // namespace

TAngularLayout AngularLayout(int width, int height, int radius, int spacing, int angle, int sweep) {
    const std::int64_t dx = radius >= 0 ? 2 * std::int64_t{radius} : width;
    const std::int64_t dy = radius >= 0 ? 2 * std::int64_t{radius} : height;
    TAngularLayout layout;
    layout.Centre = {dx / 2, dy / 2};
    layout.InnerRadius = (radius >= 0 ? std::int64_t{radius} : std::min(dx / 2, dy / 2)) - spacing;
    layout.Start = angle + 180.0;
    layout.Sweep = sweep;
    const double circumference =
        2 * std::numbers::pi * std::min<double>(std::abs(layout.InnerRadius), 1 << 20);
    layout.MarkBudget = static_cast<int>(
        std::clamp(circumference * kMarksPerPixel, double{kMinBudget}, double{kMaxBudget}));
    return layout;
}

TRect ZoneBox(const TAngularLayout& layout, int ringWidth) {
    const std::int64_t r = layout.InnerRadius + ringWidth;
    return SaturatedBox(layout.Centre.X - r, layout.Centre.Y - r, layout.Centre.X + r,
                        layout.Centre.Y + r);
}

std::vector<TZoneSlice> ZoneSlices(const TAngularLayout& layout, int percent1, int percent2,
                                   TColor color1, TColor color2, TColor color3) {
    std::vector<TZoneSlice> slices;
    const double start = layout.Start;
    const double end = layout.Start + layout.Sweep;
    double z1 = start;
    if (percent1 != 0) {
        z1 = layout.Sweep * (percent1 * 0.01) + start;
        slices.push_back({color1, start, z1});
    }
    double z2 = z1;
    if (percent2 != 0) {
        z2 = layout.Sweep * (percent2 * 0.01) + z1;
        slices.push_back({color2, z1, z2});
    }
    if (std::int64_t{percent1} + percent2 < 100) slices.push_back({color3, z2, end});
    return slices;
}

std::vector<TAngularTick> AngularTicks(const TAngularLayout& layout, int ticks, int shortLength,
                                       int longLength, int enlarge) {
    std::vector<TAngularTick> result;
    if (ticks <= 0) return result;
    const auto r = static_cast<double>(layout.InnerRadius);
    for (const int i : DrawnMarks(ticks, layout.MarkBudget)) {
        const bool isLong = enlarge >= 1 ? i % enlarge == 0 : i == 0;
        const double angle = MarkAngle(layout, i, ticks);
        const double length = isLong ? longLength : shortLength;
        const auto segment = SegmentWithinCoords(DialPoint(layout.Centre, angle, r),
                                                 DialPoint(layout.Centre, angle, r + length));
        if (segment) result.push_back({segment->first, segment->second});
    }
    return result;
}

QString LabelText(double value, int decimals) {
    return QLocale().toString(value, 'f', std::clamp(decimals, 0, kMaxDialDecimals));
}

std::vector<TAngularLabel> AngularLabels(const TAngularLayout& layout, int labels, int offset,
                                         double minValue, double maxValue, int decimals) {
    std::vector<TAngularLabel> result;
    if (labels <= 0) return result;
    const double r = static_cast<double>(layout.InnerRadius) + offset;
    for (const int j : DrawnMarks(labels, layout.MarkBudget)) {
        // Label 0 reads MinValue exactly; the others step from it.
        const double value = j == 0 ? minValue : j * (maxValue - minValue) / labels + minValue;
        result.push_back({LabelText(value, decimals),
                          DialPointLimited(layout.Centre, MarkAngle(layout, j, labels), r)});
    }
    return result;
}

QStringList CaptionLines(const QString& caption) {
    QStringList lines;
    qsizetype from = 0;
    while (from < caption.size()) {
        const qsizetype bar = caption.indexOf(u'|', from);
        const qsizetype end = bar < 0 ? caption.size() : bar;
        lines << caption.mid(from, end - from);
        from = end + 1;
    }
    return lines;
}

double NeedleAngle(const TAngularLayout& layout, double position, double minValue,
                   double maxValue) {
    const double fraction = (position - minValue) / (maxValue - minValue);
    if (!std::isfinite(fraction)) return layout.Start;
    return layout.Start + fraction * layout.Sweep;
}

TNeedle NeedleTriangle(const TAngularLayout& layout, double angle, int length, int baseWidth) {
    const double tip = length >= 0 ? length : static_cast<double>(layout.InnerRadius);
    const double half = baseWidth / 2;
    return {DialPointLimited(layout.Centre, angle, tip),
            DialPointLimited(layout.Centre, angle - 90, half),
            DialPointLimited(layout.Centre, angle + 90, half)};
}

TRect CircleBox(const TAngularLayout& layout, int radius) {
    return SaturatedBox(layout.Centre.X - radius, layout.Centre.Y - radius,
                        layout.Centre.X + radius, layout.Centre.Y + radius);
}

TRect NeedleArea(const TNeedle& needle, const TRect& hub, const TRect& dot) {
    std::int64_t left = std::min({needle.Tip.X, needle.Corner1.X, needle.Corner2.X});
    std::int64_t top = std::min({needle.Tip.Y, needle.Corner1.Y, needle.Corner2.Y});
    std::int64_t right = std::max({needle.Tip.X, needle.Corner1.X, needle.Corner2.X});
    std::int64_t bottom = std::max({needle.Tip.Y, needle.Corner1.Y, needle.Corner2.Y});
    for (const TRect& box : {hub, dot}) {
        left = std::min<std::int64_t>({left, box.Left, box.Right});
        top = std::min<std::int64_t>({top, box.Top, box.Bottom});
        right = std::max<std::int64_t>({right, box.Left, box.Right});
        bottom = std::max<std::int64_t>({bottom, box.Top, box.Bottom});
    }
    return SaturatedBox(left - 1, top - 1, right + 2, bottom + 2);
}

}  // namespace mox
