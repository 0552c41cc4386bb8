#include "instruments/output/numgeometry.h"

#include <algorithm>
#include <array>

namespace mox {

namespace {

std::int64_t WithinCanvas(std::int64_t v) {
    return std::clamp<std::int64_t>(v, 0, kCoordLimit);
}

}  // namespace

QString DigitStripName(TVrNumStyle style) {
    static const std::array<const char*, 5> names{"NUM13x24", "NUM11x20", "NUM7x13", "NUM12x17",
                                                  "NUM5x7"};
    const auto index = static_cast<std::size_t>(style);
    return QString::fromLatin1(index < names.size() ? names[index] : names[0]);
}

TSize DigitCellSize(int stripWidth, int stripHeight) {
    return {std::max(stripWidth, 0) / kDigitStripCells, std::max(stripHeight, 0)};
}

int ClampDigits(int digits) {
    return std::clamp(digits, kNumMinDigits, kNumMaxDigits);
}

TSize NumAutoSize(int digits, int spacing, TSize cell) {
    const std::int64_t places = ClampDigits(digits);
    const std::int64_t width = places * cell.cx + (places - 1) * spacing;
    return {static_cast<int>(WithinCanvas(width)), static_cast<int>(WithinCanvas(cell.cy))};
}

QString NumText(int value, int digits, bool leadingZero, bool zeroBlank) {
    // In 64 bits: the magnitude of the lowest int does not fit in an int.
    const std::int64_t magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
    const QString text = value == 0 && zeroBlank ? QString() : QString::number(magnitude);
    return text.rightJustified(ClampDigits(digits), QLatin1Char(leadingZero ? '0' : ' '));
}

std::vector<TNumCellPlacement> NumRow(const TNumRowSettings& settings) {
    const QString text =
        NumText(settings.Value, settings.Digits, settings.LeadingZero, settings.ZeroBlank);
    const std::int64_t places = ClampDigits(settings.Digits);
    const std::int64_t sign = settings.Sign ? 1 : 0;
    const std::int64_t step = std::int64_t{settings.Cell.cx} + settings.Spacing;
    const std::int64_t rowWidth =
        (places + sign) * settings.Cell.cx + (places - 1 + sign) * settings.Spacing;
    std::int64_t x = 0;
    switch (settings.Alignment) {
        case TVrNumAlignment::naLeftJustify:
            break;
        case TVrNumAlignment::naRightJustify:
            x = settings.ClientWidth - rowWidth;
            break;
        case TVrNumAlignment::naCenter:
            x = (settings.ClientWidth - rowWidth) / 2;
            break;
    }
    const std::int64_t y = (std::int64_t{settings.ClientHeight} - settings.Cell.cy) / 2;

    std::vector<TNumCellPlacement> row;
    row.reserve(static_cast<std::size_t>(text.size() + sign));
    if (settings.Sign) {
        const TDigitCell minus = settings.Value < 0 ? TDigitCell::LitMinus : TDigitCell::UnlitMinus;
        row.push_back({static_cast<int>(minus), x, y});
        x += step;
    }
    for (const QChar c : text) {
        const int cell = c.isDigit() ? c.digitValue() : static_cast<int>(TDigitCell::Blank);
        row.push_back({cell, x, y});
        x += step;
    }
    return row;
}

bool CellShows(std::int64_t x, int cellWidth, int clientWidth) {
    return cellWidth > 0 && x < clientWidth && x + cellWidth > 0;
}

}  // namespace mox
