#include "designer/draggeometry.h"

#include <algorithm>
#include <limits>

namespace mox {

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
