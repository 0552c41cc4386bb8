#include "instruments/output/vrpowermeter.h"

#include <QLocale>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrexceptions.h"
#include "instruments/base/vrresources.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 100;
constexpr int kDefaultHeight = 200;
const QString kMarkerResource = QStringLiteral("MARKERIMG");

// A rack file holds floating values in extended precision; one beyond the range of double would
// make an undefined conversion, so it stops at the largest double.
double FromStream(long double value) {
    if (std::isnan(value)) return static_cast<double>(value);
    return static_cast<double>(std::clamp<long double>(value, -DBL_MAX, DBL_MAX));
}

}  // namespace

const TClassInfo& TVrPowerMeter::StaticClass() {
    using C = TVrPowerMeter;
    using enum TAnchorKind;
    // Floating properties go through the stream in extended precision.
    const auto floating = [](double (C::*get)() const, void (C::*set)(double)) {
        return std::pair{[get](const C& c) -> long double { return (c.*get)(); },
                         [set](C& c, long double v) { (c.*set)(FromStream(v)); }};
    };
    const auto [maxGet, maxSet] = floating(&C::MaxValue, &C::SetMaxValue);
    const auto [minGet, minSet] = floating(&C::MinValue, &C::SetMinValue);
    const auto [valueGet, valueSet] = floating(&C::Value, &C::SetValue);
    const auto [incrementGet, incrementSet] = floating(&C::Increment, &C::SetIncrement);
    static const TClassInfo info =
        TClassBuilder<C>("TVrPowerMeter", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Color("FillColor", &C::FillColor, &C::SetFillColor, clRed)
            .Color("BarColor", &C::BarColor, &C::SetBarColor, clBtnFace)
            .Color("ColorShadow", &C::ColorShadow, &C::SetColorShadow, clBtnShadow)
            .Color("ColorHighlight", &C::ColorHighlight, &C::SetColorHighlight, clBtnHighlight)
            .String("UnitsText", &C::UnitsText, &C::SetUnitsText)
            .WrittenWhenEmpty()  // a new meter shows "%s dB": no units must stay none
            .Float("MaxValue", maxGet, maxSet)
            .WrittenWhenEmpty()  // a new meter starts at 100 and 60
            .Float("MinValue", minGet, minSet)
            .Float("Value", valueGet, valueSet)
            .WrittenWhenEmpty()
            .Integer("Decimals", &C::Decimals, &C::SetDecimals, 0)
            .Float("Increment", incrementGet, incrementSet)
            .Boolean("ScaleVisible", &C::ScaleVisible, &C::SetScaleVisible, true)
            .Integer("TopOffset", &C::TopOffset, &C::SetTopOffset, 15)
            .Integer("BottomOffset", &C::BottomOffset, &C::SetBottomOffset, 10)
            .Integer("BarWidth", &C::BarWidth, &C::SetBarWidth, 5)
            .Object("MarkerImage", &C::MarkerImage, &C::SetMarkerImage)
            .Boolean("MarkerVisible", &C::MarkerVisible, &C::SetMarkerVisible, true)
            .Object("TitleFont", &C::TitleFont, &C::SetTitleFont)
            .Enumeration("TitleAlignment", &C::TitleAlignment, &C::SetTitleAlignment,
                         TVrTitleAlignment::tiaTop)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Event("OnChange", &C::OnChange)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clBtnFace)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
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

TVrPowerMeter::TVrPowerMeter(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FMarkerImage(std::make_unique<TBitmap>()),
      FTitleFont(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
    SetColor(clBtnFace);
    SetParentColor(false);
    FTitleFont->SetStyle(TFontStyles{TFontStyle::fsBold});
    LoadBuiltinBitmap(*FMarkerImage, kMarkerResource);
    FMarkerImage->OnChange = [this](TObject*) { MarkerChanged(); };
    FTitleFont->OnChange = [this](TObject*) { LookChanged(); };
}

TVrPowerMeter::~TVrPowerMeter() = default;

void TVrPowerMeter::SetMaxValue(double value) {
    if (!std::isfinite(value) || value == FMaxValue) return;
    if (!Loading() && value < FValue) return;
    FMaxValue = value;
    LookChanged();
}

void TVrPowerMeter::SetMinValue(double value) {
    if (!std::isfinite(value) || value == FMinValue) return;
    if (!Loading() && value > FValue) return;
    FMinValue = value;
    LookChanged();
}

void TVrPowerMeter::SetRange(double minValue, double maxValue) {
    if (!std::isfinite(minValue) || !std::isfinite(maxValue) || minValue > maxValue)
        throw EVrException(QStringLiteral("Value out of range."));
    if (minValue == FMinValue && maxValue == FMaxValue) return;
    FMinValue = minValue;
    FMaxValue = maxValue;
    // The new face first, so that the value change below paints on it.
    FFace.Invalidate();
    const double value = std::clamp(FValue, minValue, maxValue);
    if (value != FValue)
        StoreValue(value);
    else
        RedrawControl();
}

void TVrPowerMeter::SetValue(double value) {
    if (std::isnan(value)) return;
    // Below the minimum first, then above the maximum: with bounds crossed in a damaged file
    // the maximum wins.
    if (!Loading()) value = std::min(std::max(value, FMinValue), FMaxValue);
    StoreValue(value);
}

void TVrPowerMeter::StoreValue(double value) {
    if (value == FValue) return;
    FValue = value;
    RedrawControl();
    DoChange();
}

void TVrPowerMeter::Loaded() {
    const double value = std::min(std::max(FValue, FMinValue), FMaxValue);
    if (value != FValue) StoreValue(value);
    TVrGraphicImageControl::Loaded();
}

void TVrPowerMeter::SetDecimals(int value) {
    if (value >= 0) SetLook(FDecimals, value);
}

void TVrPowerMeter::SetIncrement(double value) {
    if (value > 0 && std::isfinite(value)) SetLook(FIncrement, value);
}

void TVrPowerMeter::SetBarWidth(int value) {
    if (value > 0) SetLook(FBarWidth, value);
}

void TVrPowerMeter::DoChange() {
    OnChange(this);
}

TPowerMeterLayout TVrPowerMeter::Layout() const {
    return PowerMeterLayout({.Width = Width(),
                             .Height = Height(),
                             .BarWidth = FBarWidth,
                             .TopOffset = FTopOffset,
                             .BottomOffset = FBottomOffset,
                             .TitleHeight = FTitleFont->Metric().Height(),
                             .TitleOnTop = FTitleAlignment == TVrTitleAlignment::tiaTop,
                             .MinValue = FMinValue,
                             .MaxValue = FMaxValue});
}

QString TVrPowerMeter::LabelFor(double x) const {
    return LabelText(FUnitsText, LabelNumber(x, FDecimals, QLocale::system().decimalPoint()));
}

void TVrPowerMeter::LookChanged() {
    FFace.Invalidate();
    RedrawControl();
}

void TVrPowerMeter::MarkerChanged() {
    // Loading the built-in marker notifies again, and that notification repaints.
    if (FMarkerImage->Empty()) {
        LoadBuiltinBitmap(*FMarkerImage, kMarkerResource);
        return;
    }
    LookChanged();
}

void TVrPowerMeter::BackdropChanged() {
    FFace.Invalidate();
}

void TVrPowerMeter::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) LookChanged();
}

