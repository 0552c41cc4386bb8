#include "referenceimagedevice.h"

#include <algorithm>
#include <numeric>

#include "toolkit/graphics/shapegeometry.h"

namespace mox::canvastesting {

namespace {

constexpr QRgb kFillMarker = 0xFF0000FFu;
constexpr QRgb kOutlineMarker = 0xFFFF0000u;
constexpr QRgb kColorBits = 0x00FFFFFFu;

QRgb* Row(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}
const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

inline void CombineAt(QRgb& pixel, int x, int y, const TPaintSource& source, TPenMode mode) {
    QRgb color = 0;
    if (!source.ColorAt(x, y, color)) return;
    pixel = mode == TPenMode::pmCopy ? color : CombinePixel(mode, color, pixel);
}

bool RunsSetPixel(std::span<const int> runs, std::int64_t index) {
    if (runs.empty()) return true;
    const std::int64_t period = std::accumulate(runs.begin(), runs.end(), std::int64_t{0});
    std::int64_t position = index % period;
    if (position < 0) position += period;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        if (position < runs[run]) return run % 2 == 0;
        position -= runs[run];
    }
    return false;
}

}  // namespace

std::vector<QPoint> TReferenceImageDevice::LinePixels(const TShape& shape,
                                                      std::span<const int> dashes,
                                                      const QRect& clip) {
    std::vector<QPoint> pixels;
    const TRect area = TRect::FromQRect(clip);
    std::int64_t index = 0;
    for (const TLineSegment& line : shape.OutlineLines) {
        ForEachLinePixel(line.From, line.To, area, [&](TPoint p, int step) {
            if (RunsSetPixel(dashes, index + step)) pixels.push_back(p.ToQPoint());
        });
        index += TLineRaster(line.From, line.To).Length();
    }
    return pixels;
}

void TReferenceImageDevice::CombineRect(const QRect& rect, const TPaintSource& source,
                                        TPenMode mode) {
    const QRect area = rect & FClip;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            CombinePixelAt({x, y}, source, mode);
}

void TReferenceImageDevice::CombinePixelAt(const QPoint& p, const TPaintSource& source,
                                           TPenMode mode) {
    if (FClip.contains(p)) CombineAt(Row(*FTarget, p.y())[p.x()], p.x(), p.y(), source, mode);
}

void TReferenceImageDevice::DrawShape(const TShape& shape, const TShapePaint& paint) {
    if (paint.Mode == TPenMode::pmNop) return;
    const bool fill = paint.Brush && !shape.Fill.IsEmpty();
    const bool outline = paint.Pen && shape.HasOutline();
    if ((fill && shape.Fill.Paint) || (outline && shape.Outline.Paint)) {
        DrawMasked(shape, paint);
        return;
    }
    if (fill)
        for (const QRect& r : shape.Fill.Rects)
            CombineRect(r, *paint.Brush, paint.Mode);
    if (outline) {
        for (const QRect& r : shape.Outline.Rects)
            CombineRect(r, *paint.Pen, paint.Mode);
        for (const QPoint& p : LinePixels(shape, paint.Stroke.Dashes, FClip))
            CombinePixelAt(p, *paint.Pen, paint.Mode);
        for (const QPoint& p : shape.OutlinePixels)
            CombinePixelAt(p, *paint.Pen, paint.Mode);
    }
}

void TReferenceImageDevice::DrawMasked(const TShape& shape, const TShapePaint& paint) {
    const QRect area = shape.Bounds & FClip;
    if (area.isEmpty()) return;
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(0);
    {
        QPainter painter(&mask);
        painter.translate(-area.topLeft());
        shape.ClipPainter(painter);
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
    if (paint.Pen) {
        std::vector<QPoint> pixels = LinePixels(shape, paint.Stroke.Dashes, FClip);
        pixels.insert(pixels.end(), shape.OutlinePixels.begin(), shape.OutlinePixels.end());
        for (const QPoint& p : pixels)
            if (area.contains(p))
                Row(mask, p.y() - area.top())[p.x() - area.left()] = kOutlineMarker;
    }
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb mark = Row(std::as_const(mask), y - area.top())[x - area.left()];
            if (mark != 0)
                CombinePixelAt({x, y}, mark == kOutlineMarker ? *paint.Pen : *paint.Brush,
                               paint.Mode);
        }
}

void TReferenceImageDevice::Blit(const TBlit& blit) {
    if (!blit.Source || blit.Dest.isEmpty() || blit.Src.isEmpty()) return;
    const QImage source = *blit.Source;
    const QRect area = blit.Dest & FClip;
    const auto sourceMode = SourceModeOf(blit.Rop);
    const auto patternMode = PatternModeOf(blit.Rop);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int sx =
                blit.Src.left() +
                StretchSourceOffset(x - blit.Dest.left(), blit.Dest.width(), blit.Src.width());
            const int sy =
                blit.Src.top() +
                StretchSourceOffset(y - blit.Dest.top(), blit.Dest.height(), blit.Src.height());
            if (sx < 0 || sx >= source.width() || sy < 0 || sy >= source.height()) continue;
            const QRgb s = Row(source, sy)[sx];
            QRgb& d = Row(*FTarget, y)[x];
            if (blit.Transparent && ((s ^ *blit.Transparent) & kColorBits) == 0) {
                if (blit.KeyFill) CombineAt(d, x, y, *blit.KeyFill, TPenMode::pmCopy);
                continue;
            }
            if (sourceMode == TPenMode::pmCopy && !blit.Transparent)
                d = s;
            else if (sourceMode)
                d = CombinePixel(*sourceMode, s, d);
            else if (patternMode)
                d = CombinePixel(*patternMode, blit.Pattern, d);
            else
                d = CombineCopyPixel(blit.Rop, blit.Pattern, s, d);
        }
}

}  // namespace mox::canvastesting
