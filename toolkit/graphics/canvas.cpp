#include "toolkit/graphics/canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/fontmetrics.h"
#include "toolkit/graphics/imagedevice.h"
#include "toolkit/graphics/painterdevice.h"
#include "toolkit/graphics/rasterline.h"
#include "toolkit/graphics/shapegeometry.h"

namespace mox {

namespace {

// The smallest rectangle holding `points`, grown by `margin` on every side.
QRect BoundsOf(std::span<const TPoint> points, int margin) {
    int left = points.front().X, right = left, top = points.front().Y, bottom = top;
    for (const TPoint& p : points) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    return TRect{left, top, right + 1, bottom + 1}.ToQRect().adjusted(-margin, -margin, margin,
                                                                      margin);
}

QPolygon ToQPolygon(std::span<const TPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const TPoint& p : points)
        polygon.append(p.ToQPoint());
    return polygon;
}

std::vector<TPoint> LimitedPoints(std::span<const TPoint> points) {
    std::vector<TPoint> result(points.begin(), points.end());
    for (TPoint& p : result)
        p = Limited(p);
    return result;
}

std::vector<QRect> ToQRects(const std::vector<TRect>& rects) {
    std::vector<QRect> result;
    result.reserve(rects.size());
    for (const TRect& r : rects)
        result.push_back(r.ToQRect());
    return result;
}

TColor FromQRgb(QRgb pixel) {
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

}  // namespace

const TClassInfo& TCanvas::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCanvas>("TCanvas", TPersistent::StaticClass()).Build();
    return info;
}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()),
      FPen(std::make_unique<TPen>()),
      FBrush(std::make_unique<TBrush>()) {}

TCanvas::TCanvas(QImage* image) : TCanvas(std::make_unique<TImageDevice>(image)) {}

TCanvas::TCanvas(std::unique_ptr<TImageDevice> device) : TCanvas() {
    FImageDevice = std::move(device);
}

TCanvas::~TCanvas() = default;

// ---- Devices, clipping, locking

void TCanvas::BindPainter(QPainter* painter) {
    FPainterDevice = painter ? std::make_unique<TPainterDevice>(painter) : nullptr;
}

void TCanvas::UnbindPainter() {
    FPainterDevice.reset();
}

TCanvasDevice* TCanvas::CurrentDevice() const {
    if (FPainterDevice) return FPainterDevice.get();
    return FImageDevice.get();
}

bool TCanvas::CanDraw() const {
    return CurrentDevice() != nullptr;
}

TCanvasDevice& TCanvas::Device() const {
    TCanvasDevice* device = CurrentDevice();
    if (!device) throw EInvalidOperation(QStringLiteral("Canvas does not allow drawing"));
    device->SetClip(ClipRect().ToQRect());
    return *device;
}

TRect TCanvas::ClipRect() const {
    const TCanvasDevice* device = CurrentDevice();
    QRect area = device ? device->Bounds() : QRect();
    if (FClip) area &= FClip->ToQRect();
    return area.isEmpty() ? TRect{} : TRect::FromQRect(area);
}

void TCanvas::SetClipRect(const TRect& rect) {
    FClip = Limited(rect);
}

void TCanvas::ResetClipRect() {
    FClip.reset();
}

void TCanvas::Lock() {
    FLock.lock();
    ++FLockCount;
}

bool TCanvas::TryLock() {
    if (!FLock.try_lock()) return false;
    ++FLockCount;
    return true;
}

void TCanvas::Unlock() {
    --FLockCount;
    FLock.unlock();
}

// ---- Pen and brush

std::optional<TPaintSource> TCanvas::PenSource() const {
    if (FPen->Style() == TPenStyle::psClear) return std::nullopt;
    return TPaintSource(ToQRgb(FPen->Color()));
}

int TCanvas::PenWidth() const {
    // A pen as wide as the coordinate space already covers all of it; the limit keeps the
    // outline's bounds arithmetic inside int.
    return std::clamp(FPen->Width(), 1, kCoordLimit);
}

TShapePaint TCanvas::ShapePaint(bool withBrush) const {
    TShapePaint paint;
    if (withBrush) paint.Brush = TPaintSource::OfBrush(*FBrush);
    paint.Pen = PenSource();
    paint.Stroke = {PenWidth(), PenDashRuns(FPen->Style())};
    paint.Mode = FPen->Mode();
    return paint;
}

