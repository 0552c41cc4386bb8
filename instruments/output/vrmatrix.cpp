#include "instruments/output/vrmatrix.h"

#include <algorithm>
#include <limits>

#include "instruments/base/vrresources.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kInitialWidth = 245;
constexpr int kInitialHeight = 30;
constexpr std::uint32_t kInitialInterval = 500;
// The colours the cell bitmaps are drawn in: background, unlit and lit dots.
constexpr TColor kCellBackground = clBlack;
constexpr TColor kUnlitKey = clGray;
constexpr TColor kLitKey = clSilver;

}  // namespace

const TClassInfo& TVrMatrix::StaticClass() {
    using C = TVrMatrix;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrMatrix", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Boolean("Threaded", &C::Threaded, &C::SetThreaded)
            .Enumeration("TextStyle", &C::TextStyle, &C::SetTextStyle,
                         TVrMatrixTextStyle::tsUpperCase)
            .Enumeration("Orientation", &C::Orientation, &C::SetOrientation,
                         TVrOrientation::voHorizontal)
            .Integer("Leds", &C::Leds, &C::SetLeds, 15)
            .Integer("Spacing", &C::Spacing, &C::SetSpacing, 2)
            .Object("Palette", &C::Palette, &C::SetPalette)
            .Enumeration("LedStyle", &C::LedStyle, &C::SetLedStyle, TVrMatrixLedStyle::ls14x20)
            .Boolean("LedsVisible", &C::LedsVisible, &C::SetLedsVisible, true)
            .Boolean("AutoScroll", &C::AutoScroll, &C::SetAutoScroll, false)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment, TVrAlignment::vaLeftJustify)
            .Integer("TimeInterval", &C::TimeInterval, &C::SetTimeInterval, 500)
            .Enumeration("ScrollDirection", &C::ScrollDirection, &C::SetScrollDirection,
                         TVrMatrixScrollDirection::msdRightToLeft)
            .Object("Bevel", &C::Bevel, &C::SetBevel)
            .Event("OnScrollDone", &C::OnScrollDone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
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
            .String("Text", &C::Text, &C::SetText)
            .WrittenWhenEmpty()
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TVrMatrix::TVrMatrix(TComponent* owner)
    : TVrGraphicImageControl(owner),
      FPalette(std::make_unique<TVrPalette>()),
      FBevel(std::make_unique<TVrBevel>()),
      FCellBitmap(std::make_unique<TBitmap>()) {
    TControlStyle style = ControlStyle();
    style.Exclude(TControlStyleFlag::csSetCaption);
    style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    FPalette->SetLow(clGreen);
    FPalette->SetHigh(clLime);
    FPalette->OnChange = [this](TObject*) {
        LoadCellBitmap();
        RedrawControl();
    };
    FBevel->SetInnerStyle(TVrBevelStyle::bsLowered);
    FBevel->SetInnerWidth(2);
    FBevel->SetInnerColor(clBlack);
    FBevel->OnChange = [this](TObject*) { ReapplyBounds(); };
    FTimer = new TVrTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(kInitialInterval);
    FTimer->OnTimer = [this](TObject*) { ScrollStep(); };
    SetColor(clBlack);
    SetParentColor(false);
    LoadCellBitmap();
    SetBounds(Left(), Top(), kInitialWidth, kInitialHeight);
}

TVrMatrix::~TVrMatrix() {
    // The timer would otherwise live until the component base frees what it owns, by which time
    // this part of the object is gone; a tick in between would scroll a dead matrix.
    delete FTimer;
    FTimer = nullptr;
}

// --- Properties -----------------------------------------------------------------------------

bool TVrMatrix::Threaded() const {
    return FTimer->TimerType() == TVrTimerType::ttThread;
}

void TVrMatrix::SetThreaded(bool value) {
    FTimer->SetTimerType(value ? TVrTimerType::ttThread : TVrTimerType::ttSystem);
}

void TVrMatrix::SetTextStyle(TVrMatrixTextStyle value) {
    if (value == FTextStyle) return;
    FTextStyle = value;
    ParseText();
    RedrawControl();
}

void TVrMatrix::SetOrientation(TVrOrientation value) {
    if (value == FOrientation) return;
    FOrientation = value;
    ReapplyBounds();
}

void TVrMatrix::SetLeds(int value) {
    if (value == FLeds) return;
    FLeds = value;
    ParseText();
    ReapplyBounds();
}

void TVrMatrix::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    ReapplyBounds();
}

void TVrMatrix::SetLedStyle(TVrMatrixLedStyle value) {
    if (value == FLedStyle) return;
    FLedStyle = value;
    LoadCellBitmap();
    ReapplyBounds();
}

void TVrMatrix::SetLedsVisible(bool value) {
    if (value == FLedsVisible) return;
    FLedsVisible = value;
    RedrawControl();
}

void TVrMatrix::SetAutoScroll(bool value) {
    if (value == FAutoScroll) return;
    FAutoScroll = value;
    if (!Designing()) FTimer->SetEnabled(value);
}

void TVrMatrix::SetAlignment(TVrAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    RedrawControl();
}

