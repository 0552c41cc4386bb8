#include "instruments/output/matrixgeometry.h"

#include <algorithm>
#include <array>

#include "resources/dotfont.h"

namespace mox {

namespace {

struct TLedStyleInfo {
    const char* Bitmap;
    TSize Cell;
    int Dot;
};

constexpr std::array<TLedStyleInfo, 3> kLedStyles{{
    {"VRMATRIXLED9X13", {9, 13}, 1},
    {"VRMATRIXLED14X20", {14, 20}, 2},
    {"VRMATRIXLED19X27", {19, 27}, 3},
}};

const TLedStyleInfo& StyleInfo(TVrMatrixLedStyle style) {
    const auto index = static_cast<std::size_t>(style);
    return kLedStyles[index < kLedStyles.size() ? index : 1];
}

constexpr char16_t kCodeMark = u'%';
constexpr char16_t kBlank = u' ';

bool IsColorCode(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'G') || (u >= u'a' && u <= u'g');
}

std::int64_t WithinCanvas(std::int64_t v) {
    return std::clamp<std::int64_t>(v, 0, kCoordLimit);
}

// Division rounding toward minus infinity; `d` is positive.
std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}
std::int64_t CeilDiv(std::int64_t n, std::int64_t d) {
    return -FloorDiv(-n, d);
}

// The cells k (unbounded) whose extent [origin + k × step, + extent) meets [0, limit).
TMatrixCellRange AxisRange(std::int64_t origin, std::int64_t step, std::int64_t extent,
                           std::int64_t limit, std::int64_t count) {
    if (step == 0) {
        const bool meets = origin + extent > 0 && origin < limit;
        return meets ? TMatrixCellRange{0, count} : TMatrixCellRange{0, 0};
    }
    if (step > 0) return {FloorDiv(-extent - origin, step) + 1, CeilDiv(limit - origin, step)};
    return {FloorDiv(origin - limit, -step) + 1, CeilDiv(origin + extent, -step)};
}

TMatrixCellRange Intersect(TMatrixCellRange a, TMatrixCellRange b) {
    const TMatrixCellRange r{std::max(a.First, b.First), std::min(a.Last, b.Last)};
    return r.First < r.Last ? r : TMatrixCellRange{0, 0};
}

}  // namespace

QString MatrixCellBitmapName(TVrMatrixLedStyle style) {
    return QString::fromLatin1(StyleInfo(style).Bitmap);
}

TSize MatrixCellSize(TVrMatrixLedStyle style) {
    return StyleInfo(style).Cell;
}

int MatrixDotSize(TVrMatrixLedStyle style) {
    return StyleInfo(style).Dot;
}

TMatrixText ParseMatrixText(const QString& text, TVrMatrixTextStyle style) {
    TMatrixText result;
    result.Display.reserve(text.size());
    result.Codes.reserve(text.size());
    QChar code = kMatrixDefaultCode;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != kCodeMark) {
            result.Display.append(c);
            result.Codes.append(code);
            continue;
        }
        // A "%" at the very end only goes back to the default colour.
        if (i + 1 >= text.size()) {
            code = kMatrixDefaultCode;
            break;
        }
        const QChar next = text[++i];
        if (next == kCodeMark) {
            result.Display.append(next);
            result.Codes.append(code);
        } else {
            code = IsColorCode(next) ? next.toUpper() : kMatrixDefaultCode;
        }
    }
    result.Display = ApplyMatrixTextStyle(std::move(result.Display), style);
    return result;
}

QString ApplyMatrixTextStyle(QString text, TVrMatrixTextStyle style) {
    // QString::toUpper may lengthen the text ("ß" becomes "SS"); the codes must stay in step,
    // so each character maps to exactly one.
    const auto each = [&text](QChar (QChar::*convert)() const) {
        for (QChar& c : text)
            c = (c.*convert)();
    };
    switch (style) {
        case TVrMatrixTextStyle::tsUpperCase:
            each(&QChar::toUpper);
            break;
        case TVrMatrixTextStyle::tsLowerCase:
            each(&QChar::toLower);
            break;
        case TVrMatrixTextStyle::tsAsIs:
            break;
        case TVrMatrixTextStyle::tsProperCase: {
            each(&QChar::toLower);
            if (text.isEmpty()) break;
            qsizetype first = 0;
            while (first < text.size() - 1 && text[first] == QChar(kBlank))
                ++first;
            text[first] = text[first].toUpper();
            break;
        }
    }
    return text;
}

