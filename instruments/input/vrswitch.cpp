#include "instruments/input/vrswitch.h"

#include <algorithm>

#include "instruments/base/vrdraw.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kInitialWidth = 29;
constexpr int kInitialHeight = 60;

bool NoShiftKeys(TShiftState shift) {
    return !shift.Contains(TShiftStateFlag::ssShift) && !shift.Contains(TShiftStateFlag::ssAlt) &&
           !shift.Contains(TShiftStateFlag::ssCtrl);
}

}  // namespace

const TClassInfo& TVrSwitch::StaticClass() {
    using C = TVrSwitch;
    using enum TAnchorKind;
    using enum TVrSwitchOption;
    static const TClassInfo info =
        TClassBuilder<C>("TVrSwitch", TVrThumbControl::StaticClass())
            .Creatable()
            .Integer("Positions", &C::Positions, &C::SetPositions, 4)
            .Integer("Offset", &C::Offset, &C::SetOffset, 0)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voVertical)
            .Integer("BackImageIndex", &C::BackImageIndex, &C::SetBackImageIndex, -1)
            .Integer("ThumbImageIndex", &C::ThumbImageIndex, &C::SetThumbImageIndex, -1)
            .Component("BitmapList", &C::BitmapList, &C::SetBitmapList)
            .Integer("ThumbStates", &C::ThumbStates, &C::SetThumbStates, 1)
            .Integer("ThumbIndent", &C::ThumbIndent, &C::SetThumbIndent, 1)
            .Enumeration("Style", &C::Style, &C::SetStyle, TVrProgressStyle::psBottomLeft)
            .Object("Bevel", &C::Bevel, &C::SetBevel)
            .Set("Options", &C::Options, &C::SetOptions,
                 TVrSwitchOptions{soActiveClick, soMouseClip, soHandPoint, soThumbOpaque})
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor, clBtnFace)
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 1)
            .Color("FocusColor", &C::FocusColor, &C::SetFocusColor, clBlue)
            .Event("OnChange", &C::OnChange)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clBlack)
            .Stored(&C::IsColorStored)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TVrSwitch::TVrSwitch(TComponent* owner)
    : TVrThumbControl(owner), FBevel(std::make_unique<TVrBevel>()) {
    SetBounds(Left(), Top(), kInitialWidth, kInitialHeight);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBlack);
    SetParentColor(false);
    FBevel->SetInnerSpace(0);
    FBevel->SetOuterOutline(TVrBevelOutlineStyle::osNone);
    FBevel->OnChange = [this](TObject*) {
        FFace.Invalidate();
        RedrawControl();
    };
    LoadThumb();
}

TVrSwitch::~TVrSwitch() = default;

// --- Slots ----------------------------------------------------------------------------------

void TVrSwitch::SetOffset(int value) {
    value = std::max(value, 0);
    value = std::min(value, FPositions - 1);
    if (value == FOffset) return;
    FOffset = value;
    RedrawControl();
    DoChange();
}

// A switch needs a slot; fewer slots than the selected one pull the selection into the last.
void TVrSwitch::SetPositions(int value) {
    if (value < 1 || value == FPositions) return;
    FPositions = value;
    SizeToSlots();
    SetOffset(FOffset);
    FFace.Invalidate();
    RedrawControl();
}

void TVrSwitch::DoChange() {
    OnChange(this);
}

// --- Thumb and size -------------------------------------------------------------------------

void TVrSwitch::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    LoadThumb();
    if (!Loading()) {
        SetBounds(Left(), Top(), Height(), Width());
        SizeToSlots();
    }
    RedrawControl();
}

void TVrSwitch::SetThumbIndent(int value) {
    if (value >= 0) SetLook(FThumbIndent, value);
}

void TVrSwitch::SetBorderWidth(int value) {
    if (value < 0 || value == FBorderWidth) return;
    FBorderWidth = value;
    SizeToSlots();
    FFace.Invalidate();
    RedrawControl();
}

QString TVrSwitch::BuiltinThumb() const {
    return Horizontal() ? QStringLiteral("VRSWITCHTHUMB_HORI")
                        : QStringLiteral("VRSWITCHTHUMB_VERT");
}

// The slots are one thumb long; loading sizes them once it ends, when the thumb is taken again.
void TVrSwitch::ThumbLoaded() {
    SizeToSlots();
}

