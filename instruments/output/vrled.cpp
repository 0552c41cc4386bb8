#include "instruments/output/vrled.h"

#include <algorithm>
#include <vector>

#include "instruments/base/vrresources.h"
#include "instruments/output/ledgeometry.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultSize = 25;
// The key colours the built-in lamps are drawn in: off, on, and the background around them.
constexpr TColor kOffKey = clMaroon;
constexpr TColor kOnKey = clRed;
constexpr TColor kLampBackground = clBlack;

QString BuiltinLampName(TVrLedType type) {
    const char* suffix = type == TVrLedType::ltRectangle   ? "RECT"
                         : type == TVrLedType::ltLargeRect ? "BIG"
                                                           : "RND";
    return QStringLiteral("LI_%1").arg(QLatin1String(suffix));
}

}  // namespace

// --- TVrCustomLed ---------------------------------------------------------------------------

const TClassInfo& TVrCustomLed::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrCustomLed>("TVrCustomLed", TVrGraphicImageControl::StaticClass()).Build();
    return info;
}

TVrCustomLed::TVrCustomLed(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FPalette(std::make_unique<TVrPalette>()),
      FGlyphs(std::make_unique<TBitmap>()),
      FLamp(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kDefaultSize, kDefaultSize);
    using enum TControlStyleFlag;
    SetControlStyle(ControlStyle() - TControlStyle{csSetCaption, csDoubleClicks} +
                    TControlStyle{csOpaque, csClickEvents, csReplicatable});
    SetColor(clBlack);
    SetParentColor(false);
    Font()->SetColor(clWhite);
    SetParentFont(false);
    FPalette->SetLow(clMaroon);
    FPalette->SetHigh(clRed);
    FPalette->OnChange = [this](TObject*) { LampChanged(); };
    FGlyphs->OnChange = [this](TObject*) { LampChanged(); };
    LoadLamp();
}

TVrCustomLed::~TVrCustomLed() = default;

void TVrCustomLed::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    RedrawControl();
    DoChange();
}

void TVrCustomLed::SetLedType(TVrLedType value) {
    if (value == FLedType) return;
    FLedType = value;
    LampChanged();
}

void TVrCustomLed::SetGlyphs(const TBitmap* value) {
    if (value)
        FGlyphs->Assign(value);
    else
        FGlyphs->SetSize(0, 0);
}

void TVrCustomLed::DoChange() {
    OnChange(this);
}

// --- The lamp -------------------------------------------------------------------------------

void TVrCustomLed::LampChanged() {
    LoadLamp();
    RedrawControl();
}

void TVrCustomLed::LoadLamp() {
    if (FLedType == TVrLedType::ltCustom)
        FLamp->Assign(FGlyphs.get());
    else
        LoadBuiltinLamp();
}

// The background of a built-in lamp is decided on the pixels as drawn, before recolouring: an off
// or on colour of black must still show as a black lamp, not as the image behind it.
void TVrCustomLed::LoadBuiltinLamp() {
    LoadBuiltinBitmap(*FLamp, BuiltinLampName(FLedType));
    TBitmap drawn;
    drawn.Assign(FLamp.get());
    FPalette->Recolor(*FLamp, kOffKey, kOnKey);
    std::vector<TColor> lampColors;
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x)
            if (drawn.Pixels(x, y) != kLampBackground) {
                const TColor c = FLamp->Pixels(x, y);
                if (std::find(lampColors.begin(), lampColors.end(), c) == lampColors.end())
                    lampColors.push_back(c);
            }
    FBuiltinSeeThrough = SeeThroughKey(lampColors);
    if (FBuiltinSeeThrough == kLampBackground) return;
    for (int y = 0; y < drawn.Height(); ++y)
        for (int x = 0; x < drawn.Width(); ++x)
            if (drawn.Pixels(x, y) == kLampBackground) FLamp->SetPixels(x, y, FBuiltinSeeThrough);
}

TSize TVrCustomLed::LampCell() const {
    return LampCellSize(FLamp->Width(), FLamp->Height());
}

TColor TVrCustomLed::LampSeeThrough() const {
    return FLedType == TVrLedType::ltCustom ? Color() : FBuiltinSeeThrough;
}

// --- Painting -------------------------------------------------------------------------------

TImageTextPlacement TVrCustomLed::Placement() const {
    TCanvas& canvas = *ImageCanvas();
    canvas.SetFont(Font());
    return LayoutImageAndText(canvas, ClientRect(), Point(0, 0), Caption(), FLayout, FMargin,
                              FSpacing, LampCell());
}

void TVrCustomLed::Paint() {
    PrepareImage();
    const TImageTextPlacement placement = Placement();
    TCanvas& canvas = *ImageCanvas();
    const TSize cell = LampCell();
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    if (cell.cx > 0 && cell.cy > 0)
        canvas.BrushCopy(Bounds(placement.ImagePos.X, placement.ImagePos.Y, cell.cx, cell.cy),
                         *FLamp, LampSourceCell(cell, FActive), LampSeeThrough());
    if (!Caption().isEmpty()) {
        canvas.SetFont(Font());
        TRect text = placement.TextRect;
        canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    TVrGraphicImageControl::Paint();
}

void TVrCustomLed::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    switch (message.Msg) {
        case CM_SYSCOLORCHANGE:
            LampChanged();
            break;
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- TVrLed ---------------------------------------------------------------------------------

const TClassInfo& TVrLed::StaticClass() {
    using C = TVrLed;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrLed", TVrCustomLed::StaticClass())
            .Creatable()
            .Boolean("Active", &C::Active, &C::SetActive, false)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Enumeration("LedType", &C::LedType, &C::SetLedType, TVrLedType::ltRounded)
            .Enumeration("Layout", &C::Layout, &C::SetLayout, TVrImageTextLayout::ImageLeft)
            .Integer("Margin", &C::Margin, &C::SetMargin, -1)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 5)
            .Boolean("Transparent", &C::Transparent, &C::SetTransparent, false)
            .Object("Glyphs", &C::Glyphs, &C::SetGlyphs)
            .Event("OnChange", &C::OnChange)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

}  // namespace mox
