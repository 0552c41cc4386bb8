#include "toolkit/graphics/brush.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

const TClassInfo& TBrush::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBrush>("TBrush", TPersistent::StaticClass())
            .Color("Color", &TBrush::Color, &TBrush::SetColor, clWhite)
            .Enumeration("Style", &TBrush::Style, &TBrush::SetStyle, TBrushStyle::bsSolid)
            .Build();
    return info;
}

void TBrush::Changed() {
    OnChange(this);
}

void TBrush::SetColor(TColor value) {
    if (value == FColor && FStyle != TBrushStyle::bsClear) return;
    FColor = value;
    if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Changed();
}

TBitmap* TBrush::Bitmap() const {
    return FBitmap.lock().get();
}

void TBrush::SetBitmap(TBitmap* value) {
    if (value == Bitmap()) return;
    FBitmap = value ? value->WeakRef() : std::weak_ptr<TBitmap>();
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    if (brush->FColor == FColor && brush->FStyle == FStyle && brush->Bitmap() == Bitmap()) return;
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap = brush->FBitmap;
    Changed();
}

bool HatchCoversPixel(TBrushStyle style, int x, int y) {
    const auto phase = [](int v) { return ((v % kHatchSize) + kHatchSize) % kHatchSize; };
    const bool horizontal = phase(y) == 0;
    const bool vertical = phase(x) == 0;
    const bool forward = phase(x - y) == 0;   // "\" lines
    const bool backward = phase(x + y) == 0;  // "/" lines
    switch (style) {
        case TBrushStyle::bsSolid:
            return true;
        case TBrushStyle::bsClear:
            return false;
        case TBrushStyle::bsHorizontal:
            return horizontal;
        case TBrushStyle::bsVertical:
            return vertical;
        case TBrushStyle::bsFDiagonal:
            return forward;
        case TBrushStyle::bsBDiagonal:
            return backward;
        case TBrushStyle::bsCross:
            return horizontal || vertical;
        case TBrushStyle::bsDiagCross:
            return forward || backward;
    }
    return false;
}

}  // namespace mox
