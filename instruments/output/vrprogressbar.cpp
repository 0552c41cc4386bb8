#include "instruments/output/vrprogressbar.h"

#include <algorithm>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrexceptions.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 16;
// The gradient changes colour every pixel.
constexpr int kGradientBand = 1;
// BandGradient's orientations: bands side by side across the width, or stacked down the height.
constexpr int kBandsAcross = 1;
constexpr int kBandsDown = 0;

}  // namespace

const TClassInfo& TVrProgressBar::StaticClass() {
    using C = TVrProgressBar;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrProgressBar", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Object("Bevel", &C::Bevel, &C::SetBevel)
            .Integer("MaxValue", &C::MaxValue, &C::SetMaxValue, 100)
            .Integer("MinValue", &C::MinValue, &C::SetMinValue, 0)
            .Integer("Position", &C::Position, &C::SetPosition, 100)
            .Color("StartColor", &C::StartColor, &C::SetStartColor, clNavy)
            .Color("EndColor", &C::EndColor, &C::SetEndColor, clAqua)
            .Boolean("Smooth", &C::Smooth, &C::SetSmooth, false)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voHorizontal)
            .Integer("Step", &C::Step, &C::SetStep, 10)
            .Object("Bitmap", &C::Bitmap, &C::SetBitmap)
            .Enumeration("FillType", &C::FillType, &C::SetFillType, TVrProgressBarFill::pfGradient)
            .Event("OnChange", &C::OnChange)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clBlack)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
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

TVrProgressBar::TVrProgressBar(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FBevel(std::make_unique<TVrBevel>()),
      FBitmap(std::make_unique<TBitmap>()),
      FFill(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
    TControlStyle style = ControlStyle();
    style.Exclude(TControlStyleFlag::csSetCaption);
    style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    SetColor(clBlack);
    SetParentColor(false);
    FBevel->SetInnerStyle(TVrBevelStyle::bsNone);
    FBevel->SetInnerSpace(0);
    FBevel->SetOuterStyle(TVrBevelStyle::bsLowered);
    FBevel->SetOuterOutline(TVrBevelOutlineStyle::osNone);
    FBevel->OnChange = [this](TObject*) {
        FFace.Invalidate();
        RedrawControl();
    };
    FBitmap->OnChange = [this](TObject*) { BitmapChanged(); };
}

TVrProgressBar::~TVrProgressBar() = default;

// --- Values ---------------------------------------------------------------------------------

void TVrProgressBar::SetPosition(int value) {
    // Below the minimum first, then above the maximum: with bounds crossed in a damaged file
    // the maximum wins.
    value = std::min(std::max(value, FMinValue), FMaxValue);
    if (value == FPosition) return;
    FPosition = value;
    RedrawControl();
    DoChange();
}

void TVrProgressBar::SetMinValue(int value) {
    if (value == FMinValue || (!Loading() && value >= FMaxValue)) return;
    StoreRange(value, FMaxValue);
}

void TVrProgressBar::SetMaxValue(int value) {
    if (value == FMaxValue || (!Loading() && value <= FMinValue)) return;
    StoreRange(FMinValue, value);
}

void TVrProgressBar::SetRange(int minValue, int maxValue) {
    if (minValue >= maxValue) throw EVrException(QStringLiteral("Value out of range."));
    if (minValue == FMinValue && maxValue == FMaxValue) return;
    StoreRange(minValue, maxValue);
}

void TVrProgressBar::StoreRange(int minValue, int maxValue) {
    FMinValue = minValue;
    FMaxValue = maxValue;
    const int position = std::min(std::max(FPosition, minValue), maxValue);
    if (position != FPosition)
        SetPosition(position);
    else
        RedrawControl();
}

void TVrProgressBar::Loaded() {
    // A file whose bounds cross keeps them as written; the picture keeps the fill within the bar.
    if (FMinValue < FMaxValue) SetPosition(FPosition);
    TVrGraphicImageControl::Loaded();
}

void TVrProgressBar::DoChange() {
    OnChange(this);
}

// --- Look -----------------------------------------------------------------------------------

void TVrProgressBar::SetSmooth(bool value) {
    if (value == FSmooth) return;
    FSmooth = value;
    RedrawControl();
}

void TVrProgressBar::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    FRebuild = true;
    if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
    RedrawControl();
}

