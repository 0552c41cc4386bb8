#include "instruments/output/powermetergeometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "instruments/base/vrmapping.h"

namespace mox {

namespace {

// The bar's right edge stands this far left of the middle; the labels start at the middle.
constexpr std::int64_t kBarGap = 10;
constexpr std::int64_t kLabelGap = 10;
// The label rectangles reach this far past the rows of their values.
constexpr std::int64_t kLabelOverhang = 6;
// The marker's tip keeps this far from the bar.
constexpr std::int64_t kMarkerGap = 2;
// Tick lines start and end this far right of the bar.
constexpr std::int64_t kTickStart = 3;
constexpr std::int64_t kTickEnd = 7;
// Ticks walked one by one beyond two per row of the picture, before the scale counts as finer
// than the picture.
constexpr std::int64_t kWalkSlack = 64;
constexpr int kSignificantDigits = 8;
// Below this the products of a row's formula keep its fraction of a row to 2^-21.
constexpr double kExactProduct = 0x1p32;

int Coord(std::int64_t v) {
    return LimitCoord(SaturatedInt(v));
}

// The tick rows of a scale with more ticks than the picture has rows, or with a step too small
// to move the value: from the ticks' count and spacing instead of walking them.
class TScaleSpread {
public:
    TScaleSpread(const TPowerMeterLayout& layout, double increment, int lastRow,
                 std::vector<int>& rows)
        : FLayout(layout), FIncrement(increment), FLastRow(lastRow), FRows(rows) {}

    void Add(int row) {
        if (row < 0 || row > FLastRow) return;
        if (!FRows.empty() && FRows.back() == row) return;
        FRows.push_back(row);
    }

    void Run() {
        const double lo = FLayout.MinValue, hi = FLayout.MaxValue;
        if (!(hi > lo)) {
            Add(ValueRow(FLayout, lo));
            return;
        }
        const double range = hi - lo;
        FHalved = !std::isfinite(range);
        // The range in steps, and the rows between two ticks.
        const double steps = FHalved ? (hi / 2 - lo / 2) / (FIncrement / 2) : range / FIncrement;
        const double span = static_cast<double>(FLayout.Bottom - FLayout.Top);
        const double pixels = std::abs(span) / steps;
        const double lastIndex = std::floor(steps);
        if (!(pixels >= 0.5) || !std::isfinite(pixels))
            EveryRow(lastIndex);
        else
            VisibleTicks(steps, lastIndex, span);
    }

private:
    double TickValue(double index) const {
        const double lo = FLayout.MinValue;
        return FHalved ? (lo / 2 + index * (FIncrement / 2)) * 2 : lo + index * FIncrement;
    }

    // Ticks less than a row apart leave no row between the first and the last one bare.
    void EveryRow(double lastIndex) {
        double lastTick = TickValue(lastIndex);
        if (!std::isfinite(lastTick) || lastTick > FLayout.MaxValue) lastTick = FLayout.MaxValue;
        const std::int64_t from = ValueRow(FLayout, FLayout.MinValue);
        const std::int64_t to = ValueRow(FLayout, lastTick);
        const std::int64_t last = FLastRow;
        if (from >= to) {
            for (std::int64_t row = std::min(from, last); row >= std::max(to, std::int64_t{0});
                 --row)
                Add(static_cast<int>(row));
        } else {
            for (std::int64_t row = std::max(from, std::int64_t{0}); row <= std::min(to, last);
                 ++row)
                Add(static_cast<int>(row));
        }
    }

    // Ticks at least half a row apart: only those near the picture, a bounded number.
    void VisibleTicks(double steps, double lastIndex, double span) {
        // Tick i stands on about Bottom − span × i / steps.
        const auto indexAt = [&](double row) {
            return steps * (static_cast<double>(FLayout.Bottom) - row) / span;
        };
        const double a = indexAt(-1.0), b = indexAt(FLastRow + 1.0);
        const double first = std::max(std::floor(std::min(a, b)) - 1, 0.0);
        const double end = std::min(std::ceil(std::max(a, b)) + 1, lastIndex);
        for (double i = first; i <= end; ++i) {
            const double v = TickValue(i);
            if (v > FLayout.MaxValue) break;
            Add(ValueRow(FLayout, v));
        }
    }

