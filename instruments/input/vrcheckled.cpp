#include "instruments/input/vrcheckled.h"

#include <vector>

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 125;
constexpr int kDefaultHeight = 25;
// The layout starts one pixel in from the client's corner.
constexpr TPoint kLayoutOffset{1, 1};

}  // namespace

const TClassInfo& TVrCheckLed::StaticClass() {
    using C = TVrCheckLed;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrCheckLed", TVrCustomImageControl::StaticClass())
            .Creatable()
            .Integer("CheckWidth", &C::CheckWidth, &C::SetCheckWidth, 20)
            .Integer("CheckHeight", &C::CheckHeight, &C::SetCheckHeight, 13)
            .Boolean("Checked", &C::Checked, &C::SetChecked, false)
            .Enumeration("Layout", &C::Layout, &C::SetLayout, TVrImageTextLayout::ImageLeft)
            .Integer("Margin", &C::Margin, &C::SetMargin, -1)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 5)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Enumeration("CheckStyle", &C::CheckStyle, &C::SetCheckStyle,
                         TVrCheckLedStyle::csCheckbox)
            .Event("OnChange", &C::OnChange)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clBtnFace)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TVrCheckLed::TVrCheckLed(TComponent* owner)
    : TVrCustomImageControl(owner), FPalette(std::make_unique<TVrPalette>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    using enum TControlStyleFlag;
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks} +
                    TControlStyle{csOpaque, csCaptureMouse, csClickEvents, csSetCaption});
    SetColor(clBtnFace);
    SetParentColor(false);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    FPalette->OnChange = [this](TObject*) { RedrawControl(); };
}

TVrCheckLed::~TVrCheckLed() = default;

// --- Value ----------------------------------------------------------------------------------

void TVrCheckLed::SetChecked(bool value) {
    if (value == FChecked) return;
    FChecked = value;
    RedrawControl();
    if (FCheckStyle == TVrCheckLedStyle::csRadioButton && value) UncheckGroup();
    DoChange();
}

// The group is taken before any member changes: a handler of OnChange may add or remove
// controls, and the members that go meanwhile are skipped.
void TVrCheckLed::UncheckGroup() {
    if (!Parent()) return;
    std::vector<TRef<TVrCheckLed>> group;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TVrCheckLed*>(Parent()->Controls(i));
        if (other && other != this && other->FCheckStyle == TVrCheckLedStyle::csRadioButton)
            group.emplace_back(other);
    }
    for (const TRef<TVrCheckLed>& other : group)
        if (other) other->SetChecked(false);
}

void TVrCheckLed::DoChange() {
    OnChange(this);
}

// --- Painting -------------------------------------------------------------------------------

TImageTextPlacement TVrCheckLed::Placement() const {
    TCanvas& canvas = *ImageCanvas();
    canvas.SetFont(Font());
    return LayoutImageAndText(canvas, ClientRect(), kLayoutOffset, Caption(), FLayout, FMargin,
                              FSpacing, {FCheckWidth, FCheckHeight});
}

TRect TVrCheckLed::BoxRect() const {
    return PlacedRect(Placement().ImagePos, {FCheckWidth, FCheckHeight});
}

void TVrCheckLed::PaintBox(TCanvas& canvas, const TRect& box) const {
    TRect inner = box;
    for (const TFrameStep& ring : CheckBoxRings(FChecked))
        Frame3D(canvas, inner, ring.Top, ring.Bottom, ring.Width);
    if (inner.Width() <= 0 || inner.Height() <= 0) return;
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    switch (CheckBoxFill(FChecked, FHot)) {
        case TCheckFill::Lit:
            canvas.Brush()->SetColor(FPalette->High());
            canvas.FillRect(inner);
            break;
        case TCheckFill::Unlit:
            canvas.Brush()->SetColor(FPalette->Low());
            canvas.FillRect(inner);
            break;
        case TCheckFill::Checker: {
            const std::unique_ptr<TBitmap> checker =
                CheckerBitmap(FPalette->Low(), FPalette->High());
            canvas.Brush()->SetBitmap(checker.get());
            canvas.FillRect(inner);
            canvas.Brush()->SetBitmap(nullptr);
            break;
        }
    }
}

void TVrCheckLed::Paint() {
    PrepareImage();
    TCanvas& canvas = *ImageCanvas();
    const TImageTextPlacement placement = Placement();
    PaintBox(canvas, PlacedRect(placement.ImagePos, {FCheckWidth, FCheckHeight}));
    canvas.SetFont(Font());
    canvas.Brush()->SetColor(Color());
    DrawCaption(canvas, Caption(), placement.TextRect, Enabled());
    TVrCustomImageControl::Paint();
    if (!Focused()) return;
    // On the window, not in the image: the outline is not part of the control's picture.
    TCanvas& window = *Canvas();
    window.Brush()->SetStyle(TBrushStyle::bsClear);
    window.Pen()->SetStyle(TPenStyle::psDot);
    window.Pen()->SetColor(clBlack);
    window.Pen()->SetWidth(1);
    window.Rectangle(CheckFocusRect(placement.TextRect));
    window.Pen()->SetStyle(TPenStyle::psSolid);
}

void TVrCheckLed::WndProc(TMessage& message) {
    TVrCustomImageControl::WndProc(message);
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
        case CM_ENABLEDCHANGED:
        case CM_FONTCHANGED:
        case CM_TEXTCHANGED:
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- Input ----------------------------------------------------------------------------------

void TVrCheckLed::DoEnter() {
    TVrCustomImageControl::DoEnter();
    RedrawControl();
}

void TVrCheckLed::DoExit() {
    TVrCustomImageControl::DoExit();
    RedrawControl();
}

void TVrCheckLed::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && Enabled() && BoxRect().Contains({x, y})) {
        FTracking = true;
        FCheckedAtPress = FChecked;
        // Shown toggled at once; the value is set, with its events, at the release.
        FChecked = !FChecked;
        RedrawControl();
    }
    if (TabStop() && CanFocus()) SetFocus();
}

void TVrCheckLed::MouseMove(TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseMove(shift, x, y);
    SetLook(FHot, BoxRect().Contains({x, y}));
}

void TVrCheckLed::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseUp(button, shift, x, y);
    if (!FTracking) return;
    FTracking = false;
    FChecked = FCheckedAtPress;
    if (BoxRect().Contains({x, y}))
        SetChecked(!FCheckedAtPress);
    else
        RedrawControl();
}

void TVrCheckLed::DoMouseLeave() {
    TVrCustomImageControl::DoMouseLeave();
    SetLook(FHot, false);
}

void TVrCheckLed::KeyPress(QChar& key) {
    if (key == QLatin1Char(' ')) {
        FChecked = !FChecked;
        RedrawControl();
    } else if (IsAccel(key, Caption()) && Enabled() && CanFocus()) {
        if (TabStop()) SetFocus();
        SetChecked(!FChecked);
        key = QChar();
        return;
    }
    TVrCustomImageControl::KeyPress(key);
}

}  // namespace mox