void TVrProgressBar::BitmapChanged() {
    // Only a tiled bar shows the bitmap; a rebuild already due stays due.
    if (FFillType == TVrProgressBarFill::pfBitmap) FRebuild = true;
    RedrawControl();
}

void TVrProgressBar::BackdropChanged() {
    FFace.Invalidate();
}

void TVrProgressBar::WndProc(TMessage& message) {
    // Before the repaint the base class asks for: the highlight and the gradient's colours may
    // be system colours.
    if (message.Msg == CM_SYSCOLORCHANGE) FRebuild = true;
    TVrGraphicImageControl::WndProc(message);
}

// --- Painting -------------------------------------------------------------------------------

TRect TVrProgressBar::BarArea() const {
    TRect area{0, 0, Width(), Height()};
    FBevel->GetVisibleArea(area);
    return area;
}

std::vector<TLevelSegment> TVrProgressBar::Segments() const {
    return LevelBarSegments({.Area = BarArea(),
                             .Visible = {0, 0, Width(), Height()},
                             .Percent = LevelPercent(FPosition, FMinValue, FMaxValue),
                             .Smooth = FSmooth,
                             .Orientation = FOrientation});
}

void TVrProgressBar::Paint() {
    TBitmap& image = SizedImage();
    // A new position puts the face back only where the segments were.
    if (!FFace.Restore(image))
        FFace.Ensure(image, [this](TBitmap& face) { PaintFace(*face.Canvas()); });
    const TRect area = BarArea();
    const int width = std::max(area.Width(), 0), height = std::max(area.Height(), 0);
    if (FRebuild || FFill->Width() != width || FFill->Height() != height) BuildFill(area);
    FFace.Drawn(image, PaintSegments(image, Segments()));
    TVrGraphicImageControl::Paint();
}

void TVrProgressBar::PaintFace(TCanvas& canvas) {
    PrepareImage();
    TRect area{0, 0, Width(), Height()};
    FBevel->Paint(canvas, area);
}

// The whole bar, filled, at the bar area's size; segments show parts of it.
void TVrProgressBar::BuildFill(const TRect& area) {
    FRebuild = false;
    FFill->SetSize(std::max(area.Width(), 0), std::max(area.Height(), 0));
    if (FFill->Empty()) return;
    TCanvas& canvas = *FFill->Canvas();
    const TRect whole = BitmapRect(*FFill);
    if (FFillType == TVrProgressBarFill::pfGradient) {
        if (FOrientation == TVrOrientation::voHorizontal)
            BandGradient(canvas, whole, FStartColor, FEndColor, kBandsAcross, kGradientBand);
        else
            BandGradient(canvas, whole, FEndColor, FStartColor, kBandsDown, kGradientBand);
        return;
    }
    // Under the tiles too: a bitmap's see-through pixels show the highlight, not whatever an
    // earlier fill left there.
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clHighlight);
    canvas.FillRect(whole);
    if (FFillType == TVrProgressBarFill::pfBitmap) TileBitmap(canvas, whole, *FBitmap);
}

TRect TVrProgressBar::PaintSegments(TBitmap& image, const std::vector<TLevelSegment>& segments) {
    TCanvas& canvas = *image.Canvas();
    for (const TLevelSegment& s : segments) {
        // A copy of the same size is a plain one, done without the canvas when it lies wholly
        // within both images; a vertical segment squeezes the fill's width onto its own.
        const bool plain = canvas.CopyMode() == cmSrcCopy && s.Dest.Width() == s.Source.Width() &&
                           s.Dest.Height() == s.Source.Height();
        if (!plain || !CopyPixels(image, s.Dest.TopLeft(), *FFill, s.Source))
            canvas.CopyRect(s.Dest, *FFill->Canvas(), s.Source);
    }
    return SegmentsBounds(segments);
}

}  // namespace mox
