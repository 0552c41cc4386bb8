#pragma once
// TVrSpinButton: one arrow button of a spinner, drawn from a built-in strip of three arrow
// pictures (disabled, normal, pressed) recoloured with its palette. Only a press and release on
// the arrow itself click it. TVrTimerSpinButton repeats the click while the press is held: first
// after a pause, then at a steady rate, until the release, the loss of the mouse capture or the
// button's end.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrpalette.h"
#include "instruments/input/spinnergeometry.h"
#include "toolkit/graphics/imagelist.h"

namespace mox {

class TVrTimer;

class TVrSpinButton : public TVrGraphicControl {
    MOX_CLASS
public:
    explicit TVrSpinButton(TComponent* owner);
    ~TVrSpinButton() override;

    TSpinButtonKind Kind() const { return FKind; }
    void SetKind(TSpinButtonKind value);
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }

    bool Pressed() const { return FPressed; }
    // The picture the button shows now.
    TSpinGlyph Glyph() const { return SpinGlyphFor(Enabled(), FPressed); }
    // The arrow pictures, recoloured.
    const TImageList& Glyphs() const { return FGlyphs; }
    // Where the arrow is drawn, in the button's client coordinates.
    TRect GlyphRect() const;
    // Whether the client point (x, y) lies on the arrow: on a drawn pixel of its picture that
    // is not part of the black outline.
    bool OnArrow(int x, int y) const;

    // The button's own click; the windowing layer's automatic click is not used.
    void ClickButton() { Click(); }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;
    // A press on the arrow has started, respectively ended (released or abandoned).
    virtual void PressStarted() {}
    virtual void PressEnded() {}
    void SetPressed(bool value);

private:
    // The kind's strip as drawn, then the arrows recoloured from it.
    void LoadStrip();
    // The arrows recoloured with the palette; the strip stays as loaded.
    void BuildGlyphs();
    const TBitmap& GlyphFace();

    TSpinButtonKind FKind = TSpinButtonKind::Up;
    bool FPressed = false;
    std::unique_ptr<TVrPalette> FPalette;
    TImageList FGlyphs;
    // The arrow shown last on the button's colour, drawn again only when either changes: a
    // press or release then costs two plain copies.
    std::unique_ptr<TBitmap> FGlyphFace;
    int FFaceGlyph = -1;
    TColor FFaceColor = clNone;
    // The strip as drawn, before recolouring: its black outline stays black whatever the
    // palette, so the hit test keeps to the arrow's body.
    std::unique_ptr<TBitmap> FDrawn;
};

class TVrTimerSpinButton : public TVrSpinButton {
    MOX_CLASS
public:
    explicit TVrTimerSpinButton(TComponent* owner);
    ~TVrTimerSpinButton() override;

    // The frame a button shows while it is the spinner's focused button and the spinner has
    // the focus.
    bool FocusFlag() const { return FFocusFlag; }
    void SetFocusFlag(bool value);
    bool AutoRepeat() const { return FAutoRepeat; }
    void SetAutoRepeat(bool value) { FAutoRepeat = value; }
    // The auto-repeat timer; none before the first press.
    TVrTimer* RepeatTimer() const { return FTimer; }
    // One tick of the auto-repeat timer: a click while the press is held and the button keeps
    // the mouse capture; otherwise the repeat stops.
    void RepeatTick();

protected:
    void Paint() override;
    void PressStarted() override;
    void PressEnded() override;

private:
    void StopRepeat();

    bool FFocusFlag = false;
    bool FAutoRepeat = false;
    TVrTimer* FTimer = nullptr;  // owned as a component
};

}  // namespace mox
