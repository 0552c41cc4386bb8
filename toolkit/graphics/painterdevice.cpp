#include "toolkit/graphics/painterdevice.h"

#include "toolkit/core/exceptions.h"

namespace mox {

namespace {
constexpr QRgb kColorBits = 0x00FFFFFFu;
}  // namespace

QPainter::CompositionMode CompositionModeOf(TPenMode mode) {
    switch (mode) {
        case TPenMode::pmBlack:
            return QPainter::RasterOp_ClearDestination;
        case TPenMode::pmWhite:
            return QPainter::RasterOp_SetDestination;
        case TPenMode::pmNot:
            return QPainter::RasterOp_NotDestination;
        case TPenMode::pmNotCopy:
            return QPainter::RasterOp_NotSource;
        case TPenMode::pmMergePenNot:
            return QPainter::RasterOp_SourceOrNotDestination;
        case TPenMode::pmMaskPenNot:
            return QPainter::RasterOp_SourceAndNotDestination;
        case TPenMode::pmMergeNotPen:
            return QPainter::RasterOp_NotSourceOrDestination;
        case TPenMode::pmMaskNotPen:
            return QPainter::RasterOp_NotSourceAndDestination;
        case TPenMode::pmMerge:
            return QPainter::RasterOp_SourceOrDestination;
        case TPenMode::pmNotMerge:
            return QPainter::RasterOp_NotSourceAndNotDestination;
        case TPenMode::pmMask:
            return QPainter::RasterOp_SourceAndDestination;
        case TPenMode::pmNotMask:
            return QPainter::RasterOp_NotSourceOrNotDestination;
        case TPenMode::pmXor:
            return QPainter::RasterOp_SourceXorDestination;
        case TPenMode::pmNotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        case TPenMode::pmNop:
        case TPenMode::pmCopy:
            break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QRect TPainterDevice::Bounds() const {
    const QPaintDevice* device = FPainter->device();
    if (!device) return {};
    // The device's area in the painter's coordinates (a control paints its parent translated).
    const QRect all = FPainter->worldTransform().inverted().mapRect(
        QRect(0, 0, device->width(), device->height()));
    return FPainter->hasClipping() ? all & FPainter->clipBoundingRect().toAlignedRect() : all;
}

void TPainterDevice::Painting(const std::function<void(QPainter&)>& paint) {
    // The painter is borrowed: its state is given back as it was, also when drawing throws.
    struct TRestore {
        QPainter* Painter;
        ~TRestore() { Painter->restore(); }
    };
    FPainter->save();
    const TRestore restore{FPainter};
    FPainter->setClipRect(FClip, Qt::IntersectClip);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::TextAntialiasing, false);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    FPainter->setBrushOrigin(0, 0);
    paint(*FPainter);
}

void TPainterDevice::DrawShape(const TShape& shape, const TShapePaint& paint) {
    if (paint.Mode == TPenMode::pmNop) return;
    Painting([&](QPainter& painter) {
        painter.setCompositionMode(CompositionModeOf(paint.Mode));
        painter.save();
        shape.ClipPainter(painter);
        if (paint.Brush && !shape.Fill.IsEmpty()) {
            const QBrush brush = paint.Brush->ToQBrush();
            painter.setPen(Qt::NoPen);
            painter.setBrush(brush);
            if (shape.Fill.Paint) shape.Fill.Paint(painter);
            for (const QRect& r : shape.Fill.Rects)
                painter.fillRect(r, brush);
        }
        if (paint.Pen && shape.HasOutline()) {
            const QColor color = QColor::fromRgb(paint.Pen->Color());
            painter.setPen(paint.Stroke.ToQPen(color));
            painter.setBrush(Qt::NoBrush);
            if (shape.Outline.Paint) shape.Outline.Paint(painter);
            for (const QRect& r : shape.Outline.Rects)
                painter.fillRect(r, color);
        }
        painter.restore();
        if (paint.Pen && shape.HasOutline()) {
            const QColor color = QColor::fromRgb(paint.Pen->Color());
            // The canvas's own one-pixel rasterisation, set pixel by pixel.
            std::vector<QPoint> pixels;
            ForEachPathPixel(shape.OutlineLines, paint.Stroke.Dashes, TRect::FromQRect(FClip),
                             [&](TPoint p) { pixels.push_back(p.ToQPoint()); });
            pixels.insert(pixels.end(), shape.OutlinePixels.begin(), shape.OutlinePixels.end());
            if (!pixels.empty()) {
                painter.setPen(QPen(color, 0));
                painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
            }
        }
    });
}

void TPainterDevice::Blit(const TBlit& blit) {
    if (!blit.Source || blit.Dest.isEmpty() || blit.Src.isEmpty()) return;
    const auto sourceMode = SourceModeOf(blit.Rop);
    const auto patternMode = PatternModeOf(blit.Rop);
    if (!sourceMode && !patternMode)
        throw EInvalidOperation(QStringLiteral("Copy mode $%1 is not available on a window canvas")
                                    .arg(blit.Rop, 8, 16, QLatin1Char('0')));
    Painting([&](QPainter& painter) {
        if (!sourceMode) {
            painter.setCompositionMode(CompositionModeOf(*patternMode));
            painter.fillRect(blit.Dest, QColor::fromRgb(blit.Pattern));
            return;
        }
        painter.setCompositionMode(CompositionModeOf(*sourceMode));
        if (!blit.Transparent) {
            painter.drawImage(blit.Dest, *blit.Source, blit.Src);
            return;
        }
        // The brush goes under the whole block, so it shows where the transparent colour is
        // left out by making it see-through.
        if (blit.KeyFill) painter.fillRect(blit.Dest, blit.KeyFill->ToQBrush());
        QImage part = blit.Source->copy(blit.Src).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < part.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                if (((row[x] ^ *blit.Transparent) & kColorBits) == 0) row[x] = 0;
        }
        painter.drawImage(blit.Dest, part);
    });
}

void TPainterDevice::PaintDirect(const QRect& clip, const std::function<void(QPainter&)>& paint) {
    Painting([&](QPainter& painter) {
        painter.setClipRect(clip, Qt::IntersectClip);
        paint(painter);
    });
}

}  // namespace mox
