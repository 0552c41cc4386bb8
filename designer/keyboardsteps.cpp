#include "designer/keyboardsteps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mox {

namespace {

int Saturated(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

// Both edges moved by the same amount, as far as int lets the farther one go, so that the size
// survives.
void Shift(int& low, int& high, std::int64_t by) {
    const std::int64_t lowest = std::int64_t{std::numeric_limits<int>::min()} - std::min(low, high);
    const std::int64_t highest =
        std::int64_t{std::numeric_limits<int>::max()} - std::max(low, high);
    by = std::clamp(by, lowest, highest);
    low = Saturated(low + by);
    high = Saturated(high + by);
}

}  // namespace

TKeyboardMode KeyboardModeFor(bool shift, bool ctrl) {
    if (ctrl) return shift ? TKeyboardMode::GridMove : TKeyboardMode::Nudge;
    return shift ? TKeyboardMode::Resize : TKeyboardMode::Select;
}

bool IsArrowKey(WPARAM key) {
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

bool IsForwardArrow(WPARAM key) {
    return key == VK_RIGHT || key == VK_DOWN;
}

TRect SteppedRect(const TRect& bounds, TKeyboardMode mode, WPARAM arrow, int gridStep) {
    TRect r = bounds;
    const bool horizontal = arrow == VK_LEFT || arrow == VK_RIGHT;
    const std::int64_t sign = IsForwardArrow(arrow) ? 1 : -1;
    switch (mode) {
        case TKeyboardMode::Select:
            break;
        case TKeyboardMode::Nudge:
        case TKeyboardMode::GridMove: {
            const std::int64_t by = sign * (mode == TKeyboardMode::Nudge ? 1 : gridStep);
            if (horizontal)
                Shift(r.Left, r.Right, by);
            else
                Shift(r.Top, r.Bottom, by);
            break;
        }
        case TKeyboardMode::Resize:
            if (horizontal)
                r.Right = Saturated(std::int64_t{r.Right} + sign);
            else
                r.Bottom = Saturated(std::int64_t{r.Bottom} + sign);
            break;
    }
    return r;
}

TRect KeptInside(const TRect& rect, const TRect& limit, int margin) {
    TRect r = rect;
    if (r.Left < limit.Left) Shift(r.Left, r.Right, std::int64_t{limit.Left} - r.Left);
    if (r.Top < limit.Top) Shift(r.Top, r.Bottom, std::int64_t{limit.Top} - r.Top);
    const std::int64_t right = std::int64_t{limit.Right} - margin;
    if (r.Right > right) Shift(r.Left, r.Right, right - r.Right);
    const std::int64_t bottom = std::int64_t{limit.Bottom} - margin;
    if (r.Bottom > bottom) Shift(r.Top, r.Bottom, bottom - r.Bottom);
    return r;
}

}  // namespace mox
