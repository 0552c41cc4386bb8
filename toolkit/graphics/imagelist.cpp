#include "toolkit/graphics/imagelist.h"

#include <algorithm>
#include <unordered_set>

#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr QRgb kColorBits = 0x00FFFFFF;

// Whether pixel x of a row of a one-bit mask is set.
bool MaskBit(const uchar* row, int x) {
    return (row[x >> 3] >> (x & 7)) & 1;
}

QRgb KeyOf(TColor color) {
    return ToQColor(color).rgb() & kColorBits;
}

// A colour that no drawn pixel of `image` has, so that leaving it out leaves out exactly the
// masked pixels. The wanted colour when it is free; otherwise the lowest free one, found within
// one more try than there are drawn colours.
TColor FreeKey(const QImage& image, const QImage& mask, TColor wanted) {
    const auto eachDrawn = [&](const auto& visit) {
        const int width = image.width();
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            const uchar* masked = mask.constScanLine(y);
            for (int x = 0; x < width; ++x)
                if (!MaskBit(masked, x)) visit(row[x] & kColorBits);
        }
    };
    bool taken = false;
    eachDrawn([&, want = KeyOf(wanted)](QRgb c) { taken = taken || c == want; });
    if (!taken) return wanted;
    std::unordered_set<QRgb> drawn;
    eachDrawn([&](QRgb c) { drawn.insert(c); });
    TColor key = clBlack;
    while (drawn.contains(KeyOf(key)))
        ++key;
    return key;
}

}  // namespace

TImageList::TImageList(int width, int height)
    : FWidth(std::max(width, 0)), FHeight(std::max(height, 0)) {}

void TImageList::SetSize(int width, int height) {
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
    Clear();
}

int TImageList::AddMasked(const TBitmap& strip, TColor maskColor) {
    return AddMasked(strip, strip, maskColor);
}

int TImageList::AddMasked(const TBitmap& strip, const TBitmap& maskSource, TColor maskColor) {
    if (FWidth == 0 || FHeight == 0 || strip.Empty()) return -1;
    const QImage wholeMask = maskSource.Image()
                                 .createMaskFromColor(ToQColor(maskColor).rgb(), Qt::MaskInColor)
                                 .convertToFormat(QImage::Format_MonoLSB);
    const int first = Count();
    for (int top = 0; top + FHeight <= strip.Height(); top += FHeight) {
        for (int left = 0; left + FWidth <= strip.Width(); left += FWidth) {
            TImage image;
            const QImage pixels = strip.Image().copy(left, top, FWidth, FHeight);
            // A mask source of another size leaves every pixel drawn where it has none.
            image.Mask = wholeMask.isNull() ? QImage() : wholeMask.copy(left, top, FWidth, FHeight);
            if (image.Mask.isNull()) {
                image.Mask = QImage(FWidth, FHeight, QImage::Format_MonoLSB);
                image.Mask.fill(0);
            }
            image.Key = FreeKey(pixels, image.Mask, maskColor);
            image.Keyed->SetSize(FWidth, FHeight);
            QImage& keyed = image.Keyed->Image();
            const QRgb key = ToQColor(image.Key).rgb();
            for (int y = 0; y < FHeight; ++y) {
                const auto* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
                auto* to = reinterpret_cast<QRgb*>(keyed.scanLine(y));
                const uchar* masked = image.Mask.constScanLine(y);
                for (int x = 0; x < FWidth; ++x)
                    to[x] = MaskBit(masked, x) ? key : from[x] | 0xFF000000u;
            }
            FImages.push_back(std::move(image));
        }
    }
    return Count() > first ? first : -1;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (!Has(index)) return;
    const TImage& image = FImages[static_cast<std::size_t>(index)];
    TBrush& brush = *canvas.Brush();
    const TBrushStyle style = brush.Style();
    brush.SetStyle(TBrushStyle::bsClear);
    canvas.BrushCopy(Bounds(x, y, FWidth, FHeight), *image.Keyed, Bounds(0, 0, FWidth, FHeight),
                     image.Key);
    brush.SetStyle(style);
}

bool TImageList::Opaque(int index, int x, int y) const {
    if (!Has(index) || x < 0 || y < 0 || x >= FWidth || y >= FHeight) return false;
    return !MaskBit(FImages[static_cast<std::size_t>(index)].Mask.constScanLine(y), x);
}

TColor TImageList::Pixel(int index, int x, int y) const {
    if (!Opaque(index, x, y)) return clInvalidPixel;
    return FImages[static_cast<std::size_t>(index)].Keyed->Pixels(x, y);
}

}  // namespace mox
