#pragma once
// A canvas device on an RGB32 image: pen modes and copy modes are exact pixel arithmetic, and Qt
// only ever tells which pixels a curved shape covers.

#include <QImage>

#include "toolkit/graphics/canvasdevice.h"

namespace mox {

class TImageDevice : public TCanvasDevice {
public:
    // `image` is owned elsewhere (by a bitmap) and may be replaced or resized between operations.
    explicit TImageDevice(QImage* image) : FImage(image) {}

    QRect Bounds() const override { return FImage->rect(); }
    void DrawShape(const TShape& shape, const TShapePaint& paint) override;
    void Blit(const TBlit& blit) override;
    void PaintDirect(const QRect& clip, const std::function<void(QPainter&)>& paint) override;
    std::optional<QRgb> Pixel(const QPoint& p) const override;
    const QImage& Image() const { return *FImage; }

private:
    // Whether the shape's pen and brush are opaque plain colours that simply replace pixels.
    static bool IsOpaqueCopy(const TShapePaint& paint);
    void DrawOpaqueCopy(const TShape& shape, const TShapePaint& paint);
    // Any other pen mode or paint source: Qt paints a coverage mask, the pixels are combined here.
    void DrawMasked(const TShape& shape, const TShapePaint& paint);

    QImage* FImage;
};

}  // namespace mox
