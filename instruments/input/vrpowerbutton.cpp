#include "instruments/input/vrpowerbutton.h"

#include "toolkit/controls/application.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 125;
constexpr int kDefaultHeight = 25;

}  // namespace

const TClassInfo& TVrPowerButton::StaticClass() {
    using C = TVrPowerButton;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrPowerButton", TVrCustomImageControl::StaticClass())
            .Creatable()
            .Boolean("Active", &C::Active, &C::SetActive, false)
            .Integer("LedWidth", &C::LedWidth, &C::SetLedWidth, 12)
            .Integer("LedHeight", &C::LedHeight, &C::SetLedHeight, 12)
            .Enumeration("Layout", &C::Layout, &C::SetLayout, TVrImageTextLayout::ImageLeft)
            .Integer("Margin", &C::Margin, &C::SetMargin, -1)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 5)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Color("FocusColor", &C::FocusColor, &C::SetFocusColor, clBlue)
            .Color("OutlineColor", &C::OutlineColor, &C::SetOutlineColor, clBlack)
            .Integer("OutlineWidth", &C::OutlineWidth, &C::SetOutlineWidth, 1)
            .Color("HighlightColor", &C::HighlightColor, &C::SetHighlightColor, clBtnHighlight)
            .Color("ShadowColor", &C::ShadowColor, &C::SetShadowColor, clBtnShadow)
            .Integer("BevelWidth", &C::BevelWidth, &C::SetBevelWidth, 2)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clBtnFace)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
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

TVrPowerButton::TVrPowerButton(TComponent* owner)
    : TVrCustomImageControl(owner), FPalette(std::make_unique<TVrPalette>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    using enum TControlStyleFlag;
    // OnClick comes from the toggles alone, never from the windowing layer's own click.
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks, csClickEvents} +
                    TControlStyle{csOpaque, csCaptureMouse, csSetCaption});
    SetColor(clBtnFace);
    SetParentColor(false);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    FPalette->OnChange = [this](TObject*) { RedrawControl(); };
}

TVrPowerButton::~TVrPowerButton() = default;

// --- Painting -------------------------------------------------------------------------------

TImageTextPlacement TVrPowerButton::Placement() const {
    TCanvas& canvas = *ImageCanvas();
    canvas.SetFont(Font());
    return LayoutImageAndText(canvas, PowerButtonContent(ClientRect(), FOutlineWidth, FBevelWidth),
                              Point(0, 0), Caption(), FLayout, FMargin, FSpacing,
                              {FLedWidth, FLedHeight});
}

TRect TVrPowerButton::LedRect() const {
    return PlacedRect(Placement().ImagePos, {FLedWidth, FLedHeight});
}

TColor TVrPowerButton::LedColor() const {
    return Enabled() ? FPalette->Colors(FActive ? 1 : 0) : Color();
}

void TVrPowerButton::Paint() {
    PrepareImage();
    TCanvas& canvas = *ImageCanvas();
    const TRect client = ClientRect();
    TRect work = client;
    for (const TFrameStep& step :
         PowerButtonFrame(FColors, FOutlineWidth, FBevelWidth, FPressed, FFocused)) {
        if (step.FromClient) work = client;
        Frame3D(canvas, work, step.Top, step.Bottom, step.Width);
    }
    const TImageTextPlacement placement = Placement();
    TRect lamp = PlacedRect(placement.ImagePos, {FLedWidth, FLedHeight});
    for (const TFrameStep& ring : PowerButtonLampRings(FColors.Highlight, FColors.Shadow))
        Frame3D(canvas, lamp, ring.Top, ring.Bottom, ring.Width);
    if (lamp.Width() > 0 && lamp.Height() > 0) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(LedColor());
        canvas.FillRect(lamp);
    }
    canvas.SetFont(Font());
    DrawCaption(canvas, Caption(), placement.TextRect, Enabled());
    TVrCustomImageControl::Paint();
}

void TVrPowerButton::WndProc(TMessage& message) {
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

void TVrPowerButton::DoEnter() {
    TVrCustomImageControl::DoEnter();
    SetLook(FFocused, true);
}

void TVrPowerButton::DoExit() {
    TVrCustomImageControl::DoExit();
    SetLook(FFocused, false);
}

void TVrPowerButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        FHeld = true;
        SetPressed(true);
        if (TabStop() && CanFocus()) SetFocus();
    }
    TVrCustomImageControl::MouseDown(button, shift, x, y);
}

void TVrPowerButton::MouseMove(TShiftState shift, int x, int y) {
    // Dragged off, the face comes up, so a release out there toggles nothing.
    if (FHeld) SetPressed(ClientRect().Contains({x, y}));
    TVrCustomImageControl::MouseMove(shift, x, y);
}

void TVrPowerButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FHeld = false;
    const bool toggled = FPressed;
    if (toggled) {
        FPressed = false;
        FActive = !FActive;
        RedrawControl();
    }
    TVrCustomImageControl::MouseUp(button, shift, x, y);
    if (toggled) Click();
}

void TVrPowerButton::KeyDown(WPARAM& key, TShiftState shift) {
    TVrCustomImageControl::KeyDown(key, shift);
    if (key == VK_SPACE) SetPressed(true);
}

void TVrPowerButton::KeyUp(WPARAM& key, TShiftState shift) {
    TVrCustomImageControl::KeyUp(key, shift);
    // Only a Space that went down here: one pressed on another control and released after the
    // focus moved here is not a click.
    if (key != VK_SPACE || !FPressed) return;
    if (TApplication::Instance().CaptureControl() == this)
        TApplication::Instance().SetCaptureControl(nullptr);
    FHeld = false;
    FPressed = false;
    FActive = !FActive;
    RedrawControl();
    Click();
}

void TVrPowerButton::KeyPress(QChar& key) {
    TVrCustomImageControl::KeyPress(key);
    if (Enabled() && IsAccel(key, Caption())) Click();
}

}  // namespace mox
