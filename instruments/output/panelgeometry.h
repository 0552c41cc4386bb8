#pragma once
// What the two decorative panels draw, as plain values: the strokes of a border's frame or edge
// line, and the colour step every pixel of a gradient panel takes. Painting only draws what these
// give, so each shape and direction can be checked without a window. Sizes and band widths may
// be anything a rack file holds: the arithmetic runs in 64 bits and the strokes stay inside the
// canvas's coordinate space, and nothing here loops over bands, so a band width of 1 on a huge
// panel costs no more than one of 2147483647.

#include <cstdint>
#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

MOX_ENUM(TVrBorderShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
MOX_ENUM(TVrBorderStyle, bsLowered, bsRaised)

// --- Border -----------------------------------------------------------------------------------

// One polyline in one colour; as with every line the canvas draws, its last point is left out.
struct TBorderStroke {
    std::vector<TPoint> Points;
    TColor Color = clBlack;

    bool operator==(const TBorderStroke&) const = default;
};

// The strokes of a border `width` × `height` in drawing order (later strokes cover earlier
// ones). A raised border has the highlight on its top and left edges, a lowered one the shadow.
// A spacer draws nothing.
std::vector<TBorderStroke> BorderStrokes(TVrBorderShape shape, TVrBorderStyle style,
                                         TColor highlight, TColor shadow, int width, int height);

// --- Gradient ---------------------------------------------------------------------------------

// How far along the gradient a pixel lies: colour 1 at Step 0, colour 2 at Step == Steps.
struct TGradientStep {
    std::int64_t Step = 0;
    std::int64_t Steps = 0;

    bool operator==(const TGradientStep&) const = default;
};

// The line along which a direction's colour changes: every pixel with the same position on it
// has the same colour.
enum class TGradientAxis {
    Rows,             // position y
    Columns,          // position x
    FallingDiagonal,  // position x + y: from the top-left corner
    RisingDiagonal,   // position x + (height − 1 − y): from the bottom-left corner
};

TGradientAxis GradientAxisOf(TVrGradDirection direction);
// The position of pixel (x, y) on the axis of a panel `height` pixels high.
std::int64_t AxisPosition(TGradientAxis axis, int height, int x, int y);
// How many positions the axis has on a panel of that size (0 for an empty panel).
std::int64_t AxisLength(TGradientAxis axis, int width, int height);

struct TGradientSettings {
    TVrGradDirection Direction = TVrGradDirection::gdUpDown;
    int Width = 0;
    int Height = 0;
    int BandWidth = 1;  // pixels per band; below 1 counts as 1
};

// The step of the band that covers axis position `position`. Bands are BandWidth pixels thick
// from the start of the axis; each takes the step of its own start (Steps = the panel's extent
// along the axis, its width plus its height for the diagonals). The "Half" directions climb to
// half the extent and then, band after band, back down to 0, so both edges show colour 1.
// A diagonal band is centred on its line: it covers the positions within half a band of it.
TGradientStep GradientStepAt(const TGradientSettings& settings, std::int64_t position);
TGradientStep GradientStepAt(const TGradientSettings& settings, int x, int y);

// Per channel c1 + (step × (c2 − c1)) div steps, truncated toward zero. The step is kept
// within 0..steps, so a band past the middle of a "Half" gradient never overshoots colour 2;
// with no steps at all (a panel too thin to have a middle) the colour is colour 1. Both colours
// are plain RGB.
TColor GradientColor(TColor color1, TColor color2, TGradientStep step);

}  // namespace mox
