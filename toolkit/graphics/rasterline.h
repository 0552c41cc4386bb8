#pragma once
// The pixels of a one-pixel line as GDI sets them: Bresenham steps along the major axis from the
// start point, the end point itself is never set. Pixels are computed per step rather than by
// walking, so a caller can skip straight to the part of a long line that lies inside its clip.

#include <cstdint>

#include "toolkit/core/types.h"

namespace mox {

struct TStepRange {
    int First = 0;  // first step inside
    int End = 0;    // one past the last step inside
    bool IsEmpty() const { return End <= First; }
};

class TLineRaster {
public:
    TLineRaster(TPoint from, TPoint to);

    // Number of pixels set: the length of the major axis (the end point excluded).
    int Length() const { return FLength; }
    // The pixel set at `step` (0 <= step < Length()).
    TPoint At(int step) const;
    // The steps whose pixels can fall inside `clip` along the major axis; their minor coordinate
    // still has to be checked.
    TStepRange StepsWithin(const TRect& clip) const;

private:
    TPoint FFrom;
    bool FXMajor = true;
    int FMajorSign = 1;
    int FMinorSign = 1;
    int FLength = 0;
    std::int64_t FMinorDelta = 0;  // |minor extent|
};

// Visits the pixels of the line from `from` to `to` (end excluded) that lie inside `clip`, as
// visit(TPoint pixel, int step).
template <class Visit>
void ForEachLinePixel(TPoint from, TPoint to, const TRect& clip, Visit&& visit) {
    const TLineRaster line(from, to);
    const TStepRange steps = line.StepsWithin(clip);
    for (int step = steps.First; step < steps.End; ++step) {
        const TPoint p = line.At(step);
        if (clip.Contains(p)) visit(p, step);
    }
}

// The pixels of a one-pixel rectangle outline around `box` (right/bottom exclusive) that lie
// inside `clip`, clockwise from the top-left corner, each pixel once even for boxes one pixel wide
// or high; visit(TPoint pixel, int step) with the step counted along the whole outline.
template <class Visit>
void ForEachFramePixel(const TRect& box, const TRect& clip, Visit&& visit) {
    const TRect b = Limited(box);
    if (b.IsEmpty()) return;
    const int w = b.Width(), h = b.Height(), right = b.Right - 1, bottom = b.Bottom - 1;
    const auto side = [&](TPoint from, TPoint to, int firstStep) {
        ForEachLinePixel(from, to, clip, [&](TPoint p, int step) { visit(p, firstStep + step); });
    };
    side({b.Left, b.Top}, {b.Right, b.Top}, 0);
    side({right, b.Top + 1}, {right, b.Bottom}, w);
    if (w == 1 || h == 1) return;
    side({right - 1, bottom}, {b.Left - 1, bottom}, w + h - 1);
    side({b.Left, bottom - 1}, {b.Left, b.Top}, 2 * w + h - 2);
}

}  // namespace mox
