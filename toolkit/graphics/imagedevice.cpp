#include "toolkit/graphics/imagedevice.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "toolkit/graphics/pixelwriter.h"
#include "toolkit/graphics/shapegeometry.h"

namespace mox {

namespace {

// Colours Qt paints into a coverage mask, telling brush pixels from pen pixels. A one-byte mask
// would be smaller, but Qt fills 8-bit images many times more slowly.
constexpr QRgb kFillMarker = 0xFF0000FFu;
constexpr QRgb kOutlineMarker = 0xFFFF0000u;
constexpr QRgb kColorBits = 0x00FFFFFFu;

const QRgb* Row(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// Writes row y's pixels `left`..`right` of `to` from the source columns `columns` (-1 where a
// column falls outside the source) by `put(source, dest)`.
template <class Put>
void BlitRow(const QRgb* from, QRgb* to, int left, int right, const std::vector<int>& columns,
             Put&& put) {
    for (int x = left; x <= right; ++x) {
        const int sx = columns[static_cast<std::size_t>(x - left)];
        if (sx >= 0) put(from[sx], to[x], x);
    }
}

// Where the run of equal marks starting at `from` ends, comparing two marks at a time.
int RunEnd(const QRgb* row, int from, int width) {
    constexpr int kPair = 2;
    const QRgb mark = row[from];
    const std::uint64_t same = (std::uint64_t{mark} << 32) | mark;
    int end = from + 1;
    for (std::uint64_t pair = 0; end + kPair <= width; end += kPair) {
        std::memcpy(&pair, row + end, sizeof pair);
        if (pair != same) break;
    }
    while (end < width && row[end] == mark)
        ++end;
    return end;
}

}  // namespace

std::optional<QRgb> TImageDevice::Pixel(const QPoint& p) const {
    if (!FClip.contains(p)) return std::nullopt;
    return Row(std::as_const(*FImage), p.y())[p.x()];
}

void TImageDevice::DrawShape(const TShape& shape, const TShapePaint& paint) {
    if (paint.Mode == TPenMode::pmNop) return;
    const bool fill = paint.Brush && !shape.Fill.IsEmpty();
    const bool outline = paint.Pen && shape.HasOutline();
    if ((fill && shape.Fill.Paint) || (outline && shape.Outline.Paint)) {
        if (IsOpaqueCopy(paint))
            DrawOpaqueCopy(shape, paint);
        else
            DrawMasked(shape, paint);
        return;
    }
    if (!fill && !outline) return;
    const TPixelView view = TPixelView::Of(*FImage, FClip);
    if (view.Clip.isEmpty()) return;
    // Rectangles and rasterised pixels: the canvas keeps interior and outline apart.
    if (fill) {
        const TInk brush(*paint.Brush, paint.Mode);
        for (const QRect& r : shape.Fill.Rects) {
            // Clearing the whole image is most paints' first step; Qt's own fill is the fastest.
            if (brush.IsOpaqueCopy() && (r & view.Clip) == FImage->rect())
                FImage->fill(brush.Color());
            else
                InkRect(view, r, brush);
        }
    }
    if (outline) {
        const TInk pen(*paint.Pen, paint.Mode);
        for (const QRect& r : shape.Outline.Rects)
            InkRect(view, r, pen);
        InkPath(view, shape.OutlineLines, paint.Stroke.Dashes, pen);
        for (const QPoint& p : shape.OutlinePixels)
            if (view.Clip.contains(p)) pen.Put(view.Row(p.y())[p.x()], p.x(), p.y());
    }
}

bool TImageDevice::IsOpaqueCopy(const TShapePaint& paint) {
    const auto opaque = [&](const std::optional<TPaintSource>& source) {
        return !source || TInk(*source, paint.Mode).IsOpaqueCopy();
    };
    // Dashed outlines keep to the mask: where Qt's dashes fall along a curve depends on the size of
    // the device it draws on, and the mask is always sized to the shape's bounds.
    return opaque(paint.Brush) && opaque(paint.Pen) && (!paint.Pen || paint.Stroke.Dashes.empty());
}

void TImageDevice::DrawOpaqueCopy(const TShape& shape, const TShapePaint& paint) {
    const QRect area = shape.Bounds & FClip;
    if (area.isEmpty()) return;
    // Qt's aliased coverage in the shape's own colours is the result: no mask is needed.
    PaintDirect(area, [&](QPainter& painter) {
        shape.ClipPainter(painter);
        if (paint.Brush) {
            const QColor color = QColor::fromRgb(paint.Brush->Color());
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            if (shape.Fill.Paint) shape.Fill.Paint(painter);
            for (const QRect& r : shape.Fill.Rects)
                painter.fillRect(r, color);
        }
        if (paint.Pen) {
            const QColor color = QColor::fromRgb(paint.Pen->Color());
            painter.setPen(paint.Stroke.ToQPen(color));
            painter.setBrush(Qt::NoBrush);
            if (shape.Outline.Paint) shape.Outline.Paint(painter);
            for (const QRect& r : shape.Outline.Rects)
                painter.fillRect(r, color);
        }
    });
    if (!paint.Pen) return;
    const TPixelView view = TPixelView::Of(*FImage, area);
    const TInk pen(*paint.Pen, paint.Mode);
    InkPath(view, shape.OutlineLines, paint.Stroke.Dashes, pen);
    for (const QPoint& p : shape.OutlinePixels)
        if (view.Clip.contains(p)) pen.Put(view.Row(p.y())[p.x()], p.x(), p.y());
}

void TImageDevice::DrawMasked(const TShape& shape, const TShapePaint& paint) {
    const TPixelView view = TPixelView::Of(*FImage, shape.Bounds & FClip);
    const QRect area = view.Clip;
    if (area.isEmpty()) return;
    // Qt paints which pixels the brush and the pen cover (aliased, so in exact marker colours);
    // the colours and the mode are then applied here, once per pixel, a run of one kind at a time.
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
    const TPixelView marks{reinterpret_cast<QRgb*>(mask.bits()),
                           mask.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb)),
                           QRect(QPoint(0, 0), area.size())};
    if (paint.Pen) {
        const auto mark = [&](const QPoint& p) {
            if (area.contains(p))
                marks.Row(p.y() - area.top())[p.x() - area.left()] = kOutlineMarker;
        };
        ForEachPathPixel(shape.OutlineLines, paint.Stroke.Dashes, TRect::FromQRect(area),
                         [&](TPoint p) { mark(p.ToQPoint()); });
        for (const QPoint& p : shape.OutlinePixels)
            mark(p);
    }

