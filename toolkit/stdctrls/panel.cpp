#include "toolkit/stdctrls/panel.h"

#include <algorithm>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

// `width` rings inside `r`, each with its top and left edges in `top` and its bottom and right
// edges in `bottom`; `r` shrinks to what the rings enclose.
void Frame3D(TCanvas& canvas, TRect& r, TColor top, TColor bottom, int width) {
    for (int i = 0; i < width && !r.IsEmpty(); ++i) {
        canvas.Brush()->SetColor(top);
        canvas.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
        canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
        canvas.Brush()->SetColor(bottom);
        canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

}  // namespace

const TClassInfo& TPanel::StaticClass() {
    using C = TPanel;
    static const TClassInfo info =
        TClassBuilder<C>("TPanel", TCustomControl::StaticClass())
            .Creatable()
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment, TAlignment::taCenter)
            .Enumeration("BevelInner", &C::BevelInner, &C::SetBevelInner, TBevelCut::bvNone)
            .Enumeration("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, TBevelCut::bvRaised)
            .Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 1)
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 0)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clBtnFace)
            .Object("Font", &C::Font, &C::SetFont)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(TControlStyle{TControlStyleFlag::csAcceptsControls,
                                  TControlStyleFlag::csCaptureMouse,
                                  TControlStyleFlag::csClickEvents, TControlStyleFlag::csSetCaption,
                                  TControlStyleFlag::csOpaque, TControlStyleFlag::csDoubleClicks,
                                  TControlStyleFlag::csReplicatable});
    StoreBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TPanel::SetBevelInner(TBevelCut value) {
    if (value == FBevelInner) return;
    FBevelInner = value;
    Changed();
}

void TPanel::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    Changed();
}

void TPanel::SetBevelWidth(int value) {
    value = std::max(value, 1);
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    Changed();
}

void TPanel::SetBorderWidth(int value) {
    value = std::max(value, 0);
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    Changed();
}

void TPanel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TPanel::Changed() {
    Invalidate();
    Realign();
}

TRect TPanel::InnerRect() const {
    int inset = FBorderWidth;
    if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
    if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
    const TRect r = ClientRect();
    return Rect(r.Left + inset, r.Top + inset, std::max(r.Left + inset, r.Right - inset),
                std::max(r.Top + inset, r.Bottom - inset));
}

void TPanel::AlignControls(TRect& rect) {
    const TRect inner = InnerRect();
    rect = Rect(std::max(rect.Left, inner.Left), std::max(rect.Top, inner.Top),
                std::min(rect.Right, inner.Right), std::min(rect.Bottom, inner.Bottom));
    TCustomControl::AlignControls(rect);
}

void TPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        switch (cut) {
            case TBevelCut::bvRaised:
                Frame3D(canvas, r, clBtnHighlight, clBtnShadow, FBevelWidth);
                break;
            case TBevelCut::bvLowered:
                Frame3D(canvas, r, clBtnShadow, clBtnHighlight, FBevelWidth);
                break;
            case TBevelCut::bvSpace:
                Frame3D(canvas, r, Color(), Color(), FBevelWidth);
                break;
            case TBevelCut::bvNone:
                break;
        }
    };
    bevel(FBevelOuter);
    Frame3D(canvas, r, Color(), Color(), FBorderWidth);
    bevel(FBevelInner);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    if (Caption().isEmpty()) return;
    int flags = DT_SINGLELINE | DT_VCENTER;
    if (FAlignment == TAlignment::taCenter) flags |= DT_CENTER;
    if (FAlignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(Caption(), r, flags);
}

}  // namespace mox
