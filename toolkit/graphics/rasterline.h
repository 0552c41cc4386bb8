#pragma once
// The pixels of a one-pixel line as GDI sets them: Bresenham steps along the major axis from the
// start point, the end point itself is never set. Pixels are computed per step rather than by
// walking, so a caller can skip straight to the part of a long line that lies inside its clip.

#include <cstdint>
#include <span>
#include <vector>

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
    // The steps whose pixels lie inside `clip` on both axes (a line's pixels leave a rectangle at
    // most once, so they are one range).
    TStepRange StepsInside(const TRect& clip) const;

    TPoint From() const { return FFrom; }
    bool XMajor() const { return FXMajor; }
    int MajorSign() const { return FMajorSign; }
    int MinorSign() const { return FMinorSign; }
    std::int64_t MinorDelta() const { return FMinorDelta; }

private:
    TPoint FFrom;
    bool FXMajor = true;
    int FMajorSign = 1;
    int FMinorSign = 1;
    int FLength = 0;
    std::int64_t FMinorDelta = 0;  // |minor extent|
};

// A one-pixel line from From to To, its end pixel left out.
struct TLineSegment {
    TPoint From;
    TPoint To;
};

// Walks a one-pixel pen's on/off pattern (runs starting with "on"; none: always on) from any
// pixel index along a path, which may run far past int.
class TDashCursor {
public:
    TDashCursor(std::span<const int> runs, std::int64_t index);

    bool IsOn() const { return FRuns.empty() || FRun % 2 == 0; }
    void Advance() {
        if (FRuns.empty() || ++FPosition < FRuns[FRun]) return;
        FPosition = 0;
        FRun = FRun + 1 == FRuns.size() ? 0 : FRun + 1;
    }

private:
    std::span<const int> FRuns;
    std::size_t FRun = 0;
    int FPosition = 0;  // within the current run
};

// The four sides of a one-pixel rectangle outline around `box` (right/bottom exclusive) as one
// path, clockwise from the top-left corner, each pixel once even for boxes one pixel wide or high
// (the pixels ForEachFramePixel visits).
std::vector<TLineSegment> FrameLines(const TRect& box);

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

// Visits the pixels a one-pixel pen with on/off `runs` sets along a path of segments (its pattern
// running on from one segment to the next) that lie inside `clip`, in drawing order, as
// visit(TPoint pixel).
template <class Visit>
void ForEachPathPixel(std::span<const TLineSegment> path, std::span<const int> runs,
                      const TRect& clip, Visit&& visit) {
    std::int64_t index = 0;
    for (const TLineSegment& segment : path) {
        const TLineRaster line(segment.From, segment.To);
        const TStepRange steps = line.StepsInside(clip);
        TDashCursor dash(runs, index + steps.First);
        for (int step = steps.First; step < steps.End; ++step, dash.Advance())
            if (dash.IsOn()) visit(line.At(step));
        index += line.Length();
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
