#pragma once
// A canvas device on a QPainter borrowed from a paint event. Pen modes become Qt composition
// modes; the target's pixels cannot be read.

#include "toolkit/graphics/canvasdevice.h"

namespace mox {

class TPainterDevice : public TCanvasDevice {
public:
    explicit TPainterDevice(QPainter* painter) : FPainter(painter) {}

    QRect Bounds() const override;
    void DrawShape(const TShape& shape, const TShapePaint& paint) override;
    void Blit(const TBlit& blit) override;
    void PaintDirect(const QRect& clip, const std::function<void(QPainter&)>& paint) override;
    std::optional<QRgb> Pixel(const QPoint&) const override { return std::nullopt; }

private:
    // Runs `paint` with the painter's state saved, clipped to the device clip and aliased.
    void Painting(const std::function<void(QPainter&)>& paint);

    QPainter* FPainter;
};

// The Qt composition mode doing what `mode` does (pmNop has none: nothing is drawn).
QPainter::CompositionMode CompositionModeOf(TPenMode mode);

}  // namespace mox
