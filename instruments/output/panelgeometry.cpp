#include "instruments/output/panelgeometry.h"

#include <algorithm>

namespace mox {

namespace {

using i64 = std::int64_t;

// A coordinate formed in 64 bits, pulled into the canvas's space.
int Coord(i64 v) {
    return static_cast<int>(std::clamp<i64>(v, -kCoordLimit, kCoordLimit));
}

TPoint At(i64 x, i64 y) {
    return {Coord(x), Coord(y)};
}

// A 3-D rectangle: the top and left edges in `a`, then the right and bottom edges in `b`.
void Rect3D(std::vector<TBorderStroke>& out, i64 x1, i64 y1, i64 x2, i64 y2, TColor a, TColor b) {
    out.push_back({{At(x1, y2), At(x1, y1), At(x2, y1)}, a});
    out.push_back({{At(x2, y1), At(x2, y2), At(x1, y2)}, b});
}

void Line(std::vector<TBorderStroke>& out, i64 x1, i64 y1, i64 x2, i64 y2, TColor color) {
    out.push_back({{At(x1, y1), At(x2, y2)}, color});
}

// The first multiple of `band` at or beyond `n` (n ≥ 0).
i64 RoundUp(i64 n, i64 band) {
    return (n + band - 1) / band * band;
}

// Up to half the extent, then back down to 0: `half` is where the climb ends.
i64 HalfStep(i64 position, i64 band, i64 half) {
    const i64 top = RoundUp(half, band);
    if (position < top) return position / band * band;
    return std::max<i64>(0, top - (position - top) / band * band);
}

// The diagonal line nearest `position` (the later one where two are equally near), never beyond
// the last line drawn.
i64 DiagonalStep(i64 position, i64 band, i64 steps) {
    const i64 nearest = (position + band / 2) / band * band;
    return std::min(nearest, steps / band * band);
}

int Channel(int c1, int c2, TGradientStep s) {
    return static_cast<int>(c1 + s.Step * (c2 - c1) / s.Steps);
}

}  // namespace

std::vector<TBorderStroke> BorderStrokes(TVrBorderShape shape, TVrBorderStyle style,
                                         TColor highlight, TColor shadow, int width, int height) {
    const bool raised = style == TVrBorderStyle::bsRaised;
    const TColor tl = raised ? highlight : shadow;
    const TColor br = raised ? shadow : highlight;
    const i64 w = width, h = height;
    std::vector<TBorderStroke> strokes;
    switch (shape) {
        case TVrBorderShape::bsBox:
            Rect3D(strokes, 0, 0, w - 1, h - 1, tl, br);
            break;
        case TVrBorderShape::bsFrame:
            // Etched: the dark frame one pixel in, the light one over it one pixel short.
            Rect3D(strokes, 1, 1, w - 1, h - 1, br, br);
            Rect3D(strokes, 0, 0, w - 2, h - 2, tl, tl);
            break;
        case TVrBorderShape::bsTopLine:
            Line(strokes, 0, 0, w, 0, tl);
            Line(strokes, 0, 1, w, 1, br);
            break;
        case TVrBorderShape::bsBottomLine:
            Line(strokes, 0, h - 2, w, h - 2, tl);
            Line(strokes, 0, h - 1, w, h - 1, br);
            break;
        case TVrBorderShape::bsLeftLine:
            Line(strokes, 0, 0, 0, h, tl);
            Line(strokes, 1, 0, 1, h, br);
            break;
        case TVrBorderShape::bsRightLine:
            Line(strokes, w - 2, 0, w - 2, h, tl);
            Line(strokes, w - 1, 0, w - 1, h, br);
            break;
        case TVrBorderShape::bsSpacer:
            break;
    }
    return strokes;
}

TGradientAxis GradientAxisOf(TVrGradDirection direction) {
    switch (direction) {
        case TVrGradDirection::gdUpDown:
        case TVrGradDirection::gdUpDownHalf:
            return TGradientAxis::Rows;
        case TVrGradDirection::gdLeftRight:
        case TVrGradDirection::gdLeftRightHalf:
            return TGradientAxis::Columns;
        case TVrGradDirection::gdChord1:
            return TGradientAxis::FallingDiagonal;
        case TVrGradDirection::gdChord2:
            return TGradientAxis::RisingDiagonal;
    }
    return TGradientAxis::Rows;
}

std::int64_t AxisPosition(TGradientAxis axis, int height, int x, int y) {
    switch (axis) {
        case TGradientAxis::Rows:
            return y;
        case TGradientAxis::Columns:
            return x;
        case TGradientAxis::FallingDiagonal:
            return i64{x} + y;
        case TGradientAxis::RisingDiagonal:
            return i64{x} + (i64{height} - 1 - y);
    }
    return 0;
}

std::int64_t AxisLength(TGradientAxis axis, int width, int height) {
    const i64 w = std::max(width, 0), h = std::max(height, 0);
    if (w == 0 || h == 0) return 0;
    switch (axis) {
        case TGradientAxis::Rows:
            return h;
        case TGradientAxis::Columns:
            return w;
        case TGradientAxis::FallingDiagonal:
        case TGradientAxis::RisingDiagonal:
            return w + h - 1;
    }
    return 0;
}

TGradientStep GradientStepAt(const TGradientSettings& settings, std::int64_t position) {
    const i64 band = std::max(settings.BandWidth, 1);
    const i64 w = std::max(settings.Width, 0), h = std::max(settings.Height, 0);
    const i64 p = std::max<i64>(position, 0);
    switch (settings.Direction) {
        case TVrGradDirection::gdUpDown:
            return {p / band * band, h};
        case TVrGradDirection::gdLeftRight:
            return {p / band * band, w};
        case TVrGradDirection::gdUpDownHalf:
            return {HalfStep(p, band, h / 2), h / 2};
        case TVrGradDirection::gdLeftRightHalf:
            return {HalfStep(p, band, w / 2), w / 2};
        case TVrGradDirection::gdChord1:
        case TVrGradDirection::gdChord2:
            return {DiagonalStep(p, band, w + h), w + h};
    }
    return {};
}

TGradientStep GradientStepAt(const TGradientSettings& settings, int x, int y) {
    const TGradientAxis axis = GradientAxisOf(settings.Direction);
    return GradientStepAt(settings, AxisPosition(axis, settings.Height, x, y));
}

TColor GradientColor(TColor color1, TColor color2, TGradientStep step) {
    if (step.Steps <= 0) return color1;
    step.Step = std::clamp<i64>(step.Step, 0, step.Steps);
    return RGB(Channel(GetRValue(color1), GetRValue(color2), step),
               Channel(GetGValue(color1), GetGValue(color2), step),
               Channel(GetBValue(color1), GetBValue(color2), step));
}

}  // namespace mox
