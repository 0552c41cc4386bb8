#include "instruments/input/vrspinbutton.h"

#include <array>

#include "instruments/base/vrdraw.h"
#include "instruments/base/vrresources.h"
#include "instruments/base/vrtimer.h"
#include "toolkit/controls/application.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kInitialSize = 25;
// The colours the strips are drawn in: the disabled arrow and the lit arrows.
constexpr TColor kLowKey = clGreen;
constexpr TColor kHighKey = clLime;

QString StripName(TSpinButtonKind kind) {
    static const std::array<const char*, 4> names{"ARROWS_UP", "ARROWS_DOWN", "ARROWS_LEFT",
                                                  "ARROWS_RIGHT"};
    return QString::fromLatin1(names[static_cast<std::size_t>(kind)]);
}

}  // namespace

// --- TVrSpinButton --------------------------------------------------------------------------

const TClassInfo& TVrSpinButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrSpinButton>("TVrSpinButton", TVrGraphicControl::StaticClass()).Build();
    return info;
}

TVrSpinButton::TVrSpinButton(TComponent* owner)
    : TVrGraphicControl(owner),
      FPalette(std::make_unique<TVrPalette>()),
      FGlyphs(0, 0),
      FGlyphFace(std::make_unique<TBitmap>()),
      FDrawn(std::make_unique<TBitmap>()) {
    SetBounds(Left(), Top(), kInitialSize, kInitialSize);
    using enum TControlStyleFlag;
    // Clicks come from the press and release on the arrow alone.
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks, csClickEvents, csSetCaption} +
                    TControlStyle{csOpaque, csCaptureMouse});
    SetColor(clBtnFace);
    SetParentColor(true);
    FPalette->OnChange = [this](TObject*) {
        BuildGlyphs();
        RedrawControl();
    };
    LoadStrip();
}

TVrSpinButton::~TVrSpinButton() = default;

void TVrSpinButton::SetKind(TSpinButtonKind value) {
    if (value == FKind) return;
    FKind = value;
    LoadStrip();
    RedrawControl();
}

void TVrSpinButton::LoadStrip() {
    LoadBuiltinBitmap(*FDrawn, StripName(FKind));
    BuildGlyphs();
}

void TVrSpinButton::BuildGlyphs() {
    const TSize size = SpinGlyphSize(FKind);
    FGlyphs.SetSize(size.cx, size.cy);
    TBitmap strip;
    strip.Assign(FDrawn.get());
    FPalette->Recolor(strip, kLowKey, kHighKey);
    // The see-through pixels are those of the strip as drawn, so an arrow recoloured into the
    // strip's transparent colour still shows.
    FGlyphs.AddMasked(strip, *FDrawn, FDrawn->TransparentColor());
    FFaceGlyph = -1;
}

const TBitmap& TVrSpinButton::GlyphFace() {
    const int index = static_cast<int>(Glyph());
    const TColor color = ColorToRGB(Color());
    if (index == FFaceGlyph && color == FFaceColor) return *FGlyphFace;
    FGlyphFace->SetSize(FGlyphs.Width(), FGlyphs.Height());
    TCanvas& canvas = *FGlyphFace->Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(color);
    canvas.FillRect(BitmapRect(*FGlyphFace));
    FGlyphs.Draw(canvas, 0, 0, index);
    FFaceGlyph = index;
    FFaceColor = color;
    return *FGlyphFace;
}

TRect TVrSpinButton::GlyphRect() const {
    return SpinGlyphRect({Width(), Height()}, {FGlyphs.Width(), FGlyphs.Height()});
}

bool TVrSpinButton::OnArrow(int x, int y) const {
    const TRect g = GlyphRect();
    const int gx = x - g.Left;
    const int gy = y - g.Top;
    if (!FGlyphs.Opaque(0, gx, gy)) return false;
    const int shown = static_cast<int>(Glyph());
    return FDrawn->Pixels(shown * FGlyphs.Width() + gx, gy) != clBlack;
}

void TVrSpinButton::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    const TRect g = GlyphRect();
    canvas.Draw(g.Left, g.Top, GlyphFace());
}

void TVrSpinButton::SetPressed(bool value) {
    if (value == FPressed) return;
    FPressed = value;
    RedrawControl();
}

void TVrSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TVrGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !Enabled() || !OnArrow(x, y)) return;
    TApplication::Instance().SetCaptureControl(this);
    SetPressed(true);
    PressStarted();
}

void TVrSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TVrGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !FPressed) return;
    // Hit-tested as the arrow was shown while held.
    const bool onArrow = OnArrow(x, y);
    SetPressed(false);
    if (TApplication::Instance().CaptureControl() == this)
        TApplication::Instance().SetCaptureControl(nullptr);
    PressEnded();
    if (onArrow) ClickButton();
}

void TVrSpinButton::WndProc(TMessage& message) {
    TVrGraphicControl::WndProc(message);
    switch (message.Msg) {
        case CM_ENABLEDCHANGED:
            // A press cannot outlast the button being switched off.
            if (!Enabled() && FPressed) {
                SetPressed(false);
                PressEnded();
            }
            RedrawControl();
            break;
        case CM_COLORCHANGED:
            RedrawControl();
            break;
        case CM_SYSCOLORCHANGE:
            BuildGlyphs();
            RedrawControl();
            break;
        default:
            break;
    }
}

// --- TVrTimerSpinButton ---------------------------------------------------------------------

const TClassInfo& TVrTimerSpinButton::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrTimerSpinButton>("TVrTimerSpinButton", TVrSpinButton::StaticClass())
            .Build();
    return info;
}

TVrTimerSpinButton::TVrTimerSpinButton(TComponent* owner) : TVrSpinButton(owner) {}

// The timer goes first, while this button is whole: no tick can reach a half-destroyed one.
TVrTimerSpinButton::~TVrTimerSpinButton() {
    delete FTimer;
}

void TVrTimerSpinButton::SetFocusFlag(bool value) {
    if (value == FFocusFlag) return;
    FFocusFlag = value;
    RedrawControl();
}

void TVrTimerSpinButton::Paint() {
    TVrSpinButton::Paint();
    if (!FFocusFlag) return;
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(clBlack);
    canvas.FrameRect(SpinFocusRect({Width(), Height()}));
}

void TVrTimerSpinButton::PressStarted() {
    if (!FAutoRepeat) return;
    if (!FTimer) {
        FTimer = new TVrTimer(this);
        FTimer->OnTimer = [this](TObject*) { RepeatTick(); };
    }
    FTimer->SetEnabled(false);
    FTimer->SetInterval(kSpinRepeatDelayMs);
    FTimer->SetTimerType(TVrTimerType::ttSystem);
    FTimer->SetEnabled(true);
}

void TVrTimerSpinButton::PressEnded() {
    StopRepeat();
}

void TVrTimerSpinButton::StopRepeat() {
    if (FTimer) FTimer->SetEnabled(false);
}

void TVrTimerSpinButton::RepeatTick() {
    if (!Pressed() || TApplication::Instance().CaptureControl() != this) {
        // The press was lost without a release (another window took the mouse).
        StopRepeat();
        SetPressed(false);
        return;
    }
    if (FTimer) FTimer->SetInterval(kSpinRepeatPeriodMs);
    try {
        ClickButton();
    } catch (...) {
        StopRepeat();
        throw;
    }
}

}  // namespace mox
