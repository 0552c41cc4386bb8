#include "designer/grabgeometry.h"

namespace mox {

namespace {
struct TGrabEdges {
    bool Left, Top, Right, Bottom;
};

TGrabEdges EdgesOf(int position) {
    switch (position) {
        case 1:
            return {true, true, false, false};
        case 2:
            return {true, false, false, false};
        case 3:
            return {true, false, false, true};
        case 4:
            return {false, true, false, false};
        case 5:
            return {false, false, false, true};
        case 6:
            return {false, true, true, false};
        case 7:
            return {false, false, true, false};
        case 8:
            return {false, false, true, true};
        default:
            return {false, false, false, false};
    }
}
}  // namespace

TPoint GrabHandleOrigin(int position, const TRect& target, int grabSize) {
    if (position < 1 || position > kGrabCount) return {0, 0};
    const int half = grabSize / 2;
    const TGrabEdges edges = EdgesOf(position);
    const int left = edges.Left    ? target.Left - half
                     : edges.Right ? target.Right - half - 1
                                   : (target.Left + target.Right - grabSize) / 2;
    const int top = edges.Top      ? target.Top - half
                    : edges.Bottom ? target.Bottom - half - 1
                                   : (target.Top + target.Bottom - grabSize) / 2;
    return {left, top};
}

TCursor GrabCursor(int position) {
    switch (position) {
        case 1:
        case 8:
            return crSizeNWSE;
        case 3:
        case 6:
            return crSizeNESW;
        case 2:
        case 7:
            return crSizeWE;
        case 4:
        case 5:
            return crSizeNS;
        default:
            return crArrow;
    }
}

TRect DraggedRect(const TRect& bounds, int position, TPoint delta) {
    if (position == 0)
        return {bounds.Left + delta.X, bounds.Top + delta.Y, bounds.Right + delta.X,
                bounds.Bottom + delta.Y};
    const TGrabEdges edges = EdgesOf(position);
    TRect r = bounds;
    if (edges.Left) r.Left += delta.X;
    if (edges.Top) r.Top += delta.Y;
    if (edges.Right) r.Right += delta.X;
    if (edges.Bottom) r.Bottom += delta.Y;
    return r;
}

}  // namespace mox
