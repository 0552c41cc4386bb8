#include "toolkit/stdctrls/label.h"

#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TLabel::StaticClass() {
    using C = TLabel;
    static const TClassInfo info =
        TClassBuilder<C>("TLabel", TGraphicControl::StaticClass())
            .Creatable()
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment, TAlignment::taLeftJustify)
            .Set("Anchors", &C::Anchors, &C::SetAnchors,
                 TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
            .Stored(&C::IsAnchorsStored)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Component("FocusControl", &C::FocusControl, &C::SetFocusControl)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar, true)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Enumeration("Layout", &C::Layout, &C::SetLayout, TTextLayout::tlTop)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap, false)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    TControlStyle style = ControlStyle();
    style.Include(TControlStyleFlag::csOpaque);
    style.Include(TControlStyleFlag::csReplicatable);
    SetControlStyle(style);
    SetBounds(0, 0, 65, 17);
}

TLabel::~TLabel() = default;

void TLabel::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    Invalidate();
}

void TLabel::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetFocusControl(TWinControl* value) {
    if (value == FFocusControl.get()) return;
    FFocusControl = value;
}

void TLabel::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu.get()) return;
    FPopupMenu = value;
}

void TLabel::SetLayout(TTextLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
    if (value == FShowAccelChar) return;
    FShowAccelChar = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    TControlStyle style = ControlStyle();
    if (value)
        style.Exclude(TControlStyleFlag::csOpaque);
    else
        style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TLabel::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) AdjustBounds();
}

int TLabel::TextFlags() const {
    int flags = 0;
    if (FAlignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
    if (FAlignment == TAlignment::taCenter) flags |= DT_CENTER;
    if (FWordWrap) flags |= DT_WORDBREAK;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || Loading()) return;
    // An empty caption still measures one line, so the label keeps a height to be found by.
    QString text = Caption();
    if (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&"))) text += u' ';
    TCanvas* canvas = Canvas();
    canvas->SetFont(Font());
    TRect rect = Rect(0, 0, Width(), 0);
    canvas->DrawText(text, rect, TextFlags() | DT_CALCRECT);
    // A right-aligned label grows to the left, keeping the edge its text is aligned to.
    const int left =
        FAlignment == TAlignment::taRightJustify ? Left() + Width() - rect.Width() : Left();
    SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    if (!FTransparent) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas->FillRect(client);
    }
    canvas->Brush()->SetStyle(TBrushStyle::bsClear);
    const QString text = Caption();
    const int flags = TextFlags();
    TRect rect = client;
    if (FLayout != TTextLayout::tlTop) {
        TRect needed = client;
        canvas->DrawText(text, needed, flags | DT_CALCRECT);
        const int spare = client.Height() - needed.Height();
        rect.Top += FLayout == TTextLayout::tlBottom ? spare : spare / 2;
    }
    if (Enabled()) {
        canvas->DrawText(text, rect, flags);
        return;
    }
    // Disabled text looks engraved: a light copy one pixel down and right under a shadow.
    const TColor color = canvas->Font()->Color();
    TRect light = Rect(rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1);
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->DrawText(text, light, flags);
    canvas->Font()->SetColor(clBtnShadow);
    canvas->DrawText(text, rect, flags);
    canvas->Font()->SetColor(color);
}

}  // namespace mox
