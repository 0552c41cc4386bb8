#pragma once
// The brush a canvas fills areas with: a colour, a hatch, or a bitmap tiled from the device origin.

#include <memory>

#include "toolkit/core/persistent.h"
#include "toolkit/graphics/colors.h"

namespace mox {

class TBitmap;

MOX_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
         bsDiagCross)

class TBrush : public TPersistent {
    MOX_CLASS
public:
    TColor Color() const { return FColor; }
    // Giving a clear brush a colour makes it solid again, as classic code expects.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // The pattern bitmap, not owned; it reads as null once that bitmap is destroyed. While set
    // (and the style is not bsClear) fills tile it from the device origin.
    TBitmap* Bitmap() const;
    void SetBitmap(TBitmap* value);

    void Assign(const TPersistent* source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    std::weak_ptr<TBitmap> FBitmap;
};

// Side of the square hatch patterns, which tile from the device origin.
constexpr int kHatchSize = 8;

// Whether a hatch of `style` covers device pixel (x, y); solid covers everything, clear nothing.
bool HatchCoversPixel(TBrushStyle style, int x, int y);

}  // namespace mox