    // Only marks of a pen or brush that the shape paints are in the mask.
    const TPaintSource none(0);
    const TInk pen(paint.Pen ? *paint.Pen : none, paint.Mode);
    const TInk brush(paint.Brush ? *paint.Brush : none, paint.Mode);
    const int width = area.width();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* row = marks.Row(y - area.top());
        QRgb* pixels = view.Row(y);
        for (int x = 0; x < width;) {
            const QRgb kind = row[x];
            const int end = RunEnd(row, x, width);
            if (kind != 0) {
                const TInk& ink = kind == kOutlineMarker ? pen : brush;
                ink.PutSpan(pixels, area.left() + x, area.left() + end - 1, y);
            }
            x = end;
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
    const TPixelView view = TPixelView::Of(*FImage, area);
    if (view.Clip.isEmpty()) return;

    // Source column of every destination column; -1 where it falls outside the source.
    std::vector<int> columns(static_cast<std::size_t>(area.width()));
    for (int x = area.left(); x <= area.right(); ++x) {
        const int sx = blit.Src.left() + StretchSourceOffset(x - blit.Dest.left(),
                                                             blit.Dest.width(), blit.Src.width());
        columns[static_cast<std::size_t>(x - area.left())] =
            sx >= 0 && sx < source.width() ? sx : -1;
    }
    // Unstretched columns that all lie in the source copy as whole rows.
    const bool sameWidth =
        blit.Dest.width() == blit.Src.width() && columns.front() >= 0 && columns.back() >= 0;
    const auto sourceMode = SourceModeOf(blit.Rop);
    const auto patternMode = PatternModeOf(blit.Rop);
    const bool plainCopy = sourceMode == TPenMode::pmCopy && !blit.Transparent;
    const auto combine = [&](QRgb s, QRgb d) {
        if (sourceMode) return CombinePixel(*sourceMode, s, d);
        if (patternMode) return CombinePixel(*patternMode, blit.Pattern, d);
        return CombineCopyPixel(blit.Rop, blit.Pattern, s, d);
    };
    const TPaintSource none(0);
    const TInk keyFill(blit.KeyFill ? *blit.KeyFill : none, TPenMode::pmCopy);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const int sy = blit.Src.top() + StretchSourceOffset(y - blit.Dest.top(), blit.Dest.height(),
                                                            blit.Src.height());
        if (sy < 0 || sy >= source.height()) continue;
        const QRgb* from = Row(source, sy);
        QRgb* to = view.Row(y);
        if (plainCopy && sameWidth) {
            std::copy_n(from + columns.front(), area.width(), to + area.left());
            continue;
        }
        if (plainCopy) {
            BlitRow(from, to, area.left(), area.right(), columns,
                    [](QRgb s, QRgb& d, int) { d = s; });
            continue;
        }
        BlitRow(from, to, area.left(), area.right(), columns, [&](QRgb s, QRgb& d, int x) {
            if (blit.Transparent && ((s ^ *blit.Transparent) & kColorBits) == 0) {
                if (blit.KeyFill) keyFill.Put(d, x, y);
                return;
            }
            d = combine(s, d);
        });
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
