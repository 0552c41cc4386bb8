#include "instruments/output/vrangularmeter.h"

#include <algorithm>
#include <cmath>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrrange.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 310;
constexpr int kDefaultHeight = 250;
constexpr int kMaxDegrees = 360;
constexpr int kMaxPercent = 100;
// The ring's inner edge lies this far inside the tick ring.
constexpr int kRingInset = 2;

}  // namespace

const TClassInfo& TVrAngularMeter::StaticClass() {
    using C = TVrAngularMeter;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrAngularMeter", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Float("MaxValue", &C::MaxValue, &C::SetMaxValue, TFloatType::Double)
            .WrittenWhenEmpty()
            .Float("MinValue", &C::MinValue, &C::SetMinValue, TFloatType::Double)
            .WrittenWhenEmpty()
            .Float("Position", &C::Position, &C::SetPosition, TFloatType::Double)
            .WrittenWhenEmpty()
            .Integer("Decimals", &C::Decimals, &C::SetDecimals, 2)
            .Integer("Angle", &C::Angle, &C::SetAngle, 40)
            .Integer("AngleOffset", &C::AngleOffset, &C::SetAngleOffset, 280)
            .Integer("Radius", &C::Radius, &C::SetRadius, -1)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 45)
            .Integer("Ticks", &C::Ticks, &C::SetTicks, 100)
            .Integer("TicksMin", &C::TicksMin, &C::SetTicksMin, 5)
            .Integer("TicksMax", &C::TicksMax, &C::SetTicksMax, 14)
            .Integer("TicksEnlarge", &C::TicksEnlarge, &C::SetTicksEnlarge, 10)
            .Color("TicksColor", &C::TicksColor, &C::SetTicksColor, clWhite)
            .Color("ColorZone1", &C::ColorZone1, &C::SetColorZone1, clGreen)
            .Color("ColorZone2", &C::ColorZone2, &C::SetColorZone2, clBlue)
            .Color("ColorZone3", &C::ColorZone3, &C::SetColorZone3, clRed)
            .Integer("Percent1", &C::Percent1, &C::SetPercent1, 60)
            .Integer("Percent2", &C::Percent2, &C::SetPercent2, 25)
            .Integer("Labels", &C::Labels, &C::SetLabels, 10)
            .Integer("LabelsOffset", &C::LabelsOffset, &C::SetLabelsOffset, 30)
            .Integer("NeedleLength", &C::NeedleLength, &C::SetNeedleLength, -1)
            .Integer("NeedleBaseWidth", &C::NeedleBaseWidth, &C::SetNeedleBaseWidth, 8)
            .Color("NeedleColor", &C::NeedleColor, &C::SetNeedleColor, clRed)
            .Color("CenterDotColor", &C::CenterDotColor, &C::SetCenterDotColor, clWhite)
            .Integer("CenterDotWidth", &C::CenterDotWidth, &C::SetCenterDotWidth, 2)
            .Object("LabelsFont", &C::LabelsFont, &C::SetLabelsFont)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Event("OnChange", &C::OnChange)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clBlack)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .String("Hint", &C::Hint, &C::SetHint)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TVrAngularMeter::TVrAngularMeter(TComponent* owner)
    : TVrGraphicImageControl(owner), FLabelsFont(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    TControlStyle style = ControlStyle();
    // The caption is the dial's own text, never the control's name.
    style.Exclude(TControlStyleFlag::csSetCaption);
    style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    SetColor(clBlack);
    SetParentColor(false);
    Font()->SetColor(clWhite);
    FLabelsFont->SetColor(clWhite);
    FLabelsFont->OnChange = [this](TObject*) { LookChanged(); };
    if (Designing()) SetCaption(QStringLiteral("|VrAngularMeter|1000 X"));
}

TVrAngularMeter::~TVrAngularMeter() = default;

void TVrAngularMeter::SetMaxValue(double value) {
    if (StoreRangeMax(value, FMaxValue, FMinValue, FPosition, Loading())) LookChanged();
}

