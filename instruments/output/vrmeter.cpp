#include "instruments/output/vrmeter.h"

#include <cstdint>
#include <utility>

#include "instruments/base/vrrange.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 240;
constexpr int kDefaultHeight = 105;
// The caption's bottom stands this far above the inside of the frame.
constexpr int kCaptionLift = 10;

}  // namespace

// --- TVrMeterScale --------------------------------------------------------------------------

const TClassInfo& TVrMeterScale::StaticClass() {
    using C = TVrMeterScale;
    static const TClassInfo info = TClassBuilder<C>("TVrMeterScale", TVrPersistent::StaticClass())
                                       .Color("Color1", &C::Color1, &C::SetColor1, clGreen)
                                       .Color("Color2", &C::Color2, &C::SetColor2, clYellow)
                                       .Color("Color3", &C::Color3, &C::SetColor3, clRed)
                                       .Integer("Enlarge", &C::Enlarge, &C::SetEnlarge, 5)
                                       .Integer("Percent1", &C::Percent1, &C::SetPercent1, 61)
                                       .Integer("Percent2", &C::Percent2, &C::SetPercent2, 25)
                                       .Integer("Ticks", &C::Ticks, &C::SetTicks, 60)
                                       .Integer("HeightMax", &C::HeightMax, &C::SetHeightMax, 8)
                                       .Integer("HeightMin", &C::HeightMin, &C::SetHeightMin, 5)
                                       .Boolean("Visible", &C::Visible, &C::SetVisible, true)
                                       .Build();
    return info;
}

void TVrMeterScale::SetPercent1(int value) {
    if (value == FSettings.Percent1) return;
    if (!FMeter.Loading() && value + FSettings.Percent2 > 100) value = 100 - FSettings.Percent2;
    FSettings.Percent1 = value;
    Changed();
}

void TVrMeterScale::SetPercent2(int value) {
    if (value == FSettings.Percent2 || value + FSettings.Percent1 > 100) return;
    FSettings.Percent2 = value;
    Changed();
}

void TVrMeterScale::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TVrMeterScale*>(source);
    if (!other) {
        TVrPersistent::Assign(source);
        return;
    }
    TVrUpdateBracket bracket(*this);
    FSettings = other->FSettings;
    FVisible = other->FVisible;
    Changed();
}

// --- TVrMeter -------------------------------------------------------------------------------

const TClassInfo& TVrMeter::StaticClass() {
    using C = TVrMeter;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrMeter", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Integer("MaxValue", &C::MaxValue, &C::SetMaxValue, 100)
            .Integer("MinValue", &C::MinValue, &C::SetMinValue, 0)
            .Integer("Position", &C::Position, &C::SetPosition, 0)
            .Integer("Angle", &C::Angle, &C::SetAngle, 40)
            .Object("Scale", &C::Scale)
            .Color("NeedleColor", &C::NeedleColor, &C::SetNeedleColor, clSilver)
            .Integer("NeedleWidth", &C::NeedleWidth, &C::SetNeedleWidth, 1)
            .Object("Bevel", &C::Bevel, &C::SetBevel)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 20)
            .Integer("Labels", &C::Labels, &C::SetLabels, 10)
            .Integer("LabelOffsetX", &C::LabelOffsetX, &C::SetLabelOffsetX, 15)
            .Integer("LabelOffsetY", &C::LabelOffsetY, &C::SetLabelOffsetY, 10)
            .Object("BackImage", &C::BackImage, &C::SetBackImage)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Event("OnChange", &C::OnChange)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
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

TVrMeter::TVrMeter(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FScale(std::make_unique<TVrMeterScale>(*this)),
      FBevel(std::make_unique<TVrBevel>()),
      FBackImage(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBlack);
    SetParentColor(false);
    TFont* font = Font();
    font->SetName(QStringLiteral("Arial"));
    font->SetSize(8);
    font->SetColor(clSilver);
    SetParentFont(false);
    FBevel->SetInnerStyle(TVrBevelStyle::bsLowered);
    FBevel->SetInnerWidth(2);
    FBevel->SetInnerColor(clBlack);
    const auto changed = [this](TObject*) { LookChanged(); };
    FScale->OnChange = changed;
    FBevel->OnChange = changed;
    FBackImage->OnChange = changed;
}

TVrMeter::~TVrMeter() = default;

void TVrMeter::SetMaxValue(int value) {
    if (StoreRangeMax(value, FMaxValue, FMinValue, FPosition, Loading())) LookChanged();
}

void TVrMeter::SetMinValue(int value) {
    if (StoreRangeMin(value, FMinValue, FMaxValue, FPosition, Loading())) LookChanged();
}

void TVrMeter::SetPosition(int value) {
    value = std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
    if (value == FPosition) return;
    FPosition = value;
    RedrawControl();
    DoChange();
}

