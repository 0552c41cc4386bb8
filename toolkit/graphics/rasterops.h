#pragma once
// Pixel arithmetic of pen modes and block-copy modes on 0xAARRGGBB pixels. Only the colour bits
// take part; every result is opaque, so images stay valid RGB32 whatever the mode.

#include <QRgb>
#include <optional>

#include "toolkit/graphics/pen.h"

namespace mox {

// Block-copy modes: GDI ternary raster operation codes. Bits 16..23 are the truth table over the
// brush pattern (P), the source (S) and the destination (D).
using TCopyMode = int;
constexpr TCopyMode cmBlackness = 0x00000042, cmDstInvert = 0x00550009, cmMergeCopy = 0x00C000CA,
                    cmMergePaint = 0x00BB0226, cmNotSrcCopy = 0x00330008,
                    cmNotSrcErase = 0x001100A6, cmPatCopy = 0x00F00021, cmPatInvert = 0x005A0049,
                    cmPatPaint = 0x00FB0A09, cmSrcAnd = 0x008800C6, cmSrcCopy = 0x00CC0020,
                    cmSrcErase = 0x00440328, cmSrcInvert = 0x00660046, cmSrcPaint = 0x00EE0086,
                    cmWhiteness = 0x00FF0062;

// `dest` combined with `color` by `mode` (color plays the pen).
QRgb CombinePixel(TPenMode mode, QRgb color, QRgb dest);

// `dest` combined with `source` and `pattern` by any copy mode (the general, slower path).
QRgb CombineCopyPixel(TCopyMode rop, QRgb pattern, QRgb source, QRgb dest);

// A copy mode that ignores the pattern, as the mode combining source (in the pen's place) and
// destination; none when the pattern matters.
std::optional<TPenMode> SourceModeOf(TCopyMode rop);
// A copy mode that ignores the source, as the mode combining pattern and destination.
std::optional<TPenMode> PatternModeOf(TCopyMode rop);

}  // namespace mox
