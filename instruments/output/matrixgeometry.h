#pragma once
// What a matrix display shows and where: the text split into characters and their colour codes,
// the cells' places, the control's own size and the scroll steps, as pure functions of its
// settings so the picture can be checked without drawing it. Counts, spacings and positions come
// from users and rack files and may hold any int, so arithmetic runs in 64 bits, sizes stay in
// the canvas's coordinate space, and only the cells that touch the image are ever visited.

#include <QChar>
#include <QString>
#include <cstdint>
#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

MOX_ENUM(TVrMatrixTextStyle, tsUpperCase, tsLowerCase, tsAsIs, tsProperCase)
MOX_ENUM(TVrMatrixLedStyle, ls9x13, ls14x20, ls19x27)
MOX_ENUM(TVrMatrixScrollDirection, msdRightToLeft, msdLeftToRight)

// The colour code of characters no code precedes (and after a code that is not one).
constexpr QChar kMatrixDefaultCode = QLatin1Char('-');

// The built-in cell bitmap of a style ("VRMATRIXLED14X20"...), the size of one cell and the size
// of one square dot; dots sit one pixel apart.
QString MatrixCellBitmapName(TVrMatrixLedStyle style);
TSize MatrixCellSize(TVrMatrixLedStyle style);
int MatrixDotSize(TVrMatrixLedStyle style);

// The text to show and, one for one, the colour code of each of its characters.
struct TMatrixText {
    QString Display;
    QString Codes;
    bool operator==(const TMatrixText&) const = default;
};

// Splits `text` at its colour codes: "%" and a code character ("0" to "9", "A" to "G" in either
// case) colours what follows, "%%" shows one "%", "%" with any other character (or at the end)
// goes back to the default colour and shows neither. Then applies `style`, character by
// character so that the codes stay beside their characters.
TMatrixText ParseMatrixText(const QString& text, TVrMatrixTextStyle style);
// The case conversion of `style`, one character for one.
QString ApplyMatrixTextStyle(QString text, TVrMatrixTextStyle style);
// The colour of a code: `high` for "0" and the default code, a fixed colour for the others.
TColor MatrixCodeColor(QChar code, TColor high);

// The number of cells drawn: a count below one draws none.
std::int64_t MatrixCellCount(int leds);

// The control's own size: the cells side by side (or stacked) with `spacing` between them,
// inside the bevel's `frame` on each side; both pulled into 0..kCoordLimit.
TSize MatrixSelfSize(int leds, int spacing, TSize cell, TVrOrientation orientation, int frame);

// The 1-based index of the character shown in the first cell when the text stands still.
std::int64_t MatrixAlignedPosition(TVrAlignment alignment, std::int64_t length, int leds);

struct TMatrixScrollStep {
    std::int64_t Position;
    bool PassDone;  // the text has left; it enters again from the far end
    bool operator==(const TMatrixScrollStep&) const = default;
};
// Where the text starts again once it has left: beyond the far end of the cells.
std::int64_t MatrixReentryPosition(std::int64_t length, int leds,
                                   TVrMatrixScrollDirection direction);
// One step of scrolling from `position`.
TMatrixScrollStep MatrixScroll(std::int64_t position, std::int64_t length, int leds,
                               TVrMatrixScrollDirection direction);

struct TMatrixLayout {
    std::int64_t X, Y;          // top-left corner of cell 0
    std::int64_t StepX, StepY;  // from one cell to the next
    bool operator==(const TMatrixLayout&) const = default;
};
// The row (or column) of cells centred in an image `width` × `height`.
TMatrixLayout MatrixCellLayout(int width, int height, int leds, int spacing, TSize cell,
                               TVrOrientation orientation);

// The cells worth drawing, as a half-open range of cell numbers: those that show a pixel in the
// image. Where every cell lies on the same place, a visible grid hides all but the last cell, so
// only the cells that hold a character of `shown` (first cell to last, from `position`) remain.
struct TMatrixCellRange {
    std::int64_t First, Last;
    bool operator==(const TMatrixCellRange&) const = default;
};
TMatrixCellRange MatrixVisibleCells(const TMatrixLayout& layout, TSize cell, int leds, int width,
                                    int height, bool ledsVisible, std::int64_t position,
                                    std::int64_t length);

// The lit dots of character `code` in a cell whose top-left corner is (x, y): squares `dot`
// wide, the glyph's right column at the cell's right edge. A blank and codes beyond the font
// have none.
std::vector<TRect> MatrixGlyphDots(char16_t code, int x, int y, TSize cell, int dot);

}  // namespace mox
