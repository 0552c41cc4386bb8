#include "toolkit/graphics/paintsource.h"

#include "toolkit/graphics/bitmap.h"

namespace mox {

QRgb ToQRgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

std::optional<TPaintSource> TPaintSource::OfBrush(const TBrush& brush) {
    if (brush.Style() == TBrushStyle::bsClear) return std::nullopt;
    if (const TBitmap* pattern = brush.Bitmap(); pattern && !pattern->Empty())
        return TPaintSource(pattern->Image());
    return TPaintSource(ToQRgb(brush.Color()), brush.Style());
}

bool TPaintSource::PatternColorAt(int x, int y, QRgb& color) const {
    if (!FTile.isNull()) {
        const int w = FTile.width(), h = FTile.height();
        const int tx = ((x % w) + w) % w, ty = ((y % h) + h) % h;
        color = reinterpret_cast<const QRgb*>(FTile.constScanLine(ty))[tx];
        return true;
    }
    color = FColor;
    return HatchCoversPixel(FHatch, x, y);
}

QBrush TPaintSource::ToQBrush() const {
    if (!FTile.isNull()) return QBrush(FTile);
    if (FHatch == TBrushStyle::bsSolid) return QBrush(QColor::fromRgb(FColor));
    QImage texture(kHatchSize, kHatchSize, QImage::Format_ARGB32);
    texture.fill(Qt::transparent);
    for (int y = 0; y < kHatchSize; ++y)
        for (int x = 0; x < kHatchSize; ++x)
            if (HatchCoversPixel(FHatch, x, y)) texture.setPixel(x, y, FColor);
    return QBrush(texture);
}

}  // namespace mox