int TVrMatrix::TimeInterval() const {
    return static_cast<int>(
        std::min<std::uint32_t>(FTimer->Interval(), std::numeric_limits<int>::max()));
}

void TVrMatrix::SetTimeInterval(int value) {
    FTimer->SetInterval(static_cast<std::uint32_t>(std::max(value, 0)));
}

TMatrixLayout TVrMatrix::CellLayout() const {
    return MatrixCellLayout(Width(), Height(), FLeds, FSpacing, CellSize(), FOrientation);
}

void TVrMatrix::SetBounds(int left, int top, int width, int height) {
    // Also during the base class's construction, before the bevel exists.
    if (FBevel) {
        TRect inner{0, 0, 0, 0};
        FBevel->GetVisibleArea(inner);
        const TSize size = MatrixSelfSize(FLeds, FSpacing, CellSize(), FOrientation, inner.Left);
        width = size.cx;
        height = size.cy;
    }
    TVrGraphicImageControl::SetBounds(left, top, width, height);
}

// --- Text and scrolling ---------------------------------------------------------------------

void TVrMatrix::ParseText() {
    FShown = ParseMatrixText(Text(), FTextStyle);
}

void TVrMatrix::ScrollStep() {
    const TMatrixScrollStep step =
        MatrixScroll(FScrollPosition, FShown.Display.size(), FLeds, FScrollDirection);
    if (step.PassDone) {
        // The handler may free the matrix (a rack being cleared).
        const TRef<TVrMatrix> alive(this);
        DoScrollDone();
        if (!alive) return;
        FScrollPosition = MatrixReentryPosition(FShown.Display.size(), FLeds, FScrollDirection);
    } else {
        FScrollPosition = step.Position;
    }
    RedrawControl();
}

void TVrMatrix::DoScrollDone() {
    OnScrollDone(this);
}

void TVrMatrix::Loaded() {
    TVrGraphicImageControl::Loaded();
    FScrollPosition = MatrixAlignedPosition(FAlignment, FShown.Display.size(), FLeds);
    ReapplyBounds();
}

void TVrMatrix::WndProc(TMessage& message) {
    TVrGraphicImageControl::WndProc(message);
    switch (message.Msg) {
        case CM_TEXTCHANGED:
            ParseText();
            RedrawControl();
            break;
        case CM_COLORCHANGED:
        case CM_SYSCOLORCHANGE:
            LoadCellBitmap();
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- Painting -------------------------------------------------------------------------------

void TVrMatrix::LoadCellBitmap() {
    TBitmap plain;
    LoadBuiltinBitmap(plain, MatrixCellBitmapName(FLedStyle));
    // Each pixel is decided on the bitmap as drawn, so a palette colour equal to Color (or a
    // black palette) never makes dots vanish into the background.
    const TColor background = ColorToRGB(Color());
    const TColor unlit = ColorToRGB(FPalette->Low());
    const TColor lit = ColorToRGB(FPalette->High());
    TBitmap& cell = *FCellBitmap;
    cell.SetSize(plain.Width(), plain.Height());
    for (int y = 0; y < plain.Height(); ++y)
        for (int x = 0; x < plain.Width(); ++x) {
            const TColor c = plain.Pixels(x, y);
            cell.SetPixels(x, y,
                           c == kCellBackground ? background
                           : c == kUnlitKey     ? unlit
                           : c == kLitKey       ? lit
                                                : c);
        }
}

void TVrMatrix::Paint() {
    PrepareImage();
    if (!Image().Empty()) {
        TCanvas& canvas = *ImageCanvas();
        TRect client = ClientRect();
        FBevel->Paint(canvas, client);
        if (!FAutoScroll)
            FScrollPosition = MatrixAlignedPosition(FAlignment, FShown.Display.size(), FLeds);
        PaintCells(canvas);
    }
    TVrGraphicImageControl::Paint();
}

void TVrMatrix::PaintCells(TCanvas& canvas) {
    const TSize cell = CellSize();
    const int dot = MatrixDotSize(FLedStyle);
    const TMatrixLayout layout = CellLayout();
    const std::int64_t length = FShown.Display.size();
    const TMatrixCellRange range = MatrixVisibleCells(layout, cell, FLeds, Width(), Height(),
                                                      FLedsVisible, FScrollPosition, length);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    for (std::int64_t k = range.First; k < range.Last; ++k) {
        // Visible cells lie within a cell's size of the image, so their corners fit an int.
        const auto x = static_cast<int>(layout.X + k * layout.StepX);
        const auto y = static_cast<int>(layout.Y + k * layout.StepY);
        if (FLedsVisible) canvas.Draw(x, y, *FCellBitmap);
        const std::int64_t index = FScrollPosition + k;
        if (index < 1 || index > length) continue;
        const auto at = static_cast<qsizetype>(index - 1);
        canvas.Brush()->SetColor(MatrixCodeColor(FShown.Codes[at], FPalette->High()));
        for (const TRect& square : MatrixGlyphDots(FShown.Display[at].unicode(), x, y, cell, dot))
            canvas.FillRect(square);
    }
}

}  // namespace mox
