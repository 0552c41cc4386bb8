#include "instruments/input/vrtrackbar.h"

#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrmapping.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 175;
constexpr int kDefaultHeight = 45;

bool NoShiftKeys(TShiftState shift) {
    return !shift.Contains(TShiftStateFlag::ssShift) && !shift.Contains(TShiftStateFlag::ssAlt) &&
           !shift.Contains(TShiftStateFlag::ssCtrl);
}

}  // namespace

const TClassInfo& TVrTrackBar::StaticClass() {
    using C = TVrTrackBar;
    using enum TAnchorKind;
    using enum TVrTrackBarOption;
    static const TClassInfo info =
        TClassBuilder<C>("TVrTrackBar", TVrThumbControl::StaticClass())
            .Creatable()
            .Integer("MaxValue", &C::MaxValue, &C::SetMaxValue, 100)
            .Integer("MinValue", &C::MinValue, &C::SetMinValue, 0)
            .Integer("Position", &C::Position, &C::SetPosition, 0)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voHorizontal)
            .Enumeration("Style", &C::Style, &C::SetStyle, TVrProgressStyle::psBottomLeft)
            .Set("Options", &C::Options, &C::SetOptions,
                 TVrTrackBarOptions{toActiveClick, toMouseClip, toHandPoint, toThumbOpaque})
            .Integer("Frequency", &C::Frequency, &C::SetFrequency, 10)
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 10)
            .Object("GutterBevel", &C::GutterBevel, &C::SetGutterBevel)
            .Integer("GutterWidth", &C::GutterWidth, &C::SetGutterWidth, 9)
            .Color("GutterColor", &C::GutterColor, &C::SetGutterColor, clBlack)
            .Enumeration("TickMarks", &C::TickMarks, &C::SetTickMarks, TVrTickMarks::tmBoth)
            .Color("TickColor", &C::TickColor, &C::SetTickColor, clBlack)
            .Integer("ThumbStates", &C::ThumbStates, &C::SetThumbStates, 1)
            .Integer("BackImageIndex", &C::BackImageIndex, &C::SetBackImageIndex, -1)
            .Integer("ThumbImageIndex", &C::ThumbImageIndex, &C::SetThumbImageIndex, -1)
            .Component("BitmapList", &C::BitmapList, &C::SetBitmapList)
            .Integer("ScaleOffset", &C::ScaleOffset, &C::SetScaleOffset, 5)
            .Color("FocusColor", &C::FocusColor, &C::SetFocusColor, clBlack)
            .Integer("FocusOffset", &C::FocusOffset, &C::SetFocusOffset, 0)
            .Event("OnChange", &C::OnChange)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Build();
    return info;
}

TVrTrackBar::TVrTrackBar(TComponent* owner)
    : TVrThumbControl(owner), FGutterBevel(std::make_unique<TVrBevel>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clWindow);
    SetParentColor(true);
    FGutterBevel->SetInnerStyle(TVrBevelStyle::bsNone);
    FGutterBevel->SetInnerSpace(0);
    FGutterBevel->SetInnerOutline(TVrBevelOutlineStyle::osNone);
    FGutterBevel->SetOuterStyle(TVrBevelStyle::bsLowered);
    FGutterBevel->SetOuterSpace(0);
    FGutterBevel->SetOuterOutline(TVrBevelOutlineStyle::osNone);
    FGutterBevel->OnChange = [this](TObject*) {
        FFace.Invalidate();
        RedrawControl();
    };
    LoadThumb();
}

TVrTrackBar::~TVrTrackBar() = default;

// --- Values ---------------------------------------------------------------------------------

void TVrTrackBar::SetPosition(int value) {
    value = std::max(value, FMinValue);
    value = std::min(value, FMaxValue);
    if (value == FPosition) return;
    FPosition = value;
    RedrawControl();
    DoChange();
}

void TVrTrackBar::SetMinValue(int value) {
    if (value == FMinValue) return;
    FMinValue = value;
    RangeChanged();
}

void TVrTrackBar::SetMaxValue(int value) {
    if (value == FMaxValue) return;
    FMaxValue = value;
    RangeChanged();
}

// The position is brought into the new range from either side: a sheet sets the minimum first,
// so moving a range up past its old maximum leaves a position that only the new maximum can
// bring back in.
void TVrTrackBar::RangeChanged() {
    FFace.Invalidate();
    const int before = FPosition;
    SetPosition(FPosition);
    if (FPosition == before) RedrawControl();
}

void TVrTrackBar::DoChange() {
    OnChange(this);
}

// --- Thumb ----------------------------------------------------------------------------------

void TVrTrackBar::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
    LoadThumb();
    RedrawControl();
}

