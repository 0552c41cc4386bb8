#pragma once
// The drawing surface of bitmaps and windows, with the pixel rules of a classic GDI device
// context: lines leave out their end pixel, rectangles exclude their right and bottom edges, pen
// modes combine colours bit by bit. A canvas draws into an image (a bitmap's canvas) or through a
// QPainter a paint event lends it (BindPainter); pixels can only be read from an image.

#include <QString>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "toolkit/core/types.h"
#include "toolkit/graphics/brush.h"
#include "toolkit/graphics/drawtext.h"
#include "toolkit/graphics/font.h"
#include "toolkit/graphics/pen.h"
#include "toolkit/graphics/rasterline.h"
#include "toolkit/graphics/rasterops.h"

class QImage;
class QPainter;

namespace mox {

class TBitmap;
class TCanvasDevice;
class TImageDevice;
class TPainterDevice;
class TPaintSource;
struct TShape;
struct TShapePaint;

// What Pixels() reads where there is no readable pixel (GDI's CLR_INVALID).
constexpr TColor clInvalidPixel = -1;

class TCanvas : public TPersistent {
    MOX_CLASS
public:
    // A canvas that draws nowhere until a painter is bound.
    TCanvas();
    // A canvas on an image owned elsewhere (a bitmap's), which may be resized between operations.
    explicit TCanvas(QImage* image);
    // A canvas drawing through `device`, an image device with its own pixel writing (tests
    // compare the canvas's pixels written by a plainer device).
    explicit TCanvas(std::unique_ptr<TImageDevice> device);
    ~TCanvas() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value) { FPen->Assign(value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TBrush* value) { FBrush->Assign(value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint value) { FPenPos = value; }

    // Draw through `painter` (a paint event's) instead of the image, until UnbindPainter.
    void BindPainter(QPainter* painter);
    void UnbindPainter();
    // Whether drawing goes anywhere; drawing on a canvas that cannot draw raises
    // EInvalidOperation.
    bool CanDraw() const;

    // The area drawing reaches: the image or the painter's device, within any clip set here.
    TRect ClipRect() const;
    void SetClipRect(const TRect& rect);
    void ResetClipRect();

    // Serialises drawing from several threads (recursive).
    void Lock();
    bool TryLock();
    void Unlock();
    int LockCount() const { return FLockCount; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
    // Curves of the ellipse in (x1, y1, x2, y2), counter-clockwise from the radial through
    // (x3, y3) to the radial through (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

    // A pixel's colour; clInvalidPixel outside the clip or where pixels cannot be read.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    // Text with its cell's top-left at (x, y); a brush that is not clear fills the cell first.
    // Moves the pen position to the end of the text.
    void TextOut(int x, int y, const QString& text);
    // Text at (x, y) clipped to `rect`, which a brush that is not clear fills first.
    void TextRect(const TRect& rect, int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    TSize TextExtent(const QString& text) const;
    // Formatted text in `rect` (DT_ flags); returns the height of the text. DT_CALCRECT draws
    // nothing and sets rect's Right and Bottom to what the text needs.
    int DrawText(const QString& text, TRect& rect, int flags);

    // Copies `source` (which must draw on an image) from `srcRect` to `destRect` through the copy
    // mode, stretching with the nearest pixel when the sizes differ.
    void CopyRect(const TRect& destRect, const TCanvas& source, const TRect& srcRect);
    // Draws a bitmap with its top-left at (x, y); a transparent bitmap leaves out its
    // transparent colour, otherwise the copy mode applies.
    void Draw(int x, int y, const TBitmap& bitmap);
    void StretchDraw(const TRect& rect, const TBitmap& bitmap);
    // Copies `srcRect` of `bitmap` to `destRect`; pixels of `transparentColor` take the brush, so
    // a clear brush leaves them out.
    void BrushCopy(const TRect& destRect, const TBitmap& bitmap, const TRect& srcRect,
                   TColor transparentColor);

private:
    enum class TCurveKind { Arc, Pie, Chord };

    // The device drawing goes to, clipped for the next operation; raises EInvalidOperation when
    // there is none.
    TCanvasDevice& Device() const;
    TCanvasDevice* CurrentDevice() const;
    std::optional<TPaintSource> PenSource() const;
    int PenWidth() const;
    // The pen (and, with `withBrush`, the brush) in the pen's mode.
    TShapePaint ShapePaint(bool withBrush) const;
    // The lines of a path through `points`, back to the first with `closed`.
    static std::vector<TLineSegment> PathLines(std::span<const TPoint> points, bool closed);
    // Adds the pen's outline of a path of connected segments to `shape`.
    void AddPathOutline(TShape& shape, std::span<const TPoint> points, bool closed) const;
    void DrawCurve(TCurveKind kind, const TRect& box, TPoint start, TPoint end);
    void PaintText(TCanvasDevice& device, const QRect& clip, const QRect& background,
                   TPoint topLeft, const TPrefixedText& text);
    // Pixels of `transparent` are left out, or take `keyFill` where one is given.
    void DrawBitmap(const TRect& dest, const TBitmap& bitmap, const TRect& src,
                    std::optional<TColor> transparent, const std::optional<TPaintSource>& keyFill);
    static std::optional<TColor> TransparentColorOf(const TBitmap& bitmap);

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TImageDevice> FImageDevice;
    std::unique_ptr<TPainterDevice> FPainterDevice;
    std::optional<TRect> FClip;
    TCopyMode FCopyMode = cmSrcCopy;
    TPoint FPenPos;
    std::recursive_mutex FLock;
    std::atomic<int> FLockCount = 0;
};

}  // namespace mox
