#pragma once
// TVrPowerButton: a push button that toggles Active at each click (mouse or Space) and shows it
// in a small lamp beside its caption. Its raised bevel looks pressed while the mouse button or
// Space is held over it; its outline takes the focus colour while it has the focus.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrdraw.h"
#include "instruments/base/vrpalette.h"
#include "instruments/input/buttongeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrPowerButton : public TVrCustomImageControl {
    MOX_CLASS
public:
    explicit TVrPowerButton(TComponent* owner);
    ~TVrPowerButton() override;

    // Setting it repaints; only clicks raise OnClick.
    bool Active() const { return FActive; }
    void SetActive(bool value) { SetLook(FActive, value); }
    // The lamp's size: 1 and above.
    int LedWidth() const { return FLedWidth; }
    void SetLedWidth(int value) { SetLook(FLedWidth, std::max(value, 1)); }
    int LedHeight() const { return FLedHeight; }
    void SetLedHeight(int value) { SetLook(FLedHeight, std::max(value, 1)); }
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout value) { SetLook(FLayout, value); }
    // -1 centres the lamp and caption together.
    int Margin() const { return FMargin; }
    void SetMargin(int value) { SetLook(FMargin, value); }
    // -1 spreads the lamp and caption over the face.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetLook(FSpacing, value); }
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    TColor FocusColor() const { return FColors.Focus; }
    void SetFocusColor(TColor value) { SetLook(FColors.Focus, value); }
    TColor OutlineColor() const { return FColors.Outline; }
    void SetOutlineColor(TColor value) { SetLook(FColors.Outline, value); }
    // 0..255.
    int OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(int value) { SetLook(FOutlineWidth, ByteWidth(value)); }
    TColor HighlightColor() const { return FColors.Highlight; }
    void SetHighlightColor(TColor value) { SetLook(FColors.Highlight, value); }
    TColor ShadowColor() const { return FColors.Shadow; }
    void SetShadowColor(TColor value) { SetLook(FColors.Shadow, value); }
    // 0..255.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value) { SetLook(FBevelWidth, ByteWidth(value)); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // Whether the face is drawn pressed, and whether the left button is held on the control.
    bool Pressed() const { return FPressed; }
    bool Held() const { return FHeld; }
    bool FocusedLook() const { return FFocused; }
    // Where the lamp and the caption go for the current size, font and settings.
    TImageTextPlacement Placement() const;
    TRect LedRect() const;
    // The lamp's fill: the palette's colour for Active while enabled, Color while disabled.
    TColor LedColor() const;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WPARAM& key, TShiftState shift) override;
    void KeyUp(WPARAM& key, TShiftState shift) override;
    void KeyPress(QChar& key) override;
    void DoEnter() override;
    void DoExit() override;

private:
    static int ByteWidth(int value) { return std::clamp(value, 0, 255); }
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    void SetPressed(bool value) { SetLook(FPressed, value); }

    bool FActive = false;
    int FLedWidth = 12;
    int FLedHeight = 12;
    TVrImageTextLayout FLayout = TVrImageTextLayout::ImageLeft;
    int FMargin = -1;
    int FSpacing = 5;
    std::unique_ptr<TVrPalette> FPalette;
    TPowerButtonColors FColors;
    int FOutlineWidth = 1;
    int FBevelWidth = 2;
    TRef<TPopupMenu> FPopupMenu;

    bool FFocused = false;
    bool FHeld = false;
    bool FPressed = false;
};

}  // namespace mox