std::vector<TLineSegment> TCanvas::PathLines(std::span<const TPoint> points, bool closed) {
    // One-pixel pens are rasterised by the device from these lines so every pixel is exactly
    // GDI's; the style pattern runs on from one line to the next.
    std::vector<TLineSegment> lines;
    if (points.size() < 2) return lines;
    const std::size_t count = closed ? points.size() : points.size() - 1;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back({points[i], points[(i + 1) % points.size()]});
    return lines;
}

void TCanvas::AddPathOutline(TShape& shape, std::span<const TPoint> points, bool closed) const {
    if (FPen->Style() == TPenStyle::psClear || points.size() < 2) return;
    const int width = PenWidth();
    if (width == 1) {
        shape.OutlineLines = PathLines(points, closed);
        return;
    }
    const QPolygon polygon = ToQPolygon(points);
    shape.Outline.Paint = [polygon, closed](QPainter& painter) {
        if (closed)
            painter.drawPolygon(polygon);
        else
            painter.drawPolyline(polygon);
    };
    shape.Bounds |= BoundsOf(points, width);
}

// ---- Lines

void TCanvas::MoveTo(int x, int y) {
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    const TPoint path[] = {FPenPos, {x, y}};
    Polyline(path);
    FPenPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    TCanvasDevice& device = Device();
    const std::vector<TPoint> path = LimitedPoints(points);
    TShape shape;
    AddPathOutline(shape, path, false);
    device.DrawShape(shape, ShapePaint(false));
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    TCanvasDevice& device = Device();
    if (points.size() < 2) return;
    const std::vector<TPoint> path = LimitedPoints(points);
    TShape shape;
    shape.Bounds = BoundsOf(path, 1);
    const QPolygon polygon = ToQPolygon(path);
    // Alternate filling, as GDI does by default.
    shape.Fill.Paint = [polygon](QPainter& painter) {
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    };
    AddPathOutline(shape, path, true);
    device.DrawShape(shape, ShapePaint(true));
}

// ---- Rectangles

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    TCanvasDevice& device = Device();
    const TRect box = Normalized(Limited(TRect{left, top, right, bottom}));
    TShape shape;
    shape.Bounds = box.ToQRect();
    if (FPen->Style() == TPenStyle::psClear) {
        shape.Fill.Rects = {box.ToQRect()};
    } else if (PenWidth() == 1) {
        shape.OutlineLines = FrameLines(box);
        const TRect inner{box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1};
        if (!inner.IsEmpty()) shape.Fill.Rects = {inner.ToQRect()};
    } else {
        const TPenFrame frame =
            RectangleFrame(box, PenWidth(), FPen->Style() == TPenStyle::psInsideFrame);
        shape.Outline.Rects = ToQRects(FrameBands(frame.Outer, frame.Inner));
        if (!frame.Inner.IsEmpty()) shape.Fill.Rects = {frame.Inner.ToQRect()};
    }
    device.DrawShape(shape, ShapePaint(true));
}

void TCanvas::FillRect(const TRect& rect) {
    TCanvasDevice& device = Device();
    TShapePaint paint;
    paint.Brush = TPaintSource::OfBrush(*FBrush);
    TShape shape;
    shape.Fill.Rects = {Limited(rect).ToQRect()};
    device.DrawShape(shape, paint);
}

void TCanvas::FrameRect(const TRect& rect) {
    TCanvasDevice& device = Device();
    const TRect box = Limited(rect);
    const TPenFrame frame = RectangleFrame(box, 1, true);
    TShapePaint paint;
    paint.Brush = TPaintSource::OfBrush(*FBrush);
    TShape shape;
    shape.Fill.Rects = ToQRects(FrameBands(frame.Outer, frame.Inner));
    device.DrawShape(shape, paint);
}

// ---- Curves

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    TCanvasDevice& device = Device();
    const TRect box = Normalized(Limited(TRect{left, top, right, bottom}));
    const int width = PenWidth();
    // An inside-frame pen keeps its whole width within the box.
    const int inset = FPen->Style() == TPenStyle::psInsideFrame ? width / 2 : 0;
    const QRect ellipse =
        EllipseBox({box.Left + inset, box.Top + inset, box.Right - inset, box.Bottom - inset})
            .ToQRect();
    TShape shape;
    shape.Bounds = box.ToQRect().adjusted(-width, -width, width, width);
    shape.Fill.Paint = [ellipse](QPainter& painter) { painter.drawEllipse(ellipse); };
    shape.Outline.Paint = shape.Fill.Paint;
    device.DrawShape(shape, ShapePaint(true));
}

