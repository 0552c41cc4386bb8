#pragma once
// Where a numeric display's cells go and which cell each one is: pure arithmetic on its settings,
// so the picture can be checked without drawing it. The row is built from cells of a digit strip
// (the ten digits, a blank place, an unlit and a lit minus bar side by side). Settings come from
// users and rack files: spacing and sizes may hold any int, so positions are formed in 64 bits,
// and the row never has more cells than the largest digit count and a sign.

#include <QString>
#include <cstdint>
#include <vector>

#include "toolkit/core/typeinfo.h"
#include "toolkit/core/types.h"

namespace mox {

MOX_ENUM(TVrNumStyle, ns13x24, ns11x20, ns7x13, ns12x17, ns5x7)
MOX_ENUM(TVrNumAlignment, naLeftJustify, naCenter, naRightJustify)

// The digit places a display offers.
constexpr int kNumMinDigits = 1;
constexpr int kNumMaxDigits = 16;
// Cells of a digit strip, side by side, all of the same width.
constexpr int kDigitStripCells = 13;

// The cells of a digit strip beyond the ten digits.
enum class TDigitCell : int {
    Blank = 10,
    UnlitMinus = 11,
    LitMinus = 12,
};

// The built-in strip of a style ("NUM13x24"...).
QString DigitStripName(TVrNumStyle style);

// One cell of a strip of this size: the width is the strip's width div 13, so "NUM5x7", 52 wide,
// has cells 4 wide. A strip narrower than 13 pixels has cells of width 0.
TSize DigitCellSize(int stripWidth, int stripHeight);

// `digits` pulled into kNumMinDigits..kNumMaxDigits.
int ClampDigits(int digits);

// The size AutoSize gives: digits × cell width + (digits − 1) × spacing wide, one cell high; both
// pulled into 0..kCoordLimit, the canvas's coordinate space.
TSize NumAutoSize(int digits, int spacing, TSize cell);

// The text shown for `value`: the decimal digits of its magnitude (none for 0 with `zeroBlank`),
// padded on the left to `digits` places with '0' (`leadingZero`) or ' '. A longer text is kept
// whole.
QString NumText(int value, int digits, bool leadingZero, bool zeroBlank);

struct TNumRowSettings {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int Digits = 4;
    int Spacing = 2;
    TSize Cell;
    TVrNumAlignment Alignment = TVrNumAlignment::naCenter;
    bool Sign = false;  // a sign cell leads the row (the minimum is negative)
    int Value = 0;
    bool LeadingZero = false;
    bool ZeroBlank = false;
};

struct TNumCellPlacement {
    int Cell;        // index into the strip
    std::int64_t X;  // left edge in the image; may lie far outside it
    std::int64_t Y;  // top edge
    bool operator==(const TNumCellPlacement&) const = default;
};

// Every cell of the row, left to right: the sign cell first when there is one (lit for a
// negative value), then one cell per character of NumText. Left-justified rows start at 0;
// otherwise the row width counts `Digits` places (and the sign), so a longer text runs past the
// right edge.
std::vector<TNumCellPlacement> NumRow(const TNumRowSettings& settings);

// Whether a cell at `x`, `cellWidth` wide, shows any pixel in an image `clientWidth` wide.
bool CellShows(std::int64_t x, int cellWidth, int clientWidth);

}  // namespace mox
