#include "toolkit/graphics/pixelwriter.h"

#include <algorithm>

namespace mox {

TPixelView TPixelView::Of(QImage& image, const QRect& clip) {
    TPixelView view;
    view.Clip = clip & image.rect();
    if (view.Clip.isEmpty()) return view;
    view.Bits = reinterpret_cast<QRgb*>(image.bits());
    view.Stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    return view;
}

void TInk::PutSpan(QRgb* row, int left, int right, int y) const {
    if (FCopy) {
        std::fill(row + left, row + right + 1, FColor);
        return;
    }
    for (int x = left; x <= right; ++x)
        Put(row[x], x, y);
}

void TInk::PutColumn(const TPixelView& view, int x, int top, int bottom) const {
    QRgb* pixel = view.Row(top) + x;
    if (FCopy) {
        for (int y = top; y < bottom; ++y, pixel += view.Stride)
            *pixel = FColor;
        *pixel = FColor;
        return;
    }
    for (int y = top; y <= bottom; ++y)
        Put(view.Row(y)[x], x, y);
}

void InkRect(const TPixelView& view, const QRect& rect, const TInk& ink) {
    const QRect area = rect & view.Clip;
    if (area.isEmpty()) return;
    for (int y = area.top(); y <= area.bottom(); ++y)
        ink.PutSpan(view.Row(y), area.left(), area.right(), y);
}

void InkLine(const TPixelView& view, const TLineSegment& segment, std::span<const int> runs,
             std::int64_t index, const TInk& ink) {
    if (view.Clip.isEmpty()) return;
    const TLineRaster line(segment.From, segment.To);
    const TRect clip = TRect::FromQRect(view.Clip);
    // A segment with both ends inside the clip lies inside it whole: no clipping arithmetic.
    const bool inside = clip.Contains(segment.From) && clip.Contains(segment.To);
    const TStepRange steps = inside ? TStepRange{0, line.Length()} : line.StepsInside(clip);
    if (steps.IsEmpty()) return;
    const TPoint first = inside ? line.From() : line.At(steps.First);
    const int count = steps.End - steps.First;
    int x = first.X, y = first.Y;
    // A solid straight line is one span (its pixels are distinct, so their order does not matter).
    if (line.MinorDelta() == 0 && runs.empty()) {
        if (line.XMajor()) {
            const int left = line.MajorSign() > 0 ? x : x - count + 1;
            ink.PutSpan(view.Row(y), left, left + count - 1, y);
            return;
        }
        const int top = line.MajorSign() > 0 ? y : y - count + 1;
        ink.PutColumn(view, x, top, top + count - 1);
        return;
    }
    // Bresenham from the first step inside: the remainder of 2 * step * delta + n - 1 over 2 * n
    // tells when the minor coordinate moves on (see TLineRaster::At).
    const std::int64_t n = line.Length(), delta = line.MinorDelta();
    std::int64_t remainder = (2 * steps.First * delta + n - 1) % (2 * n);
    if (runs.empty() && ink.IsCopy()) {
        // A solid plain colour: the pixels are walked by address, the common case of traces.
        QRgb* pixel = view.Row(y) + x;
        const qsizetype majorStep =
            line.XMajor() ? line.MajorSign() : line.MajorSign() * view.Stride;
        const qsizetype minorStep =
            line.XMajor() ? line.MinorSign() * view.Stride : line.MinorSign();
        const QRgb color = ink.Color();
        for (int i = 0; i < count; ++i, pixel += majorStep) {
            *pixel = color;
            remainder += 2 * delta;
            if (remainder >= 2 * n) {
                remainder -= 2 * n;
                pixel += minorStep;
            }
        }
        return;
    }
    int& major = line.XMajor() ? x : y;
    int& minor = line.XMajor() ? y : x;
    TDashCursor dash(runs, index + steps.First);
    for (int i = 0; i < count; ++i) {
        if (dash.IsOn()) ink.Put(view.Row(y)[x], x, y);
        dash.Advance();
        major += line.MajorSign();
        remainder += 2 * delta;
        if (remainder >= 2 * n) {
            remainder -= 2 * n;
            minor += line.MinorSign();
        }
    }
}

void InkPath(const TPixelView& view, std::span<const TLineSegment> path, std::span<const int> runs,
             const TInk& ink) {
    std::int64_t index = 0;
    for (const TLineSegment& segment : path) {
        InkLine(view, segment, runs, index, ink);
        // Only a dash pattern needs to know where along the path a segment starts.
        if (!runs.empty()) index += TLineRaster(segment.From, segment.To).Length();
    }
}

}  // namespace mox
