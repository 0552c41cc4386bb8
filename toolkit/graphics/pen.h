#pragma once
// The pen a canvas draws lines and outlines with.

#include <span>

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/colors.h"

namespace mox {

MOX_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)

// How the pen colour (P) combines with the pixel below (D), bit by bit; the sixteen modes are
// every boolean function of the two, so block copies reuse them as well.
MOX_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
         pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)

class TPen : public TPersistent {
    MOX_CLASS
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    // Widths below 1 draw as 1, like a cosmetic GDI pen.
    int Width() const { return FWidth; }
    void SetWidth(int value);

    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor = clBlack;
    TPenMode FMode = TPenMode::pmCopy;
    TPenStyle FStyle = TPenStyle::psSolid;
    int FWidth = 1;
};

// The on/off run lengths in pixels of a one-pixel pen of `style`, starting with "on" (the classic
// cosmetic patterns: dash 18/6, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3); empty for
// styles without gaps.
std::span<const int> PenDashRuns(TPenStyle style);
// Whether the pixel at `index` along a one-pixel line is set by a pen of `style`.
bool PenStyleSetsPixel(TPenStyle style, int index);

}  // namespace mox
