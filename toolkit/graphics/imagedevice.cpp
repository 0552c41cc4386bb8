#include "toolkit/graphics/imagedevice.h"

#include <algorithm>
#include <vector>

#include "toolkit/graphics/shapegeometry.h"

namespace mox {

namespace {

// Colours Qt paints into a coverage mask, telling brush pixels from pen pixels.
constexpr QRgb kFillMarker = 0xFF0000FFu;
constexpr QRgb kOutlineMarker = 0xFFFF0000u;
constexpr QRgb kColorBits = 0x00FFFFFFu;

QRgb* Row(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}
const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// Puts the source's colour at (x, y) on `pixel` by `mode`.
inline void CombineAt(QRgb& pixel, int x, int y, const TPaintSource& source, TPenMode mode) {
    QRgb color = 0;
    if (!source.ColorAt(x, y, color)) return;
    pixel = mode == TPenMode::pmCopy ? color : CombinePixel(mode, color, pixel);
}

}  // namespace

std::optional<QRgb> TImageDevice::Pixel(const QPoint& p) const {
    if (!FClip.contains(p)) return std::nullopt;
    return Row(std::as_const(*FImage), p.y())[p.x()];
}

void TImageDevice::CombineRect(const QRect& rect, const TPaintSource& source, TPenMode mode) {
    const QRect area = rect & FClip;
    if (area.isEmpty()) return;
    const bool plainCopy = mode == TPenMode::pmCopy && source.IsPlain();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = Row(*FImage, y);
        if (plainCopy) {
            std::fill(row + area.left(), row + area.right() + 1, source.Color());
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x)
            CombineAt(row[x], x, y, source, mode);
    }
}

void TImageDevice::CombinePixelAt(const QPoint& p, const TPaintSource& source, TPenMode mode) {
    if (FClip.contains(p)) CombineAt(Row(*FImage, p.y())[p.x()], p.x(), p.y(), source, mode);
}

void TImageDevice::DrawShape(const TShape& shape, const TShapePaint& paint) {
    if (paint.Mode == TPenMode::pmNop) return;
    const bool fill = paint.Brush && !shape.Fill.IsEmpty();
    const bool outline = paint.Pen && shape.HasOutline();
    if ((fill && shape.Fill.Paint) || (outline && shape.Outline.Paint)) {
        DrawMasked(shape, paint);
        return;
    }
    // Rectangles and rasterised pixels: the canvas keeps interior and outline apart.
    if (fill)
        for (const QRect& r : shape.Fill.Rects)
            CombineRect(r, *paint.Brush, paint.Mode);
    if (outline) {
        for (const QRect& r : shape.Outline.Rects)
            CombineRect(r, *paint.Pen, paint.Mode);
        for (const QPoint& p : shape.OutlinePixels)
            CombinePixelAt(p, *paint.Pen, paint.Mode);
    }
}

void TImageDevice::DrawMasked(const TShape& shape, const TShapePaint& paint) {
    const QRect area = shape.Bounds & FClip;
    if (area.isEmpty()) return;
    // Qt paints which pixels the brush and the pen cover (aliased, so in exact marker colours);
    // the colours and the mode are then applied here, once per pixel.
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.translate(-area.topLeft());
        if (paint.Brush) {
            const QColor marker = QColor::fromRgba(kFillMarker);
            painter.setPen(Qt::NoPen);
            painter.setBrush(marker);
            if (shape.Fill.Paint) shape.Fill.Paint(painter);
            for (const QRect& r : shape.Fill.Rects)
                painter.fillRect(r, marker);
        }
        if (paint.Pen) {
            const QColor marker = QColor::fromRgba(kOutlineMarker);
            painter.setPen(paint.Stroke.ToQPen(marker));
            painter.setBrush(Qt::NoBrush);
            if (shape.Outline.Paint) shape.Outline.Paint(painter);
            for (const QRect& r : shape.Outline.Rects)
                painter.fillRect(r, marker);
        }
    }
    if (paint.Pen)
        for (const QPoint& p : shape.OutlinePixels)
            if (area.contains(p))
                Row(mask, p.y() - area.top())[p.x() - area.left()] = kOutlineMarker;

    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* marks = Row(std::as_const(mask), y - area.top());
        QRgb* row = Row(*FImage, y);
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb mark = marks[x - area.left()];
            if (mark != 0)
                CombineAt(row[x], x, y, mark == kOutlineMarker ? *paint.Pen : *paint.Brush,
                          paint.Mode);
        }
    }
}

void TImageDevice::Blit(const TBlit& blit) {
    if (!blit.Source || blit.Dest.isEmpty() || blit.Src.isEmpty()) return;
    // A shallow copy: writing to our image detaches it first when both share pixels (a copy
    // within one bitmap), so the source is read as it was before the copy.
    const QImage source = *blit.Source;
    const QRect area = blit.Dest & FClip;
    if (area.isEmpty()) return;

    // Source column of every destination column; -1 where it falls outside the source.
    std::vector<int> columns(static_cast<std::size_t>(area.width()));
    for (int x = area.left(); x <= area.right(); ++x) {
        const int sx = blit.Src.left() + StretchSourceOffset(x - blit.Dest.left(),
                                                             blit.Dest.width(), blit.Src.width());
        columns[static_cast<std::size_t>(x - area.left())] =
            sx >= 0 && sx < source.width() ? sx : -1;
    }
    const auto sourceMode = SourceModeOf(blit.Rop);
    const auto patternMode = PatternModeOf(blit.Rop);
    const bool plainCopy = sourceMode == TPenMode::pmCopy && !blit.Transparent;
    const auto combine = [&](QRgb s, QRgb d) {
        if (sourceMode) return CombinePixel(*sourceMode, s, d);
        if (patternMode) return CombinePixel(*patternMode, blit.Pattern, d);
        return CombineCopyPixel(blit.Rop, blit.Pattern, s, d);
    };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = blit.Src.top() + StretchSourceOffset(y - blit.Dest.top(), blit.Dest.height(),
                                                            blit.Src.height());
        if (sy < 0 || sy >= source.height()) continue;
        const QRgb* from = Row(source, sy);
        QRgb* to = Row(*FImage, y);
        if (plainCopy) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const int sx = columns[static_cast<std::size_t>(x - area.left())];
                if (sx >= 0) to[x] = from[sx];
            }
            continue;
        }
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx = columns[static_cast<std::size_t>(x - area.left())];
            if (sx < 0) continue;
            const QRgb s = from[sx];
            if (blit.Transparent && ((s ^ *blit.Transparent) & kColorBits) == 0) {
                if (blit.KeyFill) CombineAt(to[x], x, y, *blit.KeyFill, TPenMode::pmCopy);
                continue;
            }
            to[x] = combine(s, to[x]);
        }
    }
}

void TImageDevice::PaintDirect(const QRect& clip, const std::function<void(QPainter&)>& paint) {
    const QRect area = clip & FClip;
    if (area.isEmpty()) return;
    QPainter painter(FImage);
    painter.setClipRect(area);
    paint(painter);
}

}  // namespace mox
