#include "instruments/output/scopegeometry.h"

#include <algorithm>
#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "instruments/output/progressbargeometry.h"

namespace mox {

int ScopeBaseLine(int height, int baseOffset) {
    return SaturatedInt(std::int64_t{height} - RoundToInt(height / 100.0 * baseOffset) - 1);
}

int NextGridPhase(int phase, int frequency, int gridSize) {
    if (gridSize <= 0) return 0;
    // A step longer than the pitch would otherwise push the phase ever further out.
    return static_cast<int>((std::int64_t{phase} + frequency) % gridSize);
}

std::vector<int> ScopeVerticalLines(int width, int gridSize, int phase) {
    std::vector<int> xs;
    if (gridSize <= 0) return xs;
    // A phase left over from a larger pitch starts within one pitch of the edge all the same.
    for (std::int64_t x = -(std::int64_t{phase} % gridSize); x <= width; x += gridSize)
        xs.push_back(static_cast<int>(x));
    return xs;
}

std::vector<int> ScopeHorizontalLines(int height, int gridSize, int baseLine) {
    std::vector<int> ys;
    if (gridSize <= 0) return ys;
    // Above: steps while the row before the step was on or below the top.
    // A base line far outside starts from the first row of its pitch beyond the edge.
    std::int64_t y = baseLine;
    if (y > height) y -= (y - height - 1) / gridSize * gridSize;
    while (y >= 0) {
        y -= gridSize;
        if (y <= height) ys.push_back(static_cast<int>(y));
    }
    // Below: steps while the row before the step was on or above the bottom.
    y = baseLine;
    if (y < 0) y += (-1 - y) / gridSize * gridSize;
    while (y <= height) {
        y += gridSize;
        if (y >= 0) ys.push_back(static_cast<int>(y));
    }
    return ys;
}

int ScopeSampleRow(int value, int minValue, int maxValue, int height) {
    const int percent = LevelPercent(value, minValue, maxValue);
    return SaturatedInt(std::int64_t{height} - PercentOf(percent, height));
}

int ScopeSamplesShown(int width, int frequency) {
    if (width <= 0 || frequency <= 0) return 0;
    // Sample k lies at width − k × frequency and is drawn while the one before it lies right of 0.
    const std::int64_t steps = (std::int64_t{width} + frequency - 1) / frequency;
    return static_cast<int>(std::min<std::int64_t>(steps + 1, width + 1));
}

std::vector<TFarPoint> ScopeTrace(int width, int frequency, int baseLine, TGraphStyle style,
                                  const std::vector<int>& rows) {
    std::vector<TFarPoint> points;
    const std::int64_t step = std::max(frequency, 1);
    std::int64_t x = std::int64_t{width} + step;
    points.push_back({x, baseLine});
    for (std::size_t k = 0; x > 0; ++k) {
        if (k == rows.size()) {
            points.push_back({x - step, baseLine});
            break;
        }
        points.push_back({x - step, rows[k]});
        x -= step;
        if (style == TGraphStyle::gsBar) points.push_back({x - step, rows[k]});
    }
    return points;
}

}  // namespace mox
