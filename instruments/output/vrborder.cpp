#include "instruments/output/vrborder.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultSize = 50;
// The spacer's design-time outline, mixed into what lies below so it shows on any background.
constexpr TColor kSpacerOutline = 0xFFD8CE;

}  // namespace

const TClassInfo& TVrBorder::StaticClass() {
    using C = TVrBorder;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrBorder", TVrGraphicControl::StaticClass())
            .Creatable()
            .Enumeration("Shape", &C::Shape, &C::SetShape, TVrBorderShape::bsFrame)
            .Enumeration("Style", &C::Style, &C::SetStyle, TVrBorderStyle::bsRaised)
            .Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor, clGreen)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clLime)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Build();
    return info;
}

TVrBorder::TVrBorder(TComponent* owner) : TVrGraphicControl(owner) {
    SetBounds(Left(), Top(), kDefaultSize, kDefaultSize);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csReplicatable});
}

void TVrBorder::Paint() {
    TCanvas& canvas = *Canvas();
    if (Designing() && FShape == TVrBorderShape::bsSpacer) {
        PaintSpacerOutline();
        return;
    }
    // The canvas keeps its pen between paints: a spacer outline drawn while designing (dotted,
    // mixing) must not leak into a frame drawn later, also once the rack runs.
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetMode(TPenMode::pmCopy);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Pen()->SetWidth(1);
    for (const TBorderStroke& stroke :
         BorderStrokes(FShape, FStyle, FHighlightColor, FShadowColor, Width(), Height())) {
        canvas.Pen()->SetColor(stroke.Color);
        canvas.Polyline(stroke.Points);
    }
}

void TVrBorder::PaintSpacerOutline() {
    TCanvas& canvas = *Canvas();
    canvas.Pen()->SetWidth(1);
    canvas.Pen()->SetStyle(TPenStyle::psDot);
    canvas.Pen()->SetMode(TPenMode::pmXor);
    canvas.Pen()->SetColor(kSpacerOutline);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(ClientRect());
}

}  // namespace mox