void TCanvas::DrawCurve(TCurveKind kind, const TRect& box, TPoint start, TPoint end) {
    TCanvasDevice& device = Device();
    const TRect b = Normalized(Limited(box));
    const int width = PenWidth();
    const TArcRegion arc = ArcRegion(b, ArcSpan(b, Limited(start), Limited(end)), width);
    // The curve is the part of the ellipse inside the region; pies and chords close it with
    // straight lines (each leaving out its last pixel, which the arc or the next line sets).
    const QPolygonF& region = kind == TCurveKind::Chord ? arc.Segment : arc.Sector;
    const auto ellipse = [box = EllipseBox(b).ToQRect()](QPainter& painter) {
        painter.drawEllipse(box);
    };
    std::vector<TPoint> closing;
    if (kind == TCurveKind::Pie) closing = {arc.End, arc.Centre, arc.Start};
    if (kind == TCurveKind::Chord) closing = {arc.End, arc.Start};

    TShape shape;
    shape.Bounds = arc.Bounds;
    if (kind != TCurveKind::Arc) shape.Fill.Paint = ellipse;
    if (width == 1 || closing.empty()) {
        shape.PaintClip = region;
        shape.Outline.Paint = ellipse;
        if (FPen->Style() != TPenStyle::psClear) shape.OutlineLines = PathLines(closing, false);
    } else {
        // Wide closing lines are not clipped to the region, so only the arc is.
        QPainterPath clip;
        clip.addPolygon(region);
        const auto clipped = [clip, ellipse](QPainter& painter) {
            painter.save();
            if (!clip.isEmpty()) painter.setClipPath(clip, Qt::IntersectClip);
            ellipse(painter);
            painter.restore();
        };
        if (shape.Fill.Paint) shape.Fill.Paint = clipped;
        const QPolygon lines = ToQPolygon(closing);
        shape.Outline.Paint = [clipped, lines](QPainter& painter) {
            clipped(painter);
            painter.drawPolyline(lines);
        };
    }
    device.DrawShape(shape, ShapePaint(kind != TCurveKind::Arc));
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DrawCurve(TCurveKind::Arc, {x1, y1, x2, y2}, {x3, y3}, {x4, y4});
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DrawCurve(TCurveKind::Pie, {x1, y1, x2, y2}, {x3, y3}, {x4, y4});
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    DrawCurve(TCurveKind::Chord, {x1, y1, x2, y2}, {x3, y3}, {x4, y4});
}

// ---- Pixels

TColor TCanvas::Pixels(int x, int y) const {
    if (!CanDraw()) return clInvalidPixel;
    const std::optional<QRgb> pixel = Device().Pixel(QPoint(x, y));
    return pixel ? FromQRgb(*pixel) : clInvalidPixel;
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    TCanvasDevice& device = Device();
    TShape shape;
    shape.OutlinePixels = {QPoint(x, y)};
    TShapePaint paint;
    paint.Pen = TPaintSource(ToQRgb(color));
    device.DrawShape(shape, paint);
}

// ---- Text

int TCanvas::TextWidth(const QString& text) const {
    return FFont->TextWidth(text);
}

int TCanvas::TextHeight(const QString&) const {
    return FFont->Metric().Height();
}

TSize TCanvas::TextExtent(const QString& text) const {
    return {TextWidth(text), TextHeight(text)};
}

