#include "designer/grabgeometry.h"

namespace mox {

namespace {
struct TGrabEdges {
    bool Left, Top, Right, Bottom;
};

// The edges each handle drags, in TGrabPosition order; gpNone drags none.
constexpr std::array<TGrabEdges, kGrabCount + 1> kGrabEdges{{
    {false, false, false, false},  // none
    {true, true, false, false},    // left-top
    {true, false, false, false},   // left
    {true, false, false, true},    // left-bottom
    {false, true, false, false},   // top
    {false, false, false, true},   // bottom
    {false, true, true, false},    // right-top
    {false, false, true, false},   // right
    {false, false, true, true},    // right-bottom
}};

TGrabEdges EdgesOf(TGrabPosition position) {
    const auto i = static_cast<std::size_t>(position);
    return i < kGrabEdges.size() ? kGrabEdges[i] : kGrabEdges[0];
}
}  // namespace

TPoint GrabHandleOrigin(TGrabPosition position, const TRect& target, int grabSize) {
    const TGrabEdges edges = EdgesOf(position);
    if (!edges.Left && !edges.Top && !edges.Right && !edges.Bottom) return {0, 0};
    const int half = grabSize / 2;
    const int left = edges.Left    ? target.Left - half
                     : edges.Right ? target.Right - half - 1
                                   : (target.Left + target.Right - grabSize) / 2;
    const int top = edges.Top      ? target.Top - half
                    : edges.Bottom ? target.Bottom - half - 1
                                   : (target.Top + target.Bottom - grabSize) / 2;
    return {left, top};
}

TCursor GrabCursor(TGrabPosition position) {
    const TGrabEdges edges = EdgesOf(position);
    const bool horizontal = edges.Left || edges.Right;
    const bool vertical = edges.Top || edges.Bottom;
    if (horizontal && vertical) return (edges.Left == edges.Top) ? crSizeNWSE : crSizeNESW;
    if (horizontal) return crSizeWE;
    if (vertical) return crSizeNS;
    return crArrow;
}

TRect DraggedRect(const TRect& bounds, TGrabPosition position, TPoint delta) {
    if (position == TGrabPosition::gpNone)
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
