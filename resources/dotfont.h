#pragma once
// The 5 × 7 dot font of the matrix display, for the character codes 0 to 127 (0 to 31 are
// symbols, 32 is blank). Row i of a glyph is byte i from the top; bit j lights the dot in column
// j counted from the right, so bit 4 is the leftmost of the five columns.

#include <array>
#include <cstdint>

namespace mox {

constexpr int kDotFontRows = 7;
constexpr int kDotFontColumns = 5;
constexpr int kDotFontGlyphs = 128;

using TDotGlyph = std::array<std::uint8_t, kDotFontRows>;

// The glyph of `code`; codes outside 0..127 have none and give a blank.
const TDotGlyph& DotGlyph(int code);

}  // namespace mox
