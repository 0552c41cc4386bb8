#pragma once
// Where a spinner's two buttons go and where each button's arrow sits: pure arithmetic on sizes,
// so the layout, the painting and the hit test can be checked without a window.

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"

namespace mox {

// The arrow a spin button shows, in the order its glyph strips are numbered.
enum class TSpinButtonKind { Up, Down, Left, Right };

// The size of one arrow picture of the kind's strip.
TSize SpinGlyphSize(TSpinButtonKind kind);

// The arrow picture a button shows: disabled, normal or pressed, as the strips hold them.
enum class TSpinGlyph { Disabled = 0, Normal = 1, Pressed = 2 };
TSpinGlyph SpinGlyphFor(bool enabled, bool pressed);

// The narrowest a spinner gets.
constexpr int kMinSpinnerWidth = 15;

struct TSpinnerLayout {
    TSize Size;    // the spinner's size once its width is raised to kMinSpinnerWidth
    TRect First;   // the up or left button
    TRect Second;  // the down or right button
};
// Stacked, the two buttons share one row (the second starts a row above the first's end);
// side by side, each takes half the width. A negative height counts as 0.
TSpinnerLayout SpinnerLayout(int width, int height, TVrOrientation orientation);

// The arrow picture centred in a button of `button` size; it may stick out of a small button.
TRect SpinGlyphRect(TSize button, TSize glyph);
// The frame a focused button shows: its bounds shrunk by 3 on every side.
TRect SpinFocusRect(TSize button);

// Auto-repeat: the first repeat after this long a hold, then one per period.
constexpr unsigned kSpinRepeatDelayMs = 400;
constexpr unsigned kSpinRepeatPeriodMs = 100;

}  // namespace mox
