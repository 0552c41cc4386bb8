#include "instruments/input/vrslider.h"

#include <cstdint>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/base/vrmapping.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 36;
constexpr int kDefaultHeight = 171;

bool NoShiftKeys(TShiftState shift) {
    return !shift.Contains(TShiftStateFlag::ssShift) && !shift.Contains(TShiftStateFlag::ssAlt) &&
           !shift.Contains(TShiftStateFlag::ssCtrl);
}

}  // namespace

const TClassInfo& TVrSlider::StaticClass() {
    using C = TVrSlider;
    using enum TAnchorKind;
    using enum TVrSliderOption;
    static const TClassInfo info =
        TClassBuilder<C>("TVrSlider", TVrCustomImageControl::StaticClass())
            .Creatable()
            .Integer("MaxValue", &C::MaxValue, &C::SetMaxValue, 100)
            .Integer("MinValue", &C::MinValue, &C::SetMinValue, 0)
            .Integer("Position", &C::Position, &C::SetPosition, 0)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 1)
            .Integer("TickWidth", &C::TickWidth, &C::SetTickWidth, 1)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voVertical)
            .Boolean("SolidFill", &C::SolidFill, &C::SetSolidFill, true)
            .Enumeration("Style", &C::Style, &C::SetStyle, TVrSliderStyle::ssBottomLeft)
            .Integer("ThumbStates", &C::ThumbStates, &C::SetThumbStates, 1)
            .Set("Options", &C::Options, &C::SetOptions,
                 TVrSliderOptions{soHandPoint, soThumbOpaque})
            .Integer("KeyIncrement", &C::KeyIncrement, &C::SetKeyIncrement, 5)
            .Color("BorderColor", &C::BorderColor, &C::SetBorderColor, clBtnFace)
            .Integer("BorderWidth", &C::BorderWidth, &C::SetBorderWidth, 1)
            .Color("FocusColor", &C::FocusColor, &C::SetFocusColor, clBlue)
            .Object("Bevel", &C::Bevel, &C::SetBevel)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Integer("ThumbImageIndex", &C::ThumbImageIndex, &C::SetThumbImageIndex, -1)
            .Integer("ThumbIndent", &C::ThumbIndent, &C::SetThumbIndent, 2)
            .Component("BitmapList", &C::BitmapList, &C::SetBitmapList)
            .Event("OnChange", &C::OnChange)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Color("Color", &C::Color, &C::SetColor, clBlack)
            .Stored(&C::IsColorStored)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, false)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Build();
    return info;
}

TVrSlider::TVrSlider(TComponent* owner)
    : TVrCustomImageControl(owner),
      FBevel(std::make_unique<TVrBevel>()),
      FPalette(std::make_unique<TVrPalette>()),
      FUnlit(std::make_unique<TBitmap>()),
      FLit(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBlack);
    SetParentColor(false);
    FBevel->SetInnerStyle(TVrBevelStyle::bsLowered);
    FBevel->SetInnerWidth(2);
    FBevel->SetInnerColor(clBlack);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    const auto rebuild = [this](TObject*) {
        InvalidateTicks();
        RedrawControl();
    };
    FBevel->OnChange = rebuild;
    FPalette->OnChange = rebuild;
    FBitmapLink.OnChange = [this](TObject*) {
        LoadThumb();
        RedrawControl();
    };
    LoadThumb();
}

TVrSlider::~TVrSlider() = default;

// --- Values ---------------------------------------------------------------------------------

void TVrSlider::SetPosition(int value) {
    value = std::max(value, FMinValue);
    value = std::min(value, FMaxValue);
    if (value == FPosition) return;
    FPosition = value;
    RedrawControl();
    DoChange();
}

void TVrSlider::SetMinValue(int value) {
    if (value == FMinValue) return;
    FMinValue = value;
    FFace.Invalidate();
    if (FPosition < value)
        SetPosition(value);
    else
        RedrawControl();
}

void TVrSlider::SetMaxValue(int value) {
    if (value == FMaxValue) return;
    FMaxValue = value;
    FFace.Invalidate();
    if (FPosition > value)
        SetPosition(value);
    else
        RedrawControl();
}

void TVrSlider::DoChange() {
    OnChange(this);
}

// --- Look -----------------------------------------------------------------------------------

void TVrSlider::SetSpacing(int value) {
    if (value >= 0) SetRebuilt(FSpacing, value);
}

void TVrSlider::SetTickWidth(int value) {
    if (value >= 1) SetRebuilt(FTickWidth, value);
}

void TVrSlider::SetBorderWidth(int value) {
    if (value >= 0) SetRebuilt(FBorderWidth, value);
}

void TVrSlider::SetSolidFill(bool value) {
    SetRebuilt(FSolidFill, value);
}

void TVrSlider::SetStyle(TVrSliderStyle value) {
    SetRebuilt(FStyle, value);
}

void TVrSlider::SetThumbIndent(int value) {
    if (value >= 0) SetLook(FThumbIndent, value);
}

void TVrSlider::SetOptions(TVrSliderOptions value) {
    SetLook(FOptions, value);
}