void TVrAngularMeter::SetMinValue(double value) {
    if (StoreRangeMin(value, FMinValue, FMaxValue, FPosition, Loading())) LookChanged();
}

void TVrAngularMeter::SetPosition(double value) {
    // Not a number is no position: the needle stays at the start.
    if (std::isnan(value)) value = FMinValue;
    if (value < FMinValue) value = FMinValue;
    if (value > FMaxValue) value = FMaxValue;
    if (value == FPosition) return;
    FPosition = value;
    RedrawControl();
    DoChange();
}

void TVrAngularMeter::SetDecimals(int value) {
    SetLook(FDecimals, std::max(value, 0));
}

void TVrAngularMeter::SetAngleOffset(int value) {
    SetLook(FAngleOffset, std::clamp(value, 0, kMaxDegrees));
}

void TVrAngularMeter::SetTicks(int value) {
    SetLook(FTicks, std::max(value, 0));
}

void TVrAngularMeter::SetTicksEnlarge(int value) {
    SetLook(FTicksEnlarge, std::max(value, 0));
}

void TVrAngularMeter::SetPercent1(int value) {
    value = std::clamp(value, 0, kMaxPercent);
    if (value == FPercent1) return;
    if (!Loading() && value + FPercent2 > kMaxPercent) value = kMaxPercent - FPercent2;
    FPercent1 = value;
    LookChanged();
}

void TVrAngularMeter::SetPercent2(int value) {
    value = std::clamp(value, 0, kMaxPercent);
    if (value == FPercent2) return;
    if (!Loading() && value + FPercent1 > kMaxPercent) value = kMaxPercent - FPercent1;
    FPercent2 = value;
    LookChanged();
}

void TVrAngularMeter::DoChange() {
    OnChange(this);
}

TAngularLayout TVrAngularMeter::Layout() const {
    return AngularLayout(Width(), Height(), FRadius, FSpacing, FAngle, FAngleOffset);
}

void TVrAngularMeter::LookChanged() {
    FDialValid = false;
    FFace.Invalidate();
    RedrawControl();
}

void TVrAngularMeter::BackdropChanged() {
    FFace.Invalidate();
}

void TVrAngularMeter::Loaded() {
    TVrGraphicImageControl::Loaded();
    LookChanged();
}

void TVrAngularMeter::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    switch (message.Msg) {
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            LookChanged();
            break;
        default:
            break;
    }
}

// --- Painting -------------------------------------------------------------------------------

void TVrAngularMeter::Paint() {
    const TAngularLayout layout = Layout();
    TBitmap& image = SizedImage();
    if (!FDialValid || FDial.Width() != image.Width() || FDial.Height() != image.Height()) {
        DrawDial(layout);
        FFace.Invalidate();
    }
    // A new position puts the dial back only where the needle was.
    if (!FFace.Restore(image)) FFace.Ensure(image, [this](TBitmap& face) { DrawFace(face); });
    FFace.Drawn(image, DrawNeedle(*image.Canvas(), layout));
    TVrGraphicImageControl::Paint();
}

void TVrAngularMeter::DrawFace(TBitmap& face) {
    if (!Transparent()) {
        CopyPixels(face, {0, 0}, FDial, BitmapRect(FDial));
        return;
    }
    // The parent's pixels show wherever the dial kept the control's colour.
    PrepareImage();
    TCanvas& canvas = *face.Canvas();
    canvas.Brush()->SetColor(Color());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.BrushCopy(BitmapRect(face), FDial, BitmapRect(FDial), Color());
}

void TVrAngularMeter::DrawDial(const TAngularLayout& layout) {
    FDialValid = true;
    FDial.SetSize(Width(), Height());
    TCanvas& canvas = *FDial.Canvas();
    canvas.Pen()->SetMode(TPenMode::pmCopy);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(BitmapRect(FDial));
    DrawZones(canvas, layout);
    if (FTicks != 0) DrawTicks(canvas, layout);
    if (FLabels > 0) DrawLabels(canvas, layout);
    DrawCaption(canvas, layout);
}