void TVrPowerMeter::Paint() {
    const TPowerMeterLayout layout = Layout();
    TBitmap& image = SizedImage();
    FFace.Ensure(image, [&](TBitmap& face) { PaintFace(*face.Canvas(), layout); });
    PaintLevel(*image.Canvas(), layout);
    TVrGraphicImageControl::Paint();
}

void TVrPowerMeter::PaintFace(TCanvas& canvas, const TPowerMeterLayout& layout) {
    PrepareImage();
    PaintTitle(canvas);
    PaintLabels(canvas, layout);
    TPen& pen = *canvas.Pen();
    pen.SetMode(TPenMode::pmCopy);
    pen.SetStyle(TPenStyle::psSolid);
    pen.SetWidth(1);
    pen.SetColor(FBarColor);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(FBarColor);
    canvas.Rectangle(BarRect(layout));
    // The fill covers part of the edges and draws them again; the scale lies right of the bar,
    // clear of everything the value moves, so drawing it first changes no pixel.
    PaintBarEdges(canvas, layout);
    if (FScaleVisible) PaintScale(canvas, layout, Height());
}

void TVrPowerMeter::PaintTitle(TCanvas& canvas) {
    canvas.SetFont(FTitleFont.get());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect client{0, 0, Width(), Height()};
    const int vertical = FTitleAlignment == TVrTitleAlignment::tiaTop ? DT_TOP : DT_BOTTOM;
    canvas.DrawText(Caption(), client, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX | vertical);
}

