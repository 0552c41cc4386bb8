#pragma once
// The image device as it first was, one pixel at a time through the plainest code: every line
// pixel from TLineRaster::At, every pixel clipped and combined on its own. The canvas tests draw
// the same primitives through it and through the real device and compare the images bit for bit.

#include <span>
#include <vector>

#include "toolkit/graphics/imagedevice.h"

namespace mox::canvastesting {

class TReferenceImageDevice : public TImageDevice {
public:
    explicit TReferenceImageDevice(QImage* image) : TImageDevice(image), FTarget(image) {}

    void DrawShape(const TShape& shape, const TShapePaint& paint) override;
    void Blit(const TBlit& blit) override;

private:
    void CombineRect(const QRect& rect, const TPaintSource& source, TPenMode mode);
    void CombinePixelAt(const QPoint& p, const TPaintSource& source, TPenMode mode);
    void DrawMasked(const TShape& shape, const TShapePaint& paint);
    // The pixels a pen with on/off `dashes` sets along the shape's outline lines, within `clip`.
    static std::vector<QPoint> LinePixels(const TShape& shape, std::span<const int> dashes,
                                          const QRect& clip);

    QImage* FTarget;
};

}  // namespace mox::canvastesting
