#include "designer/dragmath.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace mox {

namespace {
constexpr int kSizeHintOffset = 8;
constexpr int kMoveHintOffset = 18;
}  // namespace

QString SizeHintText(const TRect& rect) {
    return QStringLiteral("%1 x %2")
        .arg(std::abs(rect.Right - rect.Left))
        .arg(std::abs(rect.Bottom - rect.Top));
}

QString MoveHintText(TPoint leftTop) {
    return QStringLiteral("%1, %2").arg(leftTop.X).arg(leftTop.Y);
}

TPoint HintOrigin(TPoint cursor, bool sizing) {
    return {cursor.X, cursor.Y + (sizing ? kSizeHintOffset : kMoveHintOffset)};
}

TPoint SelectionLeftTop(const std::vector<TRect>& bounds) {
    if (bounds.empty()) return {0, 0};
    TPoint p = bounds.front().TopLeft();
    for (const TRect& r : bounds) {
        p.X = std::min(p.X, r.Left);
        p.Y = std::min(p.Y, r.Top);
    }
    return p;
}

TRect LimitSize(const TRect& rect, TPoint minSize, TPoint maxSize) {
    // 64-bit sums: the limits default to the largest integer.
    auto clampEdge = [](int origin, int edge, int minExtent, int maxExtent) {
        const long long low = static_cast<long long>(origin) + minExtent;
        const long long high = static_cast<long long>(origin) + maxExtent;
        long long e = edge;
        if (e < low) e = low;
        if (e > high) e = high;
        return static_cast<int>(std::clamp<long long>(e, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    };
    TRect r = rect;
    r.Right = clampEdge(r.Left, r.Right, minSize.X, maxSize.X);
    r.Bottom = clampEdge(r.Top, r.Bottom, minSize.Y, maxSize.Y);
    return r;
}

}  // namespace mox