void TVrPowerMeter::PaintLabels(TCanvas& canvas, const TPowerMeterLayout& layout) {
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    // The pattern is the user's text: '&' shows as itself.
    constexpr int kLabel = DT_SINGLELINE | DT_LEFT | DT_NOPREFIX;
    TRect minArea = MinLabelRect(layout);
    canvas.DrawText(LabelFor(FMinValue), minArea, kLabel | DT_BOTTOM);
    TRect maxArea = MaxLabelRect(layout);
    canvas.DrawText(LabelFor(FMaxValue), maxArea, kLabel | DT_TOP);
}

void TVrPowerMeter::PaintBarEdges(TCanvas& canvas, const TPowerMeterLayout& layout) {
    const TBarEdges edges = BarEdges(layout);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Pen()->SetColor(FColorHighlight);
    canvas.MoveTo(edges.HighlightFrom.X, edges.HighlightFrom.Y);
    canvas.LineTo(edges.HighlightCorner.X, edges.HighlightCorner.Y);
    canvas.LineTo(edges.ShadowFrom.X, edges.ShadowFrom.Y);
    canvas.Pen()->SetColor(FColorShadow);
    canvas.LineTo(edges.ShadowCorner.X, edges.ShadowCorner.Y);
    canvas.LineTo(edges.ShadowTo.X, edges.ShadowTo.Y);
}

void TVrPowerMeter::PaintScale(TCanvas& canvas, const TPowerMeterLayout& layout, int imageHeight) {
    const TScaleSpan span = ScaleSpan(layout);
    for (const int row : ScaleRows(layout, FIncrement, imageHeight)) {
        canvas.Pen()->SetColor(FColorShadow);
        canvas.MoveTo(span.Left, row - 1);
        canvas.LineTo(span.Right, row - 1);
        canvas.Pen()->SetColor(FColorHighlight);
        canvas.MoveTo(span.Left, row);
        canvas.LineTo(span.Right, row);
    }
}

void TVrPowerMeter::PaintLevel(TCanvas& canvas, const TPowerMeterLayout& layout) {
    TPen& pen = *canvas.Pen();
    pen.SetMode(TPenMode::pmCopy);
    pen.SetStyle(TPenStyle::psSolid);
    pen.SetWidth(1);
    pen.SetColor(FFillColor);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(FFillColor);
    canvas.Rectangle(FillRect(layout, FValue));
    PaintBarEdges(canvas, layout);
    if (const auto line = LevelLine(layout, FValue)) {
        canvas.Pen()->SetColor(FColorHighlight);
        canvas.MoveTo(line->Left, line->LightRow);
        canvas.LineTo(line->Right, line->LightRow);
        canvas.Pen()->SetColor(FColorShadow);
        canvas.MoveTo(line->Left, line->DarkRow);
        canvas.LineTo(line->Right, line->DarkRow);
    }
    if (FMarkerVisible && !FMarkerImage->Empty()) {
        const TBitmap& marker = *FMarkerImage;
        const TPoint at = MarkerTopLeft(layout, FValue, marker.Width(), marker.Height());
        canvas.Brush()->SetStyle(TBrushStyle::bsClear);
        canvas.BrushCopy(Bounds(at.X, at.Y, marker.Width(), marker.Height()), marker,
                         BitmapRect(marker), marker.TransparentColor());
    }
}

}  // namespace mox