TColor MatrixCodeColor(QChar code, TColor high) {
    static const std::array<TColor, 17> colors{
        high,     clBlack, clMaroon, clGreen,  clOlive, clNavy,    clPurple, clTeal, clGray,
        clSilver, clRed,   clLime,   clYellow, clBlue,  clFuchsia, clAqua,   clWhite};
    const char16_t u = code.toUpper().unicode();
    if (u >= u'0' && u <= u'9') return u == u'0' ? high : colors[u - u'0'];
    if (u >= u'A' && u <= u'G') return colors[10 + (u - u'A')];
    return high;
}

std::int64_t MatrixCellCount(int leds) {
    return std::max(leds, 0);
}

TSize MatrixSelfSize(int leds, int spacing, TSize cell, TVrOrientation orientation, int frame) {
    const std::int64_t n = MatrixCellCount(leds);
    const std::int64_t gaps = std::max<std::int64_t>(n - 1, 0) * spacing;
    const std::int64_t border = 2 * std::int64_t{frame};
    std::int64_t width = std::int64_t{cell.cx} + border;
    std::int64_t height = std::int64_t{cell.cy} + border;
    if (orientation == TVrOrientation::voHorizontal)
        width = n * cell.cx + gaps + border;
    else
        height = n * cell.cy + gaps + border;
    return {static_cast<int>(WithinCanvas(width)), static_cast<int>(WithinCanvas(height))};
}

std::int64_t MatrixAlignedPosition(TVrAlignment alignment, std::int64_t length, int leds) {
    switch (alignment) {
        case TVrAlignment::vaLeftJustify:
            break;
        case TVrAlignment::vaRightJustify:
            return length - leds + 1;
        case TVrAlignment::vaCenter:
            // Truncating toward zero, as the text has always been centred.
            return 1 - (leds - length) / 2;
    }
    return 1;
}

std::int64_t MatrixReentryPosition(std::int64_t length, int leds,
                                   TVrMatrixScrollDirection direction) {
    return direction == TVrMatrixScrollDirection::msdRightToLeft ? 1 - std::int64_t{leds} : length;
}

TMatrixScrollStep MatrixScroll(std::int64_t position, std::int64_t length, int leds,
                               TVrMatrixScrollDirection direction) {
    const bool moves = direction == TVrMatrixScrollDirection::msdRightToLeft
                           ? position < length
                           : position > 1 - std::int64_t{leds};
    if (!moves) return {MatrixReentryPosition(length, leds, direction), true};
    return {direction == TVrMatrixScrollDirection::msdRightToLeft ? position + 1 : position - 1,
            false};
}

TMatrixLayout MatrixCellLayout(int width, int height, int leds, int spacing, TSize cell,
                               TVrOrientation orientation) {
    const std::int64_t n = MatrixCellCount(leds);
    const std::int64_t gaps = std::max<std::int64_t>(n - 1, 0) * spacing;
    if (orientation == TVrOrientation::voHorizontal)
        return {(width - (n * cell.cx + gaps)) / 2, (std::int64_t{height} - cell.cy) / 2,
                std::int64_t{cell.cx} + spacing, 0};
    return {(std::int64_t{width} - cell.cx) / 2, (height - (n * cell.cy + gaps)) / 2, 0,
            std::int64_t{cell.cy} + spacing};
}

TMatrixCellRange MatrixVisibleCells(const TMatrixLayout& layout, TSize cell, int leds, int width,
                                    int height, bool ledsVisible, std::int64_t position,
                                    std::int64_t length) {
    const std::int64_t n = MatrixCellCount(leds);
    TMatrixCellRange range{0, n};
    range = Intersect(range, AxisRange(layout.X, layout.StepX, cell.cx, width, n));
    range = Intersect(range, AxisRange(layout.Y, layout.StepY, cell.cy, height, n));
    if (range.First == range.Last || layout.StepX != 0 || layout.StepY != 0) return range;
    // Every cell on one place: the last grid cell covers all before it.
    if (ledsVisible) return {n - 1, n};
    return Intersect(range, {1 - position, length - position + 1});
}

std::vector<TRect> MatrixGlyphDots(char16_t code, int x, int y, TSize cell, int dot) {
    std::vector<TRect> dots;
    if (code == kBlank) return dots;
    const TDotGlyph& glyph = DotGlyph(code);
    const std::int64_t pitch = std::int64_t{dot} + 1;
    for (int row = 0; row < kDotFontRows; ++row)
        for (int bit = 0; bit < kDotFontColumns; ++bit) {
            if (!(glyph[static_cast<std::size_t>(row)] & (1u << bit))) continue;
            const auto left = static_cast<int>(std::int64_t{x} + cell.cx - dot - bit * pitch);
            const auto top = static_cast<int>(std::int64_t{y} + row * pitch);
            dots.push_back(Bounds(left, top, dot, dot));
        }
    return dots;
}

}  // namespace mox
