#pragma once
// The colours one drawing operation puts down, fixed when the operation starts: a plain colour,
// hatch lines in a colour, or a bitmap tiled from the device origin.

#include <QBrush>
#include <QImage>
#include <QRgb>
#include <optional>

#include "toolkit/graphics/brush.h"

namespace mox {

class TPaintSource {
public:
    explicit TPaintSource(QRgb color) : FColor(color) {}
    TPaintSource(QRgb color, TBrushStyle hatch)
        : FColor(color), FHatch(hatch), FPlain(hatch == TBrushStyle::bsSolid) {}
    // `tile` is RGB32 and not empty.
    explicit TPaintSource(QImage tile) : FTile(std::move(tile)), FPlain(false) {}

    // What a brush fills with; none for a clear brush.
    static std::optional<TPaintSource> OfBrush(const TBrush& brush);

    // The colour at device pixel (x, y); false where a hatch leaves the pixel alone.
    bool ColorAt(int x, int y, QRgb& color) const {
        if (!FPlain) return PatternColorAt(x, y, color);
        color = FColor;
        return true;
    }
    // A single colour on every pixel.
    bool IsPlain() const { return FPlain; }
    // The plain or hatch colour (a bitmap tile's is meaningless).
    QRgb Color() const { return FColor; }
    // The same colours as a Qt brush; textures tile from the painter's brush origin.
    QBrush ToQBrush() const;

private:
    bool PatternColorAt(int x, int y, QRgb& color) const;

    QRgb FColor = 0;
    TBrushStyle FHatch = TBrushStyle::bsSolid;
    QImage FTile;
    bool FPlain = true;
};

// A colour as an opaque Qt pixel value (system colours resolved).
QRgb ToQRgb(TColor color);

}  // namespace mox