QString TVrTrackBar::BuiltinThumb() const {
    return Horizontal() ? QStringLiteral("VRTB_HORI") : QStringLiteral("VRTB_VERT");
}

// --- Geometry -------------------------------------------------------------------------------

TSliderMapping TVrTrackBar::Mapping() const {
    return {
        SliderTrack(ClientRect(), FBorderWidth, 0, FOrientation, FThumb.Width(), FThumb.Height()),
        FOrientation,
        SliderStyleOf(FStyle),
        FMinValue,
        FMaxValue,
        FThumb.Width(),
        FThumb.Height(),
        ClientHeight(),
        ClientWidth()};
}

TRect TVrTrackBar::Gutter() const {
    return GutterRect({ClientWidth(), ClientHeight()}, FOrientation, FBorderWidth, FGutterWidth);
}

// --- Painting -------------------------------------------------------------------------------

void TVrTrackBar::Paint() {
    TBitmap& image = SizedImage();
    FFace.Ensure(image, [this](TBitmap& face) { PaintFace(*face.Canvas()); });
    FThumb.Draw(*image.Canvas(), ThumbRect(), Enabled(),
                HasOption(TVrTrackBarOption::toThumbOpaque));
    TVrThumbControl::Paint();
}

void TVrTrackBar::PaintFace(TCanvas& canvas) {
    const TBitmap* back = BackImage();
    if (back && !back->Empty())
        canvas.StretchDraw(ClientRect(), *back);
    else
        PrepareImage();
    TRect gutter = Gutter();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(FTickColor);
    for (const TTickMark& tick :
         TrackBarTicks(Mapping(), {gutter, FFrequency, FScaleOffset, FTickMarks}))
        canvas.FillRect(tick.Pixels);
    if (FGutterBevel->Visible()) {
        FGutterBevel->Paint(canvas, gutter);
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(FGutterColor);
        canvas.FillRect(gutter);
    }
    if (ShowsFocus() && FFocusOffset >= 0) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(FFocusColor);
        canvas.FrameRect(ShrunkRect(ClientRect(), FFocusOffset));
    }
}

void TVrTrackBar::WndProc(TMessage& message) {
    TVrThumbControl::WndProc(message);
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
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

void TVrTrackBar::SetFromPointer(int lead) {
    SetPosition(TrackBarPointerValue(Mapping(), lead, HasOption(TVrTrackBarOption::toFixedPoints),
                                     FFrequency));
}

void TVrTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (TabStop() && CanFocus()) SetFocus();
        if (FThumb.Press(*this, ThumbRect(), {x, y}, Horizontal(),
                         HasOption(TVrTrackBarOption::toMouseClip)))
            RedrawControl();
        else if (HasOption(TVrTrackBarOption::toActiveClick))
            SetFromPointer(Horizontal() ? x - FThumb.Width() / 2 : y - FThumb.Height() / 2);
    }
    TVrThumbControl::MouseDown(button, shift, x, y);
}

void TVrTrackBar::MouseMove(TShiftState shift, int x, int y) {
    const bool overThumb = ThumbRect().Contains({x, y});
    if (FThumb.Dragging())
        SetFromPointer(FThumb.DragLead({x, y}, Horizontal()));
    else if (FThumb.SetHot(overThumb))
        RedrawControl();
    if (!Designing())
        ShowCursorShape(overThumb && HasOption(TVrTrackBarOption::toHandPoint) ? crVrHandPoint
                                                                               : Cursor());
    TVrThumbControl::MouseMove(shift, x, y);
}

void TVrTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (FThumb.Release()) RedrawControl();
    TVrThumbControl::MouseUp(button, shift, x, y);
}

void TVrTrackBar::KeyDown(WPARAM& key, TShiftState shift) {
    if (NoShiftKeys(shift)) {
        // Wide enough for any frequency from any position.
        std::int64_t step = 0;
        if (key == VK_HOME)
            SetPosition(FMaxValue);
        else if (key == VK_END)
            SetPosition(FMinValue);
        else if (Horizontal() && key == VK_LEFT)
            step = -std::int64_t{FFrequency};
        else if (Horizontal() && key == VK_RIGHT)
            step = FFrequency;
        else if (!Horizontal() && key == VK_UP)
            step = FFrequency;
        else if (!Horizontal() && key == VK_DOWN)
            step = -std::int64_t{FFrequency};
        if (FStyle == TVrProgressStyle::psTopRight) step = -step;
        if (step != 0) SetPosition(SaturatedInt(FPosition + step));
    }
    TVrThumbControl::KeyDown(key, shift);
}

}  // namespace mox
