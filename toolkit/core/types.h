#pragma once
// Plain geometry values of the drawing API. A TRect's Right and Bottom are exclusive, as every
// instrument's geometry assumes: TRect{0, 0, 10, 5} covers the pixels x 0..9, y 0..4.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace mox {

struct TPoint {
    int X = 0;
    int Y = 0;

    bool operator==(const TPoint&) const = default;
    QPoint ToQPoint() const { return QPoint(X, Y); }
    static TPoint FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
};

struct TSize {
    int cx = 0;
    int cy = 0;

    bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    bool operator==(const TRect&) const = default;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }

    QRect ToQRect() const { return QRect(Left, Top, Width(), Height()); }
    static TRect FromQRect(const QRect& r) {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
};

// Coordinates the canvas works with, like GDI's 27-bit space; anything beyond is pulled in, which
// keeps sizes and the line arithmetic far from overflow.
constexpr int kCoordLimit = 1 << 27;
constexpr int LimitCoord(int v) {
    return v < -kCoordLimit ? -kCoordLimit : v > kCoordLimit ? kCoordLimit : v;
}
constexpr TPoint Limited(TPoint p) {
    return {LimitCoord(p.X), LimitCoord(p.Y)};
}
constexpr TRect Limited(const TRect& r) {
    return {LimitCoord(r.Left), LimitCoord(r.Top), LimitCoord(r.Right), LimitCoord(r.Bottom)};
}
// The same rectangle with Left <= Right and Top <= Bottom.
constexpr TRect Normalized(const TRect& r) {
    return {r.Left < r.Right ? r.Left : r.Right, r.Top < r.Bottom ? r.Top : r.Bottom,
            r.Left < r.Right ? r.Right : r.Left, r.Top < r.Bottom ? r.Bottom : r.Top};
}

constexpr TPoint Point(int x, int y) {
    return {x, y};
}
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

}  // namespace mox
