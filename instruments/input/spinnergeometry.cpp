#include "instruments/input/spinnergeometry.h"

#include <algorithm>
#include <cstdint>

namespace mox {

TSize SpinGlyphSize(TSpinButtonKind kind) {
    const bool stacked = kind == TSpinButtonKind::Up || kind == TSpinButtonKind::Down;
    return stacked ? TSize{21, 16} : TSize{17, 21};
}

TSpinGlyph SpinGlyphFor(bool enabled, bool pressed) {
    if (!enabled) return TSpinGlyph::Disabled;
    return pressed ? TSpinGlyph::Pressed : TSpinGlyph::Normal;
}

TSpinnerLayout SpinnerLayout(int width, int height, TVrOrientation orientation) {
    const int w = std::max(width, kMinSpinnerWidth);
    const int h = std::max(height, 0);
    TSpinnerLayout layout{{w, h}, {}, {}};
    if (orientation == TVrOrientation::voVertical) {
        const int h1 = h / 2;
        layout.First = Bounds(0, 0, w, h1);
        // h − h1 + 1 ≤ h / 2 + 2, so it cannot overflow.
        layout.Second = Bounds(0, h1 - 1, w, h - h1 + 1);
    } else {
        layout.First = Bounds(0, 0, w / 2, h);
        layout.Second = Bounds(w / 2, 0, w / 2, h);
    }
    return layout;
}

TRect SpinGlyphRect(TSize button, TSize glyph) {
    // In 64 bits: a difference of two sizes may not fit an int; half of it does.
    const auto centred = [](int outer, int inner) {
        return static_cast<int>((std::int64_t{outer} - inner) / 2);
    };
    return Bounds(centred(button.cx, glyph.cx), centred(button.cy, glyph.cy), glyph.cx, glyph.cy);
}

TRect SpinFocusRect(TSize button) {
    return Rect(3, 3, button.cx - 3, button.cy - 3);
}

}  // namespace mox