    const TPowerMeterLayout& FLayout;
    double FIncrement;
    int FLastRow;
    std::vector<int>& FRows;
    bool FHalved = false;
};

}  // namespace

TPowerMeterLayout PowerMeterLayout(const TPowerMeterSettings& s) {
    TPowerMeterLayout layout;
    layout.Width = s.Width;
    layout.Height = s.Height;
    layout.BarRight = std::int64_t{s.Width} / 2 - kBarGap;
    layout.BarLeft = layout.BarRight - s.BarWidth;
    layout.Top = std::int64_t{s.TopOffset} + (s.TitleOnTop ? s.TitleHeight : 0);
    layout.Bottom =
        std::int64_t{s.Height} - s.BottomOffset - (s.TitleOnTop ? 0 : std::int64_t{s.TitleHeight});
    layout.MinValue = s.MinValue;
    layout.MaxValue = s.MaxValue;
    return layout;
}

int ValueRow(const TPowerMeterLayout& layout, double x) {
    const double lo = layout.MinValue, hi = layout.MaxValue;
    if (!(hi > lo)) return 0;
    const double top = static_cast<double>(layout.Top);
    const double span = static_cast<double>(layout.Bottom - layout.Top);
    const double range = hi - lo;
    if (std::isfinite(range)) {
        // k rows a unit, negative as values grow upwards; the row is top + k × x − k × MaxValue.
        const double k = span / -range;
        const double atValue = k * x, atMax = k * hi;
        if (std::abs(atValue) < kExactProduct && std::abs(atMax) < kExactProduct)
            return RoundToInt(top + (atValue - atMax));
    }
    // Products too large to leave the row in their difference (a narrow range far from zero, or
    // a range too wide or too narrow for k): the value's share of the range, halved where the
    // range itself overflows.
    const double share =
        std::isfinite(range) ? (hi - x) / range : (hi / 2 - x / 2) / (hi / 2 - lo / 2);
    return RoundToInt(top + share * span);
}

TRect BarRect(const TPowerMeterLayout& l) {
    return {Coord(l.BarLeft), Coord(ValueRow(l, l.MaxValue)), Coord(l.BarRight),
            Coord(ValueRow(l, l.MinValue))};
}

TRect FillRect(const TPowerMeterLayout& l, double value) {
    return {Coord(l.BarLeft + 1), Coord(ValueRow(l, value)), Coord(l.BarRight),
            Coord(ValueRow(l, l.MinValue))};
}

TBarEdges BarEdges(const TPowerMeterLayout& l) {
    const std::int64_t top = ValueRow(l, l.MaxValue);
    const std::int64_t bottom = std::int64_t{ValueRow(l, l.MinValue)} - 1;
    const int left = Coord(l.BarLeft), right = Coord(l.BarRight);
    return {.HighlightFrom = {Coord(l.BarRight - 1), Coord(top)},
            .HighlightCorner = {left, Coord(top)},
            .ShadowFrom = {left, Coord(bottom)},
            .ShadowCorner = {right, Coord(bottom)},
            .ShadowTo = {right, Coord(top)}};
}

std::optional<TLevelLine> LevelLine(const TPowerMeterLayout& l, double value) {
    if (!(l.MinValue < value && value < l.MaxValue)) return std::nullopt;
    const std::int64_t row = ValueRow(l, value);
    return TLevelLine{.Left = Coord(l.BarLeft + 1),
                      .Right = Coord(l.BarRight),
                      .LightRow = Coord(row),
                      .DarkRow = Coord(row - 1)};
}

TPoint MarkerTopLeft(const TPowerMeterLayout& l, double value, int markerWidth, int markerHeight) {
    return {Coord(l.BarLeft - markerWidth - kMarkerGap),
            Coord(ValueRow(l, value) - std::int64_t{markerHeight} / 2)};
}

TScaleSpan ScaleSpan(const TPowerMeterLayout& l) {
    return {Coord(l.BarRight + kTickStart), Coord(l.BarRight + kTickEnd)};
}

std::vector<int> ScaleRows(const TPowerMeterLayout& layout, double increment, int imageHeight) {
    std::vector<int> rows;
    const double lo = layout.MinValue, hi = layout.MaxValue;
    if (!(increment > 0) || !(lo <= hi)) return rows;
    // A tick on row y draws on rows y − 1 and y.
    const int lastRow = std::max(imageHeight, 0);
    TScaleSpread spread(layout, increment, lastRow, rows);
    // The ticks as the scale defines them, by repeated addition, as long as there are few.
    const std::int64_t budget = 2 * (std::int64_t{lastRow} + 2) + kWalkSlack;
    double v = lo;
    for (std::int64_t walked = 0; v <= hi && walked < budget; ++walked) {
        spread.Add(ValueRow(layout, v));
        const double next = v + increment;
        if (!(next > v)) break;
        v = next;
    }
    if (v > hi) return rows;
    rows.clear();
    spread.Run();
    return rows;
}

TRect MinLabelRect(const TPowerMeterLayout& l) {
    return {Coord(l.BarRight + kLabelGap), Coord(l.Top), Coord(l.Width),
            Coord(l.Bottom + kLabelOverhang)};
}

TRect MaxLabelRect(const TPowerMeterLayout& l) {
    return {Coord(l.BarRight + kLabelGap), Coord(l.Top - kLabelOverhang), Coord(l.Width),
            Coord(l.Height)};
}

QString LabelNumber(double x, int decimals, const QString& decimalPoint) {
    if (std::isnan(x)) return QStringLiteral("NAN");
    if (std::isinf(x)) return x > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    const int places = std::clamp(decimals, 0, kMaxLabelDecimals);
    // Rounded to the significant digits first, to learn how many digits stand before the point.
    char buffer[64];
    const auto scientific = std::to_chars(buffer, buffer + sizeof buffer, x,
                                          std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view rounded(buffer, scientific.ptr);
    const std::size_t e = rounded.find('e');
    int exponent = 0;
    static_cast<void>(
        std::from_chars(rounded.data() + e + 2, rounded.data() + rounded.size(), exponent));
    if (rounded[e + 1] == '-') exponent = -exponent;

    std::string text;
    if (x != 0 && exponent >= kSignificantDigits) {
        std::string mantissa(rounded.substr(0, e));
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.') mantissa.pop_back();
        text = mantissa + 'E' + std::string(rounded.substr(e + 1));
    } else {
        const int shown = std::min(places, std::max(0, kSignificantDigits - 1 - exponent));
        const auto fixed =
            std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, shown);
        text.assign(buffer, fixed.ptr);
        if (places > shown) {
            if (shown == 0) text += '.';
            text.append(static_cast<std::size_t>(places - shown), '0');
        }
        // A negative number that rounds to nothing shows as zero.
        if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
            text.erase(0, 1);
    }
    return QString::fromLatin1(text).replace(QLatin1Char('.'), decimalPoint);
}

QString LabelText(const QString& pattern, const QString& number) {
    const qsizetype at = pattern.indexOf(QLatin1String("%s"));
    if (at < 0) return pattern;
    return pattern.left(at) + number + pattern.mid(at + 2);
}

}  // namespace mox
