#include "instruments/input/vrspinner.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 35;
constexpr int kDefaultHeight = 40;

}  // namespace

const TClassInfo& TVrSpinner::StaticClass() {
    using C = TVrSpinner;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrSpinner", TVrCustomControl::StaticClass())
            .Creatable()
            .Component("FocusControl", &C::FocusControl, &C::SetFocusControl)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voVertical)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Event("OnUpClick", &C::OnUpClick)
            .Event("OnDownClick", &C::OnDownClick)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clBtnFace)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Build();
    return info;
}

TVrSpinner::TVrSpinner(TComponent* owner)
    : TVrCustomControl(owner), FPalette(std::make_unique<TVrPalette>()) {
    using enum TControlStyleFlag;
    SetControlStyle(ControlStyle() -
                    TControlStyle{csSetCaption, csDoubleClicks, csAcceptsControls} +
                    TControlStyle{csOpaque});
    SetColor(clBtnFace);
    SetParentColor(true);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    FPalette->OnChange = [this](TObject*) {
        for (TVrTimerSpinButton* button : {FFirst, FSecond})
            button->SetPalette(FPalette.get());
    };
    CreateButtons();
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
}

TVrSpinner::~TVrSpinner() = default;

// --- Buttons --------------------------------------------------------------------------------

TVrTimerSpinButton* TVrSpinner::CreateButton(TSpinButtonKind kind) {
    auto* button = new TVrTimerSpinButton(this);
    button->SetKind(kind);
    button->OnClick = [this](TObject* sender) { ButtonClicked(sender); };
    button->OnMouseDown = [this](TObject* sender, TMouseButton b, TShiftState, int, int) {
        ButtonPressed(sender, b);
    };
    button->SetVisible(true);
    button->SetEnabled(Enabled());
    button->SetAutoRepeat(true);
    button->SetPalette(FPalette.get());
    button->SetParent(this);
    return button;
}

void TVrSpinner::CreateButtons() {
    const bool vertical = FOrientation == TVrOrientation::voVertical;
    FFirst = CreateButton(vertical ? TSpinButtonKind::Up : TSpinButtonKind::Left);
    FSecond = CreateButton(vertical ? TSpinButtonKind::Down : TSpinButtonKind::Right);
    FFocused = FFirst;
    if (Focused()) FFocused->SetFocusFlag(true);
}

void TVrSpinner::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    delete FFirst;
    delete FSecond;
    FFirst = FSecond = FFocused = nullptr;
    CreateButtons();
    if (Loading()) return;
    // A spinner turned on the rack keeps its shape across the turn; elsewhere it keeps its size.
    if (Designing())
        SetBounds(Left(), Top(), Height(), Width());
    else
        LayoutButtons(Width(), Height());
}

void TVrSpinner::LayoutButtons(int width, int height) {
    if (!FFirst || !FSecond) return;
    const TSpinnerLayout layout = SpinnerLayout(width, height, FOrientation);
    FFirst->SetBoundsRect(layout.First);
    FSecond->SetBoundsRect(layout.Second);
}

void TVrSpinner::SetBounds(int left, int top, int width, int height) {
    if (Loading() || !FFirst) {
        TVrCustomControl::SetBounds(left, top, width, height);
        return;
    }
    const TSpinnerLayout layout = SpinnerLayout(width, height, FOrientation);
    LayoutButtons(layout.Size.cx, layout.Size.cy);
    TVrCustomControl::SetBounds(left, top, layout.Size.cx, layout.Size.cy);
}

void TVrSpinner::Loaded() {
    TVrCustomControl::Loaded();
    SetBounds(Left(), Top(), Width(), Height());
}

void TVrSpinner::ButtonClicked(TObject* sender) {
    if (sender == FFirst)
        OnUpClick(this);
    else if (sender == FSecond)
        OnDownClick(this);
}

void TVrSpinner::ButtonPressed(TObject* sender, TMouseButton button) {
    if (button != TMouseButton::mbLeft) return;
    MakeFocused(sender == FFirst ? FFirst : FSecond);
    TWinControl* target = FFocusControl.get();
    if (target && target->TabStop() && target->CanFocus() && !target->Focused()) {
        target->SetFocus();
        return;
    }
    if (TabStop() && !Focused() && CanFocus()) SetFocus();
}

void TVrSpinner::MakeFocused(TVrTimerSpinButton* button) {
    if (!TabStop() || !CanFocus() || button == FFocused) return;
    FFocused->SetFocusFlag(false);
    FFocused = button;
    if (Focused()) FFocused->SetFocusFlag(true);
}

// --- Painting and input ---------------------------------------------------------------------

void TVrSpinner::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
}

void TVrSpinner::WndProc(TMessage& message) {
    TVrCustomControl::WndProc(message);
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
            for (TVrTimerSpinButton* button : {FFirst, FSecond})
                button->SetEnabled(Enabled());
            break;
        default:
            break;
    }
}

void TVrSpinner::KeyDown(WPARAM& key, TShiftState) {
    const bool vertical = FOrientation == TVrOrientation::voVertical;
    TVrTimerSpinButton* target = nullptr;
    if (key == VK_SPACE) {
        target = FFocused;
    } else if ((vertical && key == VK_UP) || (!vertical && key == VK_LEFT)) {
        target = FFirst;
    } else if ((vertical && key == VK_DOWN) || (!vertical && key == VK_RIGHT)) {
        target = FSecond;
    }
    if (!target) return;
    MakeFocused(target);
    key = 0;
    target->ClickButton();
}

void TVrSpinner::DoEnter() {
    TVrCustomControl::DoEnter();
    FFocused->SetFocusFlag(true);
}

void TVrSpinner::DoExit() {
    TVrCustomControl::DoExit();
    FFocused->SetFocusFlag(false);
}

}  // namespace mox
