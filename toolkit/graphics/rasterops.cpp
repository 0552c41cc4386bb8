#include "toolkit/graphics/rasterops.h"

#include <array>

namespace mox {

namespace {

constexpr QRgb kOpaque = 0xFF000000u;
constexpr QRgb kColorBits = 0x00FFFFFFu;

// Each pen mode as its truth table over (P, D): bit (P * 2 + D).
constexpr std::array<TPenMode, 16> kModeOfTable = {
    TPenMode::pmBlack,   TPenMode::pmNotMerge,    TPenMode::pmMaskNotPen,
    TPenMode::pmNotCopy, TPenMode::pmMaskPenNot,  TPenMode::pmNot,
    TPenMode::pmXor,     TPenMode::pmNotMask,     TPenMode::pmMask,
    TPenMode::pmNotXor,  TPenMode::pmNop,         TPenMode::pmMergeNotPen,
    TPenMode::pmCopy,    TPenMode::pmMergePenNot, TPenMode::pmMerge,
    TPenMode::pmWhite,
};

unsigned TruthTable(TCopyMode rop) {
    constexpr int kTableShift = 16;
    constexpr unsigned kTableMask = 0xFF;
    return (static_cast<unsigned>(rop) >> kTableShift) & kTableMask;
}

// Truth-table bit for pattern p, source s, destination d (each 0 or 1).
bool TableBit(unsigned table, unsigned p, unsigned s, unsigned d) {
    return (table >> (p * 4 + s * 2 + d)) & 1u;
}

}  // namespace

QRgb CombinePixel(TPenMode mode, QRgb color, QRgb dest) {
    QRgb result = 0;
    switch (mode) {
        case TPenMode::pmBlack:
            result = 0;
            break;
        case TPenMode::pmWhite:
            result = kColorBits;
            break;
        case TPenMode::pmNop:
            result = dest;
            break;
        case TPenMode::pmNot:
            result = ~dest;
            break;
        case TPenMode::pmCopy:
            result = color;
            break;
        case TPenMode::pmNotCopy:
            result = ~color;
            break;
        case TPenMode::pmMergePenNot:
            result = color | ~dest;
            break;
        case TPenMode::pmMaskPenNot:
            result = color & ~dest;
            break;
        case TPenMode::pmMergeNotPen:
            result = ~color | dest;
            break;
        case TPenMode::pmMaskNotPen:
            result = ~color & dest;
            break;
        case TPenMode::pmMerge:
            result = color | dest;
            break;
        case TPenMode::pmNotMerge:
            result = ~(color | dest);
            break;
        case TPenMode::pmMask:
            result = color & dest;
            break;
        case TPenMode::pmNotMask:
            result = ~(color & dest);
            break;
        case TPenMode::pmXor:
            result = color ^ dest;
            break;
        case TPenMode::pmNotXor:
            result = ~(color ^ dest);
            break;
    }
    return kOpaque | (result & kColorBits);
}

QRgb CombineCopyPixel(TCopyMode rop, QRgb pattern, QRgb source, QRgb dest) {
    // OR together the minterms the truth table selects.
    const unsigned table = TruthTable(rop);
    QRgb result = 0;
    for (unsigned p = 0; p < 2; ++p)
        for (unsigned s = 0; s < 2; ++s)
            for (unsigned d = 0; d < 2; ++d)
                if (TableBit(table, p, s, d))
                    result |=
                        (p ? pattern : ~pattern) & (s ? source : ~source) & (d ? dest : ~dest);
    return kOpaque | (result & kColorBits);
}

std::optional<TPenMode> SourceModeOf(TCopyMode rop) {
    const unsigned table = TruthTable(rop);
    unsigned modeTable = 0;
    for (unsigned s = 0; s < 2; ++s)
        for (unsigned d = 0; d < 2; ++d) {
            const bool bit = TableBit(table, 0, s, d);
            if (bit != TableBit(table, 1, s, d)) return std::nullopt;
            modeTable |= static_cast<unsigned>(bit) << (s * 2 + d);
        }
    return kModeOfTable[modeTable];
}

std::optional<TPenMode> PatternModeOf(TCopyMode rop) {
    const unsigned table = TruthTable(rop);
    unsigned modeTable = 0;
    for (unsigned p = 0; p < 2; ++p)
        for (unsigned d = 0; d < 2; ++d) {
            const bool bit = TableBit(table, p, 0, d);
            if (bit != TableBit(table, p, 1, d)) return std::nullopt;
            modeTable |= static_cast<unsigned>(bit) << (p * 2 + d);
        }
    return kModeOfTable[modeTable];
}

}  // namespace mox