void TVrAngularMeter::DrawZones(TCanvas& canvas, const TAngularLayout& layout) {
    const TRect box = ZoneBox(layout, FTicksMax);
    // The radial points lie beyond the ring, so the slices' edges cross it whole.
    const double reach = 2.0 * (static_cast<double>(layout.InnerRadius) + FTicksMax) - FTicksMax;
    for (const TZoneSlice& slice :
         ZoneSlices(layout, FPercent1, FPercent2, FColorZone1, FColorZone2, FColorZone3)) {
        canvas.Pen()->SetColor(slice.Color);
        canvas.Brush()->SetColor(slice.Color);
        // The canvas's pie runs counter-clockwise from its first radial point to its second.
        const TPoint to = DialPointLimited(layout.Centre, slice.To, reach);
        const TPoint from = DialPointLimited(layout.Centre, slice.From, reach);
        canvas.Pie(box.Left, box.Top, box.Right, box.Bottom, to.X, to.Y, from.X, from.Y);
    }
    const TRect inner = ZoneBox(layout, -kRingInset);
    canvas.Pen()->SetColor(Color());
    canvas.Brush()->SetColor(Color());
    canvas.Ellipse(inner);
}

void TVrAngularMeter::DrawTicks(TCanvas& canvas, const TAngularLayout& layout) {
    canvas.Pen()->SetColor(FTicksColor);
    for (const TAngularTick& tick :
         AngularTicks(layout, FTicks, FTicksMin, FTicksMax, FTicksEnlarge)) {
        canvas.MoveTo(tick.Inner.X, tick.Inner.Y);
        canvas.LineTo(tick.Outer.X, tick.Outer.Y);
    }
}

void TVrAngularMeter::DrawLabels(TCanvas& canvas, const TAngularLayout& layout) {
    canvas.SetFont(FLabelsFont.get());
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    for (const TAngularLabel& label :
         AngularLabels(layout, FLabels, FLabelsOffset, FMinValue, FMaxValue, FDecimals))
        canvas.TextOut(label.Centre.X - canvas.TextWidth(label.Text) / 2,
                       label.Centre.Y - canvas.TextHeight(label.Text) / 2, label.Text);
}

void TVrAngularMeter::DrawCaption(TCanvas& canvas, const TAngularLayout& layout) {
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const auto centreX = static_cast<int>(layout.Centre.X);
    std::int64_t y = std::int64_t{Height() / 2} + FNeedleBaseWidth;
    for (const QString& line : CaptionLines(Caption())) {
        // Lines below the picture draw nothing; an empty line is as high as a full one.
        if (y > Height()) break;
        if (!line.isEmpty())
            canvas.TextOut(centreX - canvas.TextWidth(line) / 2, SaturatedInt(y), line);
        y += canvas.TextHeight(line.isEmpty() ? QStringLiteral("gW") : line);
    }
}

TRect TVrAngularMeter::DrawNeedle(TCanvas& canvas, const TAngularLayout& layout) {
    canvas.Pen()->SetMode(TPenMode::pmCopy);
    canvas.Pen()->SetStyle(TPenStyle::psSolid);
    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Pen()->SetColor(FNeedleColor);
    canvas.Brush()->SetColor(FNeedleColor);
    const TNeedle needle =
        NeedleTriangle(layout, NeedleAngle(layout, FPosition, FMinValue, FMaxValue), FNeedleLength,
                       FNeedleBaseWidth);
    const TPoint triangle[] = {needle.Tip, needle.Corner1, needle.Corner2};
    canvas.Polygon(triangle);
    canvas.Ellipse(CircleBox(layout, FNeedleBaseWidth));
    canvas.Pen()->SetColor(FCenterDotColor);
    canvas.Brush()->SetColor(FCenterDotColor);
    const TRect dot = CircleBox(layout, FCenterDotWidth);
    canvas.Ellipse(dot);
    return NeedleArea(needle, CircleBox(layout, FNeedleBaseWidth), dot);
}

}  // namespace mox