void TCanvas::PaintText(TCanvasDevice& device, const QRect& clip, const QRect& background,
                        TPoint topLeft, const TPrefixedText& text) {
    const QFont font = FFont->ToQFont();
    const int ascent = FFont->Metric().Ascent;
    const QColor color = ToQColor(FFont->Color());
    const bool opaque = FBrush->Style() != TBrushStyle::bsClear;
    const QColor backColor = ToQColor(FBrush->Color());
    device.PaintDirect(clip, [&](QPainter& painter) {
        if (opaque) painter.fillRect(background, backColor);
        painter.setFont(font);
        painter.setPen(color);
        const int baseline = topLeft.Y + ascent;
        painter.drawText(QPoint(topLeft.X, baseline), text.Text);
        if (text.Underlined < 0) return;
        const QFontMetrics metrics(font);
        const int x = topLeft.X + metrics.horizontalAdvance(text.Text.left(text.Underlined));
        const int w = metrics.horizontalAdvance(text.Text.at(text.Underlined));
        painter.fillRect(
            QRect(x, baseline + metrics.underlinePos(), w, std::max(1, metrics.lineWidth())),
            color);
    });
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    TCanvasDevice& device = Device();
    x = LimitCoord(x);
    y = LimitCoord(y);
    const TSize extent = TextExtent(text);
    PaintText(device, device.Clip(), QRect(x, y, extent.cx, extent.cy), {x, y}, {text, -1});
    FPenPos = {x + extent.cx, y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const QString& text) {
    TCanvasDevice& device = Device();
    const QRect area = Limited(rect).ToQRect();
    PaintText(device, area, area, Limited(TPoint{x, y}), {text, -1});
}

int TCanvas::DrawText(const QString& text, TRect& rect, int flags) {
    const bool prefixes = !(flags & DT_NOPREFIX);
    const auto shown = [prefixes](QStringView raw) {
        return prefixes ? ResolvePrefixes(raw) : TPrefixedText{raw.toString(), -1};
    };
    const QFontMetrics metrics(FFont->ToQFont());
    const auto measure = [&](QStringView raw) {
        return metrics.horizontalAdvance(shown(raw).Text);
    };
    const TRect r = Limited(rect);
    const QStringList lines = BreakTextLines(text, flags, r.Width(), measure);
    const int lineHeight = FFont->Metric().Height();
    const int height = static_cast<int>(lines.size()) * lineHeight;

    if (flags & DT_CALCRECT) {
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, measure(line));
        rect.Right = r.Left + width;
        rect.Bottom = r.Top + height;
        return height;
    }

    TCanvasDevice& device = Device();
    int top = r.Top;
    if (flags & DT_SINGLELINE) {
        if (flags & DT_VCENTER)
            top = r.Top + (r.Height() - lineHeight) / 2;
        else if (flags & DT_BOTTOM)
            top = r.Bottom - lineHeight;
    }
    const QRect clip = (flags & DT_NOCLIP) ? device.Clip() : r.ToQRect();
    int y = top;
    for (const QString& line : lines) {
        const TPrefixedText piece = shown(line);
        const int width = metrics.horizontalAdvance(piece.Text);
        int x = r.Left;
        if (flags & DT_CENTER)
            x = r.Left + (r.Width() - width) / 2;
        else if (flags & DT_RIGHT)
            x = r.Right - width;
        PaintText(device, clip, QRect(x, y, width, lineHeight), {x, y}, piece);
        y += lineHeight;
    }
    // With vertical placement GDI reports where the text ends, measured from the rectangle's top.
    return top - r.Top + height;
}

// ---- Block copies

void TCanvas::CopyRect(const TRect& destRect, const TCanvas& source, const TRect& srcRect) {
    TCanvasDevice& device = Device();
    if (!source.FImageDevice)
        throw EInvalidOperation(QStringLiteral("Cannot copy from a canvas without an image"));
    TBlit blit;
    blit.Dest = Limited(destRect).ToQRect();
    blit.Source = &source.FImageDevice->Image();
    blit.Src = Limited(srcRect).ToQRect();
    blit.Rop = FCopyMode;
    blit.Pattern = ToQRgb(FBrush->Color());
    device.Blit(blit);
}

void TCanvas::DrawBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& src,
                         std::optional<TColor> transparent,
                         const std::optional<TPaintSource>& keyFill) {
    TCanvasDevice& device = Device();
    if (bitmap.Empty()) return;
    TBlit blit;
    blit.Dest = Limited(dest).ToQRect();
    blit.Source = &bitmap.Image();
    blit.Src = Limited(src).ToQRect();
    // Leaving a colour out is a plain copy of the rest.
    blit.Rop = transparent ? cmSrcCopy : FCopyMode;
    if (transparent) {
        blit.Transparent = ToQRgb(*transparent);
        blit.KeyFill = keyFill;
    }
    blit.Pattern = ToQRgb(FBrush->Color());
    device.Blit(blit);
}

std::optional<TColor> TCanvas::TransparentColorOf(const TBitmap& bitmap) {
    return bitmap.Transparent() ? std::optional<TColor>(bitmap.TransparentColor()) : std::nullopt;
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
    const TRect whole{0, 0, bitmap.Width(), bitmap.Height()};
    DrawBitmap(Bounds(LimitCoord(x), LimitCoord(y), bitmap.Width(), bitmap.Height()), bitmap, whole,
               TransparentColorOf(bitmap), std::nullopt);
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& bitmap) {
    DrawBitmap(rect, bitmap, {0, 0, bitmap.Width(), bitmap.Height()}, TransparentColorOf(bitmap),
               std::nullopt);
}

void TCanvas::BrushCopy(const TRect& destRect, const TBitmap& bitmap, const TRect& srcRect,
                        TColor transparentColor) {
    DrawBitmap(destRect, bitmap, srcRect, transparentColor, TPaintSource::OfBrush(*FBrush));
}

}  // namespace mox
