#include "instruments/output/vrnum.h"

#include <algorithm>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrexceptions.h"
#include "instruments/base/vrresources.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 100;
constexpr int kDefaultHeight = 26;
// The colours the digit strips are drawn in: background, unlit and lit segments.
constexpr TColor kStripBackground = clBlack;
constexpr TColor kUnlitKey = clGray;
constexpr TColor kLitKey = clSilver;

bool FollowsWidth(TAlign align) {
    return align == TAlign::alNone || align == TAlign::alLeft || align == TAlign::alRight;
}
bool FollowsHeight(TAlign align) {
    return align == TAlign::alNone || align == TAlign::alTop || align == TAlign::alBottom;
}

}  // namespace

// --- TVrCustomNum ---------------------------------------------------------------------------

const TClassInfo& TVrCustomNum::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrCustomNum>("TVrCustomNum", TVrGraphicImageControl::StaticClass()).Build();
    return info;
}

TVrCustomNum::TVrCustomNum(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FPalette(std::make_unique<TVrPalette>()),
      FDigitStrip(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    SetControlStyle(ControlStyle() +
                    TControlStyle{TControlStyleFlag::csOpaque, TControlStyleFlag::csReplicatable});
    SetColor(clBlack);
    SetParentColor(false);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    FPalette->OnChange = [this](TObject*) { PaletteChanged(); };
    LoadDigitStrip();
}

TVrCustomNum::~TVrCustomNum() = default;

void TVrCustomNum::SetDigits(int value) {
    value = ClampDigits(value);
    if (value == FDigits) return;
    FDigits = value;
    ApplyAutoSize();
}

void TVrCustomNum::SetValue(int value) {
    // Below the minimum first, then above the maximum: with limits crossed in a damaged file
    // the maximum wins.
    if (!Loading()) value = std::min(std::max(value, FMin), FMax);
    StoreValue(value);
}

void TVrCustomNum::StoreValue(int value) {
    if (value == FValue) return;
    FValue = value;
    RedrawControl();
    DoChange();
}

void TVrCustomNum::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    ApplyAutoSize();
}

void TVrCustomNum::SetStyle(TVrNumStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    LoadDigitStrip();
    ApplyAutoSize();
}

void TVrCustomNum::SetMax(int value) {
    if (value == FMax) return;
    if (Loading()) {
        FMax = value;
        return;
    }
    if (value <= FMin) return;
    SetRange(FMin, value);
}

void TVrCustomNum::SetMin(int value) {
    if (value == FMin) return;
    if (Loading()) {
        FMin = value;
        return;
    }
    if (value >= FMax) return;
    SetRange(value, FMax);
}

void TVrCustomNum::SetRange(int minValue, int maxValue) {
    if (minValue >= maxValue) throw EVrException(QStringLiteral("Value out of range."));
    if (minValue == FMin && maxValue == FMax) return;
    FMin = minValue;
    FMax = maxValue;
    // A value left outside would show wrongly: below a minimum of 0 it would lose its sign.
    const int value = std::clamp(FValue, minValue, maxValue);
    if (value != FValue)
        StoreValue(value);
    else
        RedrawControl();
}

void TVrCustomNum::Loaded() {
    StoreValue(std::min(std::max(FValue, FMin), FMax));
    TVrGraphicImageControl::Loaded();
}

void TVrCustomNum::DoChange() {
    OnChange(this);
}

void TVrCustomNum::LoadDigitStrip() {
    LoadBuiltinBitmap(*FDigitStrip, DigitStripName(FStyle));
    FPalette->Recolor(*FDigitStrip, kUnlitKey, kLitKey);
    FCell = DigitCellSize(FDigitStrip->Width(), FDigitStrip->Height());
}

void TVrCustomNum::PaletteChanged() {
    LoadDigitStrip();
    RedrawControl();
}

void TVrCustomNum::SetBounds(int left, int top, int width, int height) {
    if (AutoSize() && !Loading()) {
        const TSize size = NumAutoSize(FDigits, FSpacing, FCell);
        if (FollowsWidth(Align())) width = size.cx;
        if (FollowsHeight(Align())) height = size.cy;
    }
    TVrGraphicImageControl::SetBounds(left, top, width, height);
}

void TVrCustomNum::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    // The palette may hold system colours, resolved when the strip is recoloured.
    if (message.Msg == CM_SYSCOLORCHANGE) PaletteChanged();
}

std::vector<TNumCellPlacement> TVrCustomNum::Row() const {
    return NumRow({.ClientWidth = ClientWidth(),
                   .ClientHeight = ClientHeight(),
                   .Digits = FDigits,
                   .Spacing = FSpacing,
                   .Cell = FCell,
                   .Alignment = FAlignment,
                   .Sign = HasSign(),
                   .Value = FValue,
                   .LeadingZero = FLeadingZero,
                   .ZeroBlank = FZeroBlank});
}

void TVrCustomNum::Paint() {
    PrepareImage();
    if (!Image().Empty()) PaintCells(*ImageCanvas());
    TVrGraphicImageControl::Paint();
}

void TVrCustomNum::PaintCells(TCanvas& canvas) {
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    const int width = ClientWidth();
    // With a step that does not go back, nothing after a cell past the right edge shows.
    const bool rightward = FCell.cx + std::int64_t{FSpacing} >= 0;
    for (const TNumCellPlacement& place : Row()) {
        if (rightward && place.X >= width) break;
        if (!CellShows(place.X, FCell.cx, width)) continue;
        const TRect source = Bounds(place.Cell * FCell.cx, 0, FCell.cx, FCell.cy);
        const TRect dest = Bounds(static_cast<int>(place.X), LimitCoord(static_cast<int>(place.Y)),
                                  FCell.cx, FCell.cy);
        canvas.BrushCopy(dest, *FDigitStrip, source, kStripBackground);
    }
}

// --- TVrNum ---------------------------------------------------------------------------------

const TClassInfo& TVrNum::StaticClass() {
    using C = TVrNum;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrNum", TVrCustomNum::StaticClass())
            .Creatable()
            .Integer("Digits", &C::Digits, &C::SetDigits, 4)
            .Integer("Value", &C::Value, &C::SetValue, 0)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 2)
            .Enumeration("Style", &C::Style, &C::SetStyle, TVrNumStyle::ns13x24)
            .Boolean("LeadingZero", &C::LeadingZero, &C::SetLeadingZero, false)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment, TVrNumAlignment::naCenter)
            .Integer("Max", &C::Max, &C::SetMax, 9999)
            .Integer("Min", &C::Min, &C::SetMin, 0)
            .Boolean("ZeroBlank", &C::ZeroBlank, &C::SetZeroBlank, false)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, false)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnChange", &C::OnChange)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

}  // namespace mox
