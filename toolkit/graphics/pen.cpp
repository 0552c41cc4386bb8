#include "toolkit/graphics/pen.h"

#include <array>
#include <numeric>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {
// On/off run lengths in pixels, starting with "on".
constexpr std::array kDash{18, 6};
constexpr std::array kDot{3, 3};
constexpr std::array kDashDot{9, 6, 3, 6};
constexpr std::array kDashDotDot{9, 3, 3, 3, 3, 3};

bool RunsSetPixel(std::span<const int> runs, int index) {
    const int period = std::accumulate(runs.begin(), runs.end(), 0);
    int position = index % period;
    if (position < 0) position += period;
    for (std::size_t run = 0; run < runs.size(); ++run) {
        if (position < runs[run]) return run % 2 == 0;
        position -= runs[run];
    }
    return false;
}
}  // namespace

const TClassInfo& TPen::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPen>("TPen", TPersistent::StaticClass())
            .Color("Color", &TPen::Color, &TPen::SetColor, clBlack)
            .Enumeration("Mode", &TPen::Mode, &TPen::SetMode, TPenMode::pmCopy)
            .Enumeration("Style", &TPen::Style, &TPen::SetStyle, TPenStyle::psSolid)
            .Integer("Width", &TPen::Width, &TPen::SetWidth, 1)
            .Build();
    return info;
}

void TPen::Changed() {
    OnChange(this);
}

void TPen::SetColor(TColor value) {
    if (value == FColor) return;
    FColor = value;
    Changed();
}

void TPen::SetMode(TPenMode value) {
    if (value == FMode) return;
    FMode = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

void TPen::SetWidth(int value) {
    if (value == FWidth) return;
    FWidth = value;
    Changed();
}

void TPen::Assign(const TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    if (pen->FColor == FColor && pen->FMode == FMode && pen->FStyle == FStyle &&
        pen->FWidth == FWidth)
        return;
    FColor = pen->FColor;
    FMode = pen->FMode;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
    Changed();
}

std::span<const int> PenDashRuns(TPenStyle style) {
    switch (style) {
        case TPenStyle::psDash:
            return kDash;
        case TPenStyle::psDot:
            return kDot;
        case TPenStyle::psDashDot:
            return kDashDot;
        case TPenStyle::psDashDotDot:
            return kDashDotDot;
        case TPenStyle::psSolid:
        case TPenStyle::psClear:
        case TPenStyle::psInsideFrame:
            break;
    }
    return {};
}

bool PenStyleSetsPixel(TPenStyle style, int index) {
    if (style == TPenStyle::psClear) return false;
    const std::span<const int> runs = PenDashRuns(style);
    return runs.empty() || RunsSetPixel(runs, index);
}

}  // namespace mox
