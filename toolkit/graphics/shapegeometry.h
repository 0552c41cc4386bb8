#pragma once
// Pure geometry behind the canvas's shapes, in GDI's terms: boxes are right/bottom exclusive.

#include <QPolygonF>
#include <vector>

#include "toolkit/core/types.h"

namespace mox {

// A rectangle outlined with a pen of some width: the pen covers Outer minus Inner, the brush
// fills Inner.
struct TPenFrame {
    TRect Outer;
    TRect Inner;
};

// The frame a pen of `width` draws around `box`: centred on the one-pixel outline, or inside the
// box for psInsideFrame. Width 1 gives the box itself as Outer.
TPenFrame RectangleFrame(const TRect& box, int width, bool insideFrame);

// The parts of `outer` outside `inner`, as up to four disjoint bands (all of `outer` when
// `inner` is empty).
std::vector<TRect> FrameBands(const TRect& outer, const TRect& inner);

// The ellipse Qt draws for a GDI box: Qt's aliased ellipse of (x, y, w, h) reaches x + w, so the
// box shrinks by one to keep the outline's extreme pixels on Right - 1 and Bottom - 1.
TRect EllipseBox(const TRect& box);

// An arc of the ellipse in `box` as Qt angles (degrees, counter-clockwise from 3 o'clock, on the
// ellipse's parameter circle): from the radial through `start` counter-clockwise to the radial
// through `end`. Equal radials give the whole ellipse.
struct TArcSpan {
    double StartDegrees = 0;
    double SpanDegrees = 0;
};
TArcSpan ArcSpan(const TRect& box, TPoint start, TPoint end);

// Where the pixels of an arc of the ellipse in `box` lie. Centre, Start and End are pixels: the
// ellipse's centre and the ends of the arc. Sector (for pies and arcs) and Segment (for chords)
// are the regions the ellipse is clipped to, in Qt's continuous coordinates (pixel (x, y) spans
// x..x+1), reaching far enough beyond the ellipse for a pen of `penWidth` and widened by a
// fraction of a pixel so that end pixels exactly on a radial are kept. Both are empty when the
// arc is the whole ellipse. Bounds holds every pixel the curve and a pen of `penWidth` along it
// and along a pie's radials can touch: for a part of the ellipse, little more than that part.
struct TArcRegion {
    TPoint Centre;
    TPoint Start;
    TPoint End;
    QPolygonF Sector;
    QPolygonF Segment;
    QRect Bounds;
};
TArcRegion ArcRegion(const TRect& box, const TArcSpan& span, int penWidth);

// For a nearest-neighbour stretch of `srcExtent` pixels onto `destExtent` (both > 0): the source
// offset that destination offset `destOffset` takes its pixel from.
int StretchSourceOffset(int destOffset, int destExtent, int srcExtent);

}  // namespace mox
