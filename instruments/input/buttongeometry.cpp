#include "instruments/input/buttongeometry.h"

#include <algorithm>
#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "toolkit/graphics/drawtext.h"

namespace mox {

std::vector<TFrameStep> PowerButtonFrame(const TPowerButtonColors& colors, int outlineWidth,
                                         int bevelWidth, bool pressed, bool focused) {
    const TColor outline = focused ? colors.Focus : colors.Outline;
    std::vector<TFrameStep> steps{{false, outline, outline, outlineWidth}};
    if (pressed) {
        steps.push_back({true, colors.Outline, colors.Highlight, outlineWidth});
        steps.push_back({false, colors.Shadow, colors.Outline, bevelWidth});
    } else {
        steps.push_back({false, colors.Highlight, colors.Shadow, bevelWidth});
    }
    return steps;
}

TRect PowerButtonContent(const TRect& client, int outlineWidth, int bevelWidth) {
    return ShrunkRect(client, std::int64_t{outlineWidth} + bevelWidth);
}

std::array<TFrameStep, 2> PowerButtonLampRings(TColor highlight, TColor shadow) {
    return {{{false, shadow, highlight, 1}, {false, clBlack, clBlack, 1}}};
}

TRect PlacedRect(TPoint pos, TSize size) {
    const auto far = [](int from, int extent) {
        return static_cast<int>(
            std::clamp<std::int64_t>(std::int64_t{from} + extent, -kCoordLimit, kCoordLimit));
    };
    return {pos.X, pos.Y, far(pos.X, size.cx), far(pos.Y, size.cy)};
}

std::array<TFrameStep, 4> CheckBoxRings(bool checked) {
    const TFrameStep outer = checked ? TFrameStep{false, clBlack, clBtnHighlight, 1}
                                     : TFrameStep{false, clBtnHighlight, clBlack, 1};
    return {{outer,
             {false, clBtnHighlight, clBtnShadow, 1},
             {false, clBtnFace, clBtnFace, 1},
             {false, clBlack, clBtnHighlight, 1}}};
}

TCheckFill CheckBoxFill(bool checked, bool hot) {
    if (checked) return TCheckFill::Lit;
    return hot ? TCheckFill::Checker : TCheckFill::Unlit;
}

TRect CheckFocusRect(const TRect& captionRect) {
    return ShrunkRect(captionRect, -2);
}

bool IsAccel(QChar typed, const QString& caption) {
    const TPrefixedText shown = ResolvePrefixes(caption);
    if (shown.Underlined < 0 || shown.Underlined >= shown.Text.size()) return false;
    return shown.Text[shown.Underlined].toUpper() == typed.toUpper();
}

}  // namespace mox
