#pragma once
// Writing into an RGB32 image's bits a span or a line at a time: the bits are fetched once per
// operation and the clip is applied to whole spans and line ranges, never pixel by pixel.

#include <QImage>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <span>

#include "toolkit/graphics/paintsource.h"
#include "toolkit/graphics/rasterline.h"
#include "toolkit/graphics/rasterops.h"

namespace mox {

// The pixels one operation may write: an image's bits and the clip within the image.
struct TPixelView {
    QRgb* Bits = nullptr;
    qsizetype Stride = 0;  // pixels from one row to the next
    QRect Clip;

    // The view of `image` within `clip`; writing detaches the image here, once.
    static TPixelView Of(QImage& image, const QRect& clip);
    QRgb* Row(int y) const { return Bits + y * Stride; }
};

// What a pen or brush puts on a pixel: the source's colour there, combined by a pen mode.
class TInk {
public:
    TInk(const TPaintSource& source, TPenMode mode)
        : FSource(&source),
          FMode(mode),
          FColor(source.Color()),
          FPlain(source.IsPlain()),
          FCopy(FPlain && mode == TPenMode::pmCopy) {}

    void Put(QRgb& pixel, int x, int y) const {
        if (FCopy) {
            pixel = FColor;
            return;
        }
        if (FPlain) {
            pixel = CombinePixel(FMode, FColor, pixel);
            return;
        }
        QRgb color = 0;
        if (!FSource->ColorAt(x, y, color)) return;
        pixel = FMode == TPenMode::pmCopy ? color : CombinePixel(FMode, color, pixel);
    }
    // Whether every pixel simply becomes Color().
    bool IsCopy() const { return FCopy; }
    // Whether every pixel simply becomes Color(), an opaque colour.
    bool IsOpaqueCopy() const { return FCopy && qAlpha(FColor) == 0xFF; }
    QRgb Color() const { return FColor; }
    // Pixels left..right (inclusive) of row y, whose pixels start at `row`.
    void PutSpan(QRgb* row, int left, int right, int y) const;
    // Pixels top..bottom (inclusive) of column x.
    void PutColumn(const TPixelView& view, int x, int top, int bottom) const;

private:
    const TPaintSource* FSource;
    TPenMode FMode;
    QRgb FColor;
    bool FPlain;
    bool FCopy;
};

void InkRect(const TPixelView& view, const QRect& rect, const TInk& ink);
// A one-pixel line with the pen's on/off `runs`, whose pattern stands at `index` at its first
// pixel.
void InkLine(const TPixelView& view, const TLineSegment& line, std::span<const int> runs,
             std::int64_t index, const TInk& ink);
// Connected one-pixel lines, the pattern running on from one to the next.
void InkPath(const TPixelView& view, std::span<const TLineSegment> path, std::span<const int> runs,
             const TInk& ink);

}  // namespace mox
