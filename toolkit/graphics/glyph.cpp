#include "toolkit/graphics/glyph.h"

#include <algorithm>

#include "toolkit/graphics/bitmap.h"

namespace mox {

QPixmap GlyphPixmap(const TBitmap& strip, int index, int count) {
    if (strip.Empty()) return {};
    count = std::max(1, count);
    const QImage& all = strip.Image();
    const int width = std::max(1, strip.Width() / count);
    const QRgb clear = all.pixel(0, all.height() - 1) | 0xFF000000u;
    QImage part = all.copy(std::clamp(index, 0, count - 1) * width, 0, width, all.height())
                      .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x)
            if ((part.pixel(x, y) | 0xFF000000u) == clear) part.setPixel(x, y, 0);
    return QPixmap::fromImage(part);
}

}  // namespace mox