// Not while loading: the settings arrive one by one, and sizing for each on the way would leave
// a cross axis grown by one that came before the orientation. Loaded sizes once, for them all.
void TVrSwitch::SizeToSlots() {
    if (Loading()) return;
    const TSize size = SwitchSize({Width(), Height()}, FOrientation,
                                  {FThumb.Width(), FThumb.Height()}, FPositions, FBorderWidth);
    SetBounds(Left(), Top(), size.cx, size.cy);
}

TSliderMapping TVrSwitch::Mapping() const {
    return SwitchMapping({.Client = ClientRect(),
                          .Orientation = FOrientation,
                          .Style = SliderStyleOf(FStyle),
                          .Slots = FPositions,
                          .BorderWidth = FBorderWidth,
                          .ThumbIndent = FThumbIndent,
                          .Thumb = {FThumb.Width(), FThumb.Height()}});
}

// --- Painting -------------------------------------------------------------------------------

void TVrSwitch::Paint() {
    TBitmap& image = SizedImage();
    FFace.Ensure(image, [this](TBitmap& face) { PaintFace(*face.Canvas()); });
    FThumb.Draw(*image.Canvas(), ThumbRect(), Enabled(), HasOption(TVrSwitchOption::soThumbOpaque));
    TVrThumbControl::Paint();
}

void TVrSwitch::PaintFace(TCanvas& canvas) {
    PrepareImage();
    TRect work = ClientRect();
    if (FBorderWidth > 0) {
        const TColor frame = ShowsFocus() ? FFocusColor : FBorderColor;
        Frame3D(canvas, work, frame, frame, FBorderWidth);
    }
    FBevel->Paint(canvas, work);
    const TBitmap* back = BackImage();
    if (back && !back->Empty()) canvas.StretchDraw(work, *back);
}

void TVrSwitch::WndProc(TMessage& message) {
    TVrThumbControl::WndProc(message);
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
            SizeToSlots();
            FFace.Invalidate();
            RedrawControl();
            break;
        case CM_COLORCHANGED:
        case CM_ENABLEDCHANGED:
            FFace.Invalidate();
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- Input ----------------------------------------------------------------------------------

void TVrSwitch::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (TabStop() && CanFocus()) SetFocus();
        if (FThumb.Press(*this, ThumbRect(), {x, y}, Horizontal(),
                         HasOption(TVrSwitchOption::soMouseClip)))
            RedrawControl();
        else if (HasOption(TVrSwitchOption::soActiveClick))
            SetOffset(OffsetToValue(
                Mapping(), Horizontal() ? x - FThumb.Width() / 2 : y - FThumb.Height() / 2));
    }
    TVrThumbControl::MouseDown(button, shift, x, y);
}

void TVrSwitch::MouseMove(TShiftState shift, int x, int y) {
    const bool overThumb = ThumbRect().Contains({x, y});
    if (FThumb.Dragging())
        SetOffset(OffsetToValue(Mapping(), FThumb.DragLead({x, y}, Horizontal())));
    else if (FThumb.SetHot(overThumb))
        RedrawControl();
    if (!Designing())
        ShowCursorShape(overThumb && HasOption(TVrSwitchOption::soHandPoint) ? crVrHandPoint
                                                                             : Cursor());
    TVrThumbControl::MouseMove(shift, x, y);
}

void TVrSwitch::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (FThumb.Release()) RedrawControl();
    TVrThumbControl::MouseUp(button, shift, x, y);
}

void TVrSwitch::KeyDown(WPARAM& key, TShiftState shift) {
    if (NoShiftKeys(shift)) {
        int step = 0;
        if (key == VK_HOME)
            SetOffset(0);
        else if (key == VK_END)
            SetOffset(FPositions - 1);
        else if (Horizontal() && key == VK_LEFT)
            step = -1;
        else if (Horizontal() && key == VK_RIGHT)
            step = 1;
        else if (!Horizontal() && key == VK_UP)
            step = 1;
        else if (!Horizontal() && key == VK_DOWN)
            step = -1;
        if (FStyle == TVrProgressStyle::psTopRight) step = -step;
        // The offset is within 0..Positions − 1, so one step either way stays within int.
        if (step != 0) SetOffset(FOffset + step);
    }
    TVrThumbControl::KeyDown(key, shift);
}

}  // namespace mox
