#include "designer/grid.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {
constexpr int kSmallStepLimit = 8;
}

int ClampGridStep(int step) {
    return std::clamp(step, kMinGridStep, kMaxGridStep);
}

int GridTileSize(int step) {
    return step >= kSmallStepLimit ? step : kSmallStepLimit * step;
}

std::vector<TPoint> GridTileDots(int step) {
    if (step >= kSmallStepLimit) return {{0, 0}};
    std::vector<TPoint> dots;
    const int size = GridTileSize(step);
    for (int y = 0; y < size; y += step)
        for (int x = 0; x < size; x += step)
            dots.push_back({x, y});
    return dots;
}

void PaintGridTile(TBitmap& tile, int step, TColor fill, TColor dot, bool showDots) {
    const int size = GridTileSize(step);
    tile.SetSize(size, size);
    TCanvas* canvas = tile.Canvas();
    canvas->Brush()->SetColor(fill);
    canvas->FillRect(Rect(0, 0, size, size));
    if (!showDots) return;
    for (const TPoint& p : GridTileDots(step))
        tile.SetPixels(p.X, p.Y, dot);
}

int SnapToSteps(int delta, int step) {
    int steps = delta / step;
    const int twiceRest = 2 * std::abs(delta % step);
    if (twiceRest > step || (twiceRest == step && steps % 2 != 0)) steps += delta < 0 ? -1 : 1;
    return steps * step;
}

int AlignToGridLine(int value, int step) {
    const int lines = value / step;
    return value % step < step / 2 ? lines * step : (lines + 1) * step;
}

}  // namespace mox