void TVrSlider::SetBorderColor(TColor value) {
    SetLook(FBorderColor, value);
}

void TVrSlider::SetFocusColor(TColor value) {
    SetLook(FFocusColor, value);
}

void TVrSlider::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    if (!Loading()) {
        const bool square = Width() == Height();
        SetBounds(Left(), Top(), Height(), Width());
        if (square) InvalidateTicks();
        LoadThumb();
    }
    RedrawControl();
}

void TVrSlider::SetThumbImageIndex(int value) {
    if (value == FThumbImageIndex) return;
    FThumbImageIndex = value;
    if (!Loading()) LoadThumb();
    RedrawControl();
}

void TVrSlider::SetThumbStates(int value) {
    value = std::clamp(value, 1, kMaxThumbStates);
    if (value == FThumbStates) return;
    FThumbStates = value;
    if (!Loading()) LoadThumb();
    RedrawControl();
}

void TVrSlider::SetBitmapList(TVrBitmapList* value) {
    if (!ReplaceSharedComponent(*this, FBitmapList, value, FBitmapLink)) return;
    if (!Loading()) {
        LoadThumb();
        RedrawControl();
    }
}

void TVrSlider::Notification(TComponent* component, TOperation operation) {
    TVrCustomImageControl::Notification(component, operation);
    // The list is going: its links were let go already, so only forget it.
    if (operation == TOperation::opRemove && component == FBitmapList) {
        FBitmapList = nullptr;
        LoadThumb();
        RedrawControl();
    }
}

void TVrSlider::Loaded() {
    TVrCustomImageControl::Loaded();
    LoadThumb();
    InvalidateTicks();
}

// --- Geometry -------------------------------------------------------------------------------

TSliderMapping TVrSlider::Mapping() const {
    return {SliderTrack(ClientRect(), FBorderWidth, FThumbIndent, FOrientation, ThumbWidth(),
                        ThumbHeight()),
            FOrientation,
            FStyle,
            FMinValue,
            FMaxValue,
            ThumbWidth(),
            ThumbHeight(),
            ClientHeight(),
            ClientWidth()};
}

void TVrSlider::LoadThumb() {
    FFace.Invalidate();
    FThumb.Load(FBitmapList, FThumbImageIndex,
                FOrientation == TVrOrientation::voVertical ? QStringLiteral("VRSLIDERTHUMB_HORI")
                                                           : QStringLiteral("VRSLIDERTHUMB_VERT"),
                FThumbStates);
}

// --- Painting -------------------------------------------------------------------------------

// Made when painting, not when a setting or the size changes: a slider that is never shown
// holds no tick pictures, and a burst of changes builds them once.
void TVrSlider::BuildTickImages() {
    FTicksStale = false;
    TRect area = ShrunkRect(ClientRect(), FBorderWidth);
    FBevel->GetVisibleArea(area);
    for (TBitmap* image : {FUnlit.get(), FLit.get()})
        image->SetSize(std::max(area.Width(), 0), std::max(area.Height(), 0));
    DrawTicks(*FUnlit, FPalette->Low());
    DrawTicks(*FLit, FPalette->High());
}

void TVrSlider::DrawTicks(TBitmap& image, TColor color) const {
    if (image.Empty()) return;
    TCanvas& canvas = *image.Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(BitmapRect(image));
    // A checkered tick takes the tick colour where row and column agree in parity counted from
    // its own corner; the brush tiles from the image's corner, so a tick whose corner is odd
    // takes the pattern with the colours exchanged.
    std::unique_ptr<TBitmap> even, odd;
    if (FSolidFill) {
        canvas.Brush()->SetColor(color);
    } else {
        even = CheckerBitmap(color, Color());
        odd = CheckerBitmap(Color(), color);
    }
    const TSize size{image.Width(), image.Height()};
    for (const TSliderTick& tick : SliderTicks(size, FOrientation, FStyle, FTickWidth, FSpacing)) {
        if (!FSolidFill) canvas.Brush()->SetBitmap(tick.OddCorner ? odd.get() : even.get());
        canvas.FillRect(tick.Band);
    }
    canvas.Brush()->SetBitmap(nullptr);
}

void TVrSlider::Paint() {
    TBitmap& image = SizedImage();
    FFace.Ensure(image, [this](TBitmap& face) { PaintFace(*face.Canvas()); });
    const TRect thumb = ThumbRect();
    PaintLit(image, thumb);
    FThumb.Draw(*image.Canvas(), thumb, Enabled(),
                FOptions.Contains(TVrSliderOption::soThumbOpaque));
    TVrCustomImageControl::Paint();
}

void TVrSlider::PaintFace(TCanvas& canvas) {
    PrepareImage();
    TRect work = ClientRect();
    if (FBorderWidth > 0) {
        const TColor frame = FFocused ? FFocusColor : FBorderColor;
        Frame3D(canvas, work, frame, frame, FBorderWidth);
    }
    FBevel->Paint(canvas, work);
    if (FTicksStale) BuildTickImages();
    canvas.CopyRect(work, *FUnlit->Canvas(), BitmapRect(*FUnlit));
    FTickArea = work;
}

