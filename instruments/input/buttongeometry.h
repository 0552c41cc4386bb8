#pragma once
// The looks of the power button and the check LED as plain values: which rings their frames and
// boxes are drawn with, in which colours, and where their lamps go. Painting draws what these
// say, so each look can be checked without a window.

#include <QString>
#include <array>
#include <vector>

#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

// `Width` rings drawn with Frame3D, top and left edges in `Top`, bottom and right edges in
// `Bottom`; with `FromClient` the rings start again at the client rectangle instead of inside
// the previous step.
struct TFrameStep {
    bool FromClient = false;
    TColor Top = clBlack;
    TColor Bottom = clBlack;
    int Width = 0;

    bool operator==(const TFrameStep&) const = default;
};

struct TPowerButtonColors {
    TColor Outline = clBlack;
    TColor Focus = clBlue;
    TColor Highlight = clBtnHighlight;
    TColor Shadow = clBtnShadow;
};

// The outline (focus colour while focused), then the bevel: raised, or pressed in, which redraws
// the outline sunk from the client edge.
std::vector<TFrameStep> PowerButtonFrame(const TPowerButtonColors& colors, int outlineWidth,
                                         int bevelWidth, bool pressed, bool focused);
// The area the lamp and caption share: the client shrunk by the bevel and the outline.
TRect PowerButtonContent(const TRect& client, int outlineWidth, int bevelWidth);
// The lamp's rings, sunk and outlined, before its fill.
std::array<TFrameStep, 2> PowerButtonLampRings(TColor highlight, TColor shadow);

// A rectangle of `size` at `pos`, its far edges kept within the canvas's coordinate space
// however large the size.
TRect PlacedRect(TPoint pos, TSize size);

// The four one-pixel rings of a check LED's box, from the outside in.
std::array<TFrameStep, 4> CheckBoxRings(bool checked);
// What fills the box inside its rings: lit when checked, a lit/unlit checker while the pointer
// hovers over an unchecked box, unlit otherwise.
enum class TCheckFill { Unlit, Lit, Checker };
TCheckFill CheckBoxFill(bool checked, bool hot);
// The dotted focus outline around a check LED's caption.
TRect CheckFocusRect(const TRect& captionRect);

// Whether typing `typed` picks the control whose caption is `caption`: it is the character after
// the caption's '&' ("&&" is a plain '&'), case-insensitively.
bool IsAccel(QChar typed, const QString& caption);

}  // namespace mox
