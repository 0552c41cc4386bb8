#pragma once
// TVrPalette: the two colours (unlit, lit) that recolour the built-in lamp, digit and matrix
// bitmaps, which are drawn in fixed key colours.

#include "instruments/base/vrcomponent.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TBitmap;

class TVrPalette : public TVrPersistent {
    MOX_CLASS
public:
    TVrPalette() = default;

    TColor Low() const { return FLow; }
    void SetLow(TColor value) { SetValue(FLow, value); }
    TColor High() const { return FHigh; }
    void SetHigh(TColor value) { SetValue(FHigh, value); }

    // Low for an index of 0 or less, High otherwise.
    TColor Colors(int index) const { return index <= 0 ? FLow : FHigh; }
    // Pixels of exactly `lowKey` become Low and pixels of exactly `highKey` become High.
    void Recolor(TBitmap& bitmap, TColor lowKey, TColor highKey) const;

    void Assign(const TPersistent* source) override;

private:
    TColor FLow = clGreen;
    TColor FHigh = clLime;
};

}  // namespace mox