void TVrSlider::PaintLit(TBitmap& image, const TRect& thumb) {
    const TRect work = FTickArea;
    TRect dest = work;
    TRect src = BitmapRect(*FLit);
    const bool vertical = FOrientation == TVrOrientation::voVertical;
    if (!vertical && FStyle == TVrSliderStyle::ssBottomLeft) {
        dest.Right = thumb.Left + ThumbWidth() / 2;
        src.Right = dest.Width();
    } else if (!vertical) {
        dest.Left = thumb.Right - ThumbWidth() / 2;
        src.Left = dest.Left - work.Left;
    } else if (FStyle == TVrSliderStyle::ssTopRight) {
        dest.Bottom = thumb.Bottom - ThumbHeight() / 2;
        src.Bottom = dest.Height();
    } else {
        dest.Top = thumb.Top + ThumbHeight() / 2;
        src.Top = dest.Top - work.Top;
    }
    if (dest.Width() <= 0 || dest.Height() <= 0) return;
    TCanvas& canvas = *image.Canvas();
    // A copy of the same size is a plain one, done without the canvas when it lies wholly within
    // both images.
    const bool plain = canvas.CopyMode() == cmSrcCopy && dest.Width() == src.Width() &&
                       dest.Height() == src.Height();
    if (!plain || !CopyPixels(image, {dest.Left, dest.Top}, *FLit, src))
        canvas.CopyRect(dest, *FLit->Canvas(), src);
}

void TVrSlider::WndProc(TMessage& message) {
    TVrCustomImageControl::WndProc(message);
    switch (message.Msg) {
        case WM_WINDOWPOSCHANGED:
            InvalidateTicks();
            RedrawControl();
            break;
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            InvalidateTicks();
            RedrawControl();
            break;
        case CM_ENABLEDCHANGED:
            FFace.Invalidate();
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- Input ----------------------------------------------------------------------------------

void TVrSlider::DoEnter() {
    TVrCustomImageControl::DoEnter();
    if (!FFocused) {
        FFocused = true;
        FFace.Invalidate();
        RedrawControl();
    }
}

void TVrSlider::DoExit() {
    TVrCustomImageControl::DoExit();
    if (FFocused) {
        FFocused = false;
        FFace.Invalidate();
        RedrawControl();
    }
}

void TVrSlider::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        if (TabStop() && CanFocus()) SetFocus();
        const bool horizontal = FOrientation == TVrOrientation::voHorizontal;
        if (FThumb.Press(*this, ThumbRect(), {x, y}, horizontal,
                         FOptions.Contains(TVrSliderOption::soMouseClip))) {
            RedrawControl();
        } else if (FOptions.Contains(TVrSliderOption::soActiveClick)) {
            SetPosition(OffsetToValue(Mapping(),
                                      horizontal ? x - ThumbWidth() / 2 : y - ThumbHeight() / 2));
        }
    }
    TVrCustomImageControl::MouseDown(button, shift, x, y);
}

void TVrSlider::MouseMove(TShiftState shift, int x, int y) {
    if (FThumb.Dragging()) {
        const bool horizontal = FOrientation == TVrOrientation::voHorizontal;
        SetPosition(OffsetToValue(Mapping(), FThumb.DragLead({x, y}, horizontal)));
    } else if (FThumb.SetHot(ThumbRect().Contains({x, y}))) {
        RedrawControl();
    }
    ShowThumbCursor(ThumbRect().Contains({x, y}));
    TVrCustomImageControl::MouseMove(shift, x, y);
}

void TVrSlider::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (FThumb.Release()) RedrawControl();
    TVrCustomImageControl::MouseUp(button, shift, x, y);
}

void TVrSlider::ShowThumbCursor(bool overThumb) {
    if (Designing()) return;
    if (overThumb && FOptions.Contains(TVrSliderOption::soHandPoint))
        ShowCursorShape(crVrHandPoint);
    else
        ShowCursorShape(Cursor());
}

void TVrSlider::KeyDown(WPARAM& key, TShiftState shift) {
    if (NoShiftKeys(shift)) {
        // Wide enough for any increment from any position.
        std::int64_t step = 0;
        const bool horizontal = FOrientation == TVrOrientation::voHorizontal;
        if (key == VK_HOME) {
            SetPosition(FMinValue);
        } else if (key == VK_END) {
            SetPosition(FMaxValue);
        } else if (horizontal && key == VK_LEFT) {
            step = -std::int64_t{FKeyIncrement};
        } else if (horizontal && key == VK_RIGHT) {
            step = FKeyIncrement;
        } else if (!horizontal && key == VK_UP) {
            step = FKeyIncrement;
        } else if (!horizontal && key == VK_DOWN) {
            step = -std::int64_t{FKeyIncrement};
        }
        if (step != 0) {
            if (FStyle == TVrSliderStyle::ssTopRight) step = -step;
            SetPosition(SaturatedInt(FPosition + step));
        }
    }
    TVrCustomImageControl::KeyDown(key, shift);
}

}  // namespace mox
