#pragma once
// Small geometry, colour and bitmap routines the instruments share. They draw only on the canvas
// or bitmap they are given and keep no state, so each can be checked pixel by pixel on its own.

#include <QString>
#include <cstdint>
#include <memory>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TBitmap;
class TCanvas;
class TComponent;
class TWinControl;

// `percent` per cent of `total`, truncated; results beyond the integer range are pulled in.
int PercentOf(double percent, int total);
// How many per cent `value` is of `total`, truncated; 0 for a total of 0.
int PercentFrom(int value, int total);

inline int Min(int a, int b) {
    return a < b ? a : b;
}
inline int Max(int a, int b) {
    return a > b ? a : b;
}
// Raises `value` to `low` or lowers it to `high`.
void Clamp(int& value, int low, int high);
inline int RectWidth(const TRect& r) {
    return r.Right - r.Left;
}
inline int RectHeight(const TRect& r) {
    return r.Bottom - r.Top;
}
inline bool RectsEqual(const TRect& a, const TRect& b) {
    return a == b;
}
// `rect` shrunk by `by` on every side (grown for a negative `by`), kept inside the canvas's
// coordinate space however large `by` is.
TRect ShrunkRect(const TRect& rect, std::int64_t by);

// `x` rounded (halves to even) into 0..255; not-a-number gives 0.
int ByteClamp(double x);
// A colour from three real channel values, each through ByteClamp.
TColor RealRGB(double r, double g, double b);

// Draws `width` rings inside `rect`, the top and left edges in `topColor`, the bottom and right
// edges in `bottomColor`, and shrinks `rect` by `width` on every side. A width of 0 or less draws
// nothing and leaves `rect` as it was.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// Fills `rect` with bands of `bandWidth` pixels running from `startColor` to `endColor`:
// orientation 1 steps across the width, 0 down the height, anything else paints nothing. The
// last band may reach past `rect`. A band width below 1 counts as 1.
void BandGradient(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor,
                  int orientation, int bandWidth);

// An 8 × 8 bitmap: `color1` where row and column have the same parity, `color2` elsewhere.
std::unique_ptr<TBitmap> CheckerBitmap(TColor color1, TColor color2);

// A caption with a clear brush: enabled, once, on one line centred in `rect`; disabled, twice at
// the top left of `rect`, embossed (highlight shifted by one pixel, then shadow).
void DrawCaption(TCanvas& canvas, const QString& text, const TRect& rect, bool enabled);

// Where an image of `imageSize` and a caption go in `client` for `layout` (image left, right,
// above or below the text). A margin of -1 centres the group; a spacing of -1 spreads it. Both
// results include the client's top-left corner and `offset`.
struct TImageTextPlacement {
    TPoint ImagePos;
    TRect TextRect;
};
TImageTextPlacement LayoutImageAndText(TCanvas& canvas, const TRect& client, TPoint offset,
                                       const QString& caption, TVrImageTextLayout layout,
                                       int margin, int spacing, TSize imageSize);

// Repeats `bitmap` from the top-left corner of `rect`, column by column, while the position is
// inside `rect`; the last tiles may overhang. An empty bitmap draws nothing.
void TileBitmap(TCanvas& canvas, const TRect& rect, const TBitmap& bitmap);
TRect BitmapRect(const TBitmap& bitmap);

// Every pixel of exactly `oldColor` becomes `newColor`.
void ReplaceColor(TBitmap& bitmap, TColor oldColor, TColor newColor);
// Pixels of exactly `lowKey` become `low`, pixels of exactly `highKey` become `high`. Both are
// decided on the unchanged pixels, so nothing is recoloured twice; where the keys are equal the
// high colour wins.
void RecolorBitmap(TBitmap& bitmap, TColor lowKey, TColor low, TColor highKey, TColor high);

// Takes the text before the first `separator` out of `s` (the separator goes too) and returns
// it; without a separator in `s` (or with an empty one) returns all of `s` and empties it.
QString SplitFirst(QString& s, const QString& separator);

// The highest owner reached by climbing the owner chain while the owners are windowed controls;
// none when the first owner is not one.
TWinControl* TopWindowedOwner(const TComponent* component);

}  // namespace mox
