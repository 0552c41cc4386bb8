#pragma once
// Where a power meter's bar, level, marker, scale and labels go, and the text of its two labels:
// pure arithmetic on its settings, so the picture can be checked without drawing it. Values come
// from users and rack files: offsets and widths may hold any int, so positions are formed in 64
// bits and pulled into the canvas's coordinate space before they leave; the value range may span
// the whole double range, so rows never overflow; and the scale yields at most one tick per pixel
// row whatever its step asks for.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "toolkit/core/types.h"

namespace mox {

struct TPowerMeterSettings {
    int Width = 0;
    int Height = 0;
    int BarWidth = 0;
    int TopOffset = 0;
    int BottomOffset = 0;
    int TitleHeight = 0;  // of the caption in the title font
    bool TitleOnTop = true;
    double MinValue = 0.0;
    double MaxValue = 0.0;
};

struct TPowerMeterLayout {
    std::int64_t Width;
    std::int64_t Height;
    std::int64_t BarLeft;   // far left of the control for a wide bar
    std::int64_t BarRight;  // BarLeft + BarWidth
    std::int64_t Top;       // the row of MaxValue
    std::int64_t Bottom;    // the row of MinValue: Height − the bottom margin
    double MinValue;
    double MaxValue;
};

TPowerMeterLayout PowerMeterLayout(const TPowerMeterSettings& settings);

// The row of value `x`: MaxValue on Top, MinValue on Bottom, rounded to nearest with halves to
// even; 0 for every value when MaxValue ≤ MinValue.
int ValueRow(const TPowerMeterLayout& layout, double x);

// The empty bar, from MaxValue's row to MinValue's.
TRect BarRect(const TPowerMeterLayout& layout);
// The filled part, from the value's row down to MinValue's, inside the left edge.
TRect FillRect(const TPowerMeterLayout& layout, double value);

// The bar's edges, drawn as one path: light from HighlightFrom through HighlightCorner to
// ShadowFrom, then dark through ShadowCorner to ShadowTo.
struct TBarEdges {
    TPoint HighlightFrom;
    TPoint HighlightCorner;
    TPoint ShadowFrom;
    TPoint ShadowCorner;
    TPoint ShadowTo;
};
TBarEdges BarEdges(const TPowerMeterLayout& layout);

// The engraved line at the level: a light line on the value's row and a dark one above it, each
// from Left to Right (end excluded). None at either end of the range.
struct TLevelLine {
    int Left;
    int Right;
    int LightRow;
    int DarkRow;
};
std::optional<TLevelLine> LevelLine(const TPowerMeterLayout& layout, double value);

// The top-left corner of a marker of this size pointing at the value from left of the bar.
TPoint MarkerTopLeft(const TPowerMeterLayout& layout, double value, int markerWidth,
                     int markerHeight);

// The scale's ticks: a dark line on the row above each tick's row and a light one on it, each
// from Left to Right (end excluded).
struct TScaleSpan {
    int Left;
    int Right;
};
TScaleSpan ScaleSpan(const TPowerMeterLayout& layout);
// The rows of the ticks at MinValue, MinValue + increment, … up to MaxValue, in drawing order,
// for a picture `imageHeight` rows high. A tick whose lines fall outside the picture, or on the
// row of the tick before, is left out, which changes no pixel. An increment that is not positive
// gives no ticks. A scale finer than the picture's rows (or one whose step is too small to move
// the value at all) is a tick on every row from MinValue's to the last tick's.
std::vector<int> ScaleRows(const TPowerMeterLayout& layout, double increment, int imageHeight);

// The areas of the two labels: the minimum's text stands on the bottom of its rectangle, the
// maximum's hangs from the top of its.
TRect MinLabelRect(const TPowerMeterLayout& layout);
TRect MaxLabelRect(const TPowerMeterLayout& layout);

// Labels show at most this many decimals; more would be zeros past the eight significant
// digits, and a count from a rack file must not decide the length of a string.
constexpr int kMaxLabelDecimals = 18;

// `x` in fixed notation with `decimals` decimals (negative counts as 0), rounded to 8
// significant digits and padded with zeros, `decimalPoint` as separator; numbers with more than
// 8 digits before the point in scientific notation ("1.2345679E+08"). "NAN", "INF", "-INF" for
// the values that are no numbers.
QString LabelNumber(double x, int decimals, const QString& decimalPoint);
// `pattern` with its first "%s" replaced by `number`; anything else in it, other '%' signs
// included, is shown as it is. A pattern without "%s" is shown alone.
QString LabelText(const QString& pattern, const QString& number);

}  // namespace mox