void TVrMeter::DoChange() {
    OnChange(this);
}

TMeterLayout TVrMeter::Layout() const {
    return MeterLayout(Width(), Height(), FSpacing, FAngle, FScale->Ticks());
}

void TVrMeter::LookChanged() {
    FFace.Invalidate();
    RedrawControl();
}

void TVrMeter::BackdropChanged() {
    FFace.Invalidate();
}

void TVrMeter::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) LookChanged();
}

void TVrMeter::Paint() {
    const TMeterLayout layout = Layout();
    TBitmap& image = SizedImage();
    const qint64 backImageKey = std::as_const(*FBackImage).Image().cacheKey();
    if (backImageKey != FBackImageKey) {
        FFace.Invalidate();
        FBackImageKey = backImageKey;
    }
    const bool faceMade = FFace.Ensure(image, [&](TBitmap& face) {
        PaintFace(*face.Canvas(), layout);
        FFaceOverRecorded = false;
    });
    PaintNeedle(*image.Canvas(), layout);
    if (faceMade) {
        // A full paint draws the caption and frame itself; what they do to the pixels is recorded
        // only when a value change needs it, so a change of looks pays for one drawing of them.
        PaintFaceOver(*image.Canvas(), layout);
    } else {
        if (!FFaceOverRecorded)
            FFaceOver.Record(image.Width(), image.Height(),
                             [&](TCanvas& canvas) { PaintFaceOver(canvas, layout); });
        FFaceOverRecorded = true;
        FFaceOver.Apply(image);
    }
    TVrGraphicImageControl::Paint();
}

void TVrMeter::PaintFace(TCanvas& canvas, const TMeterLayout& layout) {
    PrepareImage();
    if (!FBackImage->Empty()) canvas.StretchDraw({0, 0, Width(), Height()}, *FBackImage);
    if (FScale->Visible()) PaintTicks(canvas, layout);
    if (FLabels > 0) PaintLabels(canvas, layout);
}

void TVrMeter::PaintFaceOver(TCanvas& canvas, const TMeterLayout& layout) {
    PaintCaption(canvas, layout);
    TRect frame{0, 0, Width(), Height()};
    FBevel->Paint(canvas, frame);
}

void TVrMeter::PaintTicks(TCanvas& canvas, const TMeterLayout& layout) {
    canvas.Pen()->SetMode(TPenMode::pmCopy);
    canvas.Pen()->SetWidth(1);
    for (const TMeterTick& tick : MeterTicks(layout, FScale->Settings())) {
        canvas.Pen()->SetColor(tick.Color);
        canvas.MoveTo(tick.Inner.X, tick.Inner.Y);
        canvas.LineTo(tick.Outer.X, tick.Outer.Y);
    }
}

void TVrMeter::PaintLabels(TCanvas& canvas, const TMeterLayout& layout) {
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const TMeterScaleSettings& scale = FScale->Settings();
    const std::int64_t reach = std::int64_t{scale.HeightMax} + layout.Radius - scale.HeightMin;
    const auto radius = [reach](int offset) { return static_cast<double>(reach + offset); };
    // A line of text is as high as its font, whatever it says.
    const int height = canvas.TextHeight(QString());
    for (const TMeterLabel& label :
         MeterLabels(layout, scale.Ticks, FLabels, FMinValue, FMaxValue)) {
        const TPoint x = PointAt(layout.Pivot, label.Angle, radius(FLabelOffsetX));
        const TPoint y = PointAt(layout.Pivot, label.Angle, radius(FLabelOffsetY));
        canvas.TextOut(x.X - canvas.TextWidth(label.Text) / 2, y.Y - height / 2, label.Text);
    }
}

void TVrMeter::PaintNeedle(TCanvas& canvas, const TMeterLayout& layout) {
    canvas.Pen()->SetMode(TPenMode::pmCopy);
    canvas.Pen()->SetColor(FNeedleColor);
    canvas.Pen()->SetWidth(FNeedleWidth);
    const double angle = ValueToAngle(FPosition, FMinValue, FMaxValue, FScale->Ticks(),
                                      layout.StartAngle, layout.Step);
    const auto needle =
        SegmentWithinCoords(layout.Pivot, DialPoint(layout.Pivot, angle, layout.Radius));
    if (!needle) return;
    canvas.MoveTo(needle->first.X, needle->first.Y);
    canvas.LineTo(needle->second.X, needle->second.Y);
}

void TVrMeter::PaintCaption(TCanvas& canvas, const TMeterLayout& layout) {
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect area{0, 0, Width(), Height()};
    FBevel->GetVisibleArea(area);
    const QString caption = Caption();
    canvas.TextOut(static_cast<int>(layout.Pivot.X) - canvas.TextWidth(caption) / 2,
                   area.Bottom - canvas.TextHeight(caption) - kCaptionLift, caption);
}

}  // namespace mox
