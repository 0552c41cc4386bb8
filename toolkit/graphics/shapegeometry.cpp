#include "toolkit/graphics/shapegeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace mox {

TPenFrame RectangleFrame(const TRect& box, int width, bool insideFrame) {
    const int w = std::max(width, 1);
    // A centred pen of even width leans to the top-left, like the one-pixel outline it widens.
    const int before = insideFrame ? 0 : w / 2;
    const int after = insideFrame ? 0 : (w - 1) / 2;
    const TRect outer{box.Left - before, box.Top - before, box.Right + after, box.Bottom + after};
    const TRect inner{outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
    return {outer, inner};
}

std::vector<TRect> FrameBands(const TRect& outer, const TRect& inner) {
    if (outer.IsEmpty()) return {};
    if (inner.IsEmpty()) return {outer};
    std::vector<TRect> bands = {
        {outer.Left, outer.Top, outer.Right, inner.Top},
        {outer.Left, inner.Bottom, outer.Right, outer.Bottom},
        {outer.Left, inner.Top, inner.Left, inner.Bottom},
        {inner.Right, inner.Top, outer.Right, inner.Bottom},
    };
    std::erase_if(bands, [](const TRect& r) { return r.IsEmpty(); });
    return bands;
}

TRect EllipseBox(const TRect& box) {
    return {box.Left, box.Top, box.Right - 1, box.Bottom - 1};
}

TArcSpan ArcSpan(const TRect& box, TPoint start, TPoint end) {
    constexpr double kFullTurn = 360;
    const TRect e = EllipseBox(box);
    const double cx = (e.Left + e.Right) / 2.0, cy = (e.Top + e.Bottom) / 2.0;
    const double rx = std::abs(e.Width()) / 2.0, ry = std::abs(e.Height()) / 2.0;
    // The parameter angle of the point where the radial through p meets the ellipse.
    const auto angle = [&](TPoint p) {
        const double dx = p.X - cx, dy = cy - p.Y;
        return std::atan2(dy * rx, dx * ry) * 180 / std::numbers::pi;
    };
    const double from = angle(start);
    double span = std::fmod(angle(end) - from, kFullTurn);
    if (span <= 0) span += kFullTurn;
    return {from, span};
}

TArcRegion ArcRegion(const TRect& box, const TArcSpan& span, int penWidth) {
    constexpr double kFullTurn = 360;
    constexpr double kEndTolerance = 0.25;  // pixels
    constexpr double kMaxStepDegrees = 10;
    constexpr double kPixelCentre = 0.5;
    const TRect e = EllipseBox(box);
    const double rx = std::abs(e.Width()) / 2.0, ry = std::abs(e.Height()) / 2.0;
    const double cx = (e.Left + e.Right) / 2.0, cy = (e.Top + e.Bottom) / 2.0;
    const auto radians = [](double degrees) { return degrees * std::numbers::pi / 180; };
    // The point at a parameter angle on the ellipse scaled by `reach` about its centre.
    const auto at = [&](double degrees, double reach) {
        return QPointF(cx + kPixelCentre + reach * rx * std::cos(radians(degrees)),
                       cy + kPixelCentre - reach * ry * std::sin(radians(degrees)));
    };
    const auto pixel = [&](double degrees) {
        return TPoint{static_cast<int>(std::lround(cx + rx * std::cos(radians(degrees)))),
                      static_cast<int>(std::lround(cy - ry * std::sin(radians(degrees))))};
    };
    const double end = span.StartDegrees + span.SpanDegrees;
    TArcRegion region;
    region.Centre = {static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy))};
    region.Start = pixel(span.StartDegrees);
    region.End = pixel(end);

    const int pen = std::max(penWidth, 1);
    const QRect wholeBounds = box.ToQRect().adjusted(-pen, -pen, pen, pen);
    region.Bounds = wholeBounds;
    const double radius = std::max({rx, ry, 1.0});
    const double widen = kEndTolerance / radius * 180 / std::numbers::pi;
    if (span.SpanDegrees + 2 * widen >= kFullTurn) return region;
    const double reach = 2 + (std::max(penWidth, 1) + 2) / std::max(1.0, std::min(rx, ry));
    const double from = span.StartDegrees - widen, sweep = span.SpanDegrees + 2 * widen;
    const int steps = static_cast<int>(std::ceil(sweep / kMaxStepDegrees));
    QPolygonF arc;
    for (int i = 0; i <= steps; ++i)
        arc.append(at(from + sweep * i / steps, reach));
    region.Sector = QPolygonF{QPointF(cx + kPixelCentre, cy + kPixelCentre)} + arc;
    region.Segment = QPolygonF{at(span.StartDegrees, 1)} + arc + QPolygonF{at(end, 1)};

    // The part's extent: its centre, its ends, and the ellipse's extreme points it passes.
    QPolygonF extent{QPointF(cx + kPixelCentre, cy + kPixelCentre), at(from, 1),
                     at(from + sweep, 1)};
    constexpr double kQuarterTurn = 90;
    const double firstQuarter = std::ceil(from / kQuarterTurn) * kQuarterTurn;
    for (double quarter = firstQuarter; quarter <= from + sweep; quarter += kQuarterTurn)
        extent.append(at(quarter, 1));
    const int margin = pen + 1;
    region.Bounds =
        extent.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin) &
        wholeBounds;
    return region;
}

int StretchSourceOffset(int destOffset, int destExtent, int srcExtent) {
    return static_cast<int>(std::int64_t{destOffset} * srcExtent / destExtent);
}

}  // namespace mox
