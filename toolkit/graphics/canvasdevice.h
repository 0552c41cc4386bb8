#pragma once
// What a canvas draws on. The canvas turns every operation into coverage (which pixels), colours
// (a paint source) and a pen mode; a device puts that down: an image with exact pixel
// arithmetic, or a borrowed QPainter through Qt's composition modes.

#include <QPainter>
#include <QPolygonF>
#include <QRect>
#include <QRgb>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "toolkit/graphics/paintsource.h"
#include "toolkit/graphics/pen.h"
#include "toolkit/graphics/rasterline.h"
#include "toolkit/graphics/rasterops.h"

namespace mox {

// The pixels one part of a shape covers: rectangles, and whatever Qt draws.
struct TCoverage {
    std::vector<QRect> Rects;
    // Drawn by Qt: a fill with the painter's brush, an outline with its pen.
    std::function<void(QPainter&)> Paint;

    bool IsEmpty() const { return Rects.empty() && !Paint; }
};

// A shape: an interior painted with the brush and an outline painted with the pen. Each pixel
// takes one of them (the outline wins), so modes like pmXor touch every pixel once.
struct TShape {
    QRect Bounds;  // every pixel the shape can touch
    TCoverage Fill;
    TCoverage Outline;
    // When not empty, the Fill and Outline coverages are kept only inside this polygon (the
    // one-pixel outlines below are not clipped).
    QPolygonF PaintClip;
    // One-pixel outlines the canvas rasterises itself, exactly as GDI does: a path of lines
    // (drawn with the stroke's dashes running on from line to line), and single pixels.
    std::vector<TLineSegment> OutlineLines;
    std::vector<QPoint> OutlinePixels;

    // Keeps what `painter` paints next inside PaintClip, when there is one.
    void ClipPainter(QPainter& painter) const;

    bool HasOutline() const {
        return !Outline.IsEmpty() || !OutlineLines.empty() || !OutlinePixels.empty();
    }
};

// How an outline that Qt draws is stroked.
struct TStroke {
    int Width = 1;
    // On/off runs of a one-pixel pen, also along a shape's OutlineLines; empty for solid.
    std::span<const int> Dashes;

    QPen ToQPen(const QColor& color) const;
};

struct TShapePaint {
    std::optional<TPaintSource> Brush;  // none: the fill is skipped
    std::optional<TPaintSource> Pen;    // none: the outline is skipped
    TStroke Stroke;
    TPenMode Mode = TPenMode::pmCopy;
};

// A block copy from an image.
struct TBlit {
    QRect Dest;
    const QImage* Source = nullptr;  // RGB32
    QRect Src;                       // stretched onto Dest when the sizes differ
    TCopyMode Rop = cmSrcCopy;
    std::optional<QRgb> Transparent;      // source pixels of this colour are left out...
    std::optional<TPaintSource> KeyFill;  // ...or, when given, take this brush's colours
    QRgb Pattern = 0;                     // the brush colour, for modes that use the pattern
};

class TCanvasDevice {
public:
    virtual ~TCanvasDevice() = default;

    // The area that exists to draw on, in the canvas's coordinates.
    virtual QRect Bounds() const = 0;
    // Where drawing is allowed; set by the canvas before each operation.
    void SetClip(const QRect& clip) { FClip = clip; }
    const QRect& Clip() const { return FClip; }

    virtual void DrawShape(const TShape& shape, const TShapePaint& paint) = 0;
    virtual void Blit(const TBlit& blit) = 0;
    // Direct Qt drawing (text), clipped to `clip` within the device's clip.
    virtual void PaintDirect(const QRect& clip, const std::function<void(QPainter&)>& paint) = 0;
    // The colour of a pixel, where the device can read it.
    virtual std::optional<QRgb> Pixel(const QPoint& p) const = 0;

protected:
    QRect FClip;
};

}  // namespace mox
