#pragma once
// TVrCheckLed: a check box whose box is a recessed lamp: unlit when unchecked, lit when checked,
// and a lit/unlit checker while the pointer hovers over an unchecked box. Radio-style check LEDs
// that share a parent form one group: checking one unchecks the others.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrdraw.h"
#include "instruments/base/vrpalette.h"
#include "instruments/input/buttongeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

MOX_ENUM(TVrCheckLedStyle, csRadioButton, csCheckbox)

// The box's sides stay within these.
constexpr int kMinCheckSize = 10;
constexpr int kMaxCheckSize = 40;

class TVrCheckLed : public TVrCustomImageControl {
    MOX_CLASS
public:
    explicit TVrCheckLed(TComponent* owner);
    ~TVrCheckLed() override;

    int CheckWidth() const { return FCheckWidth; }
    void SetCheckWidth(int value) { SetLook(FCheckWidth, CheckSide(value)); }
    int CheckHeight() const { return FCheckHeight; }
    void SetCheckHeight(int value) { SetLook(FCheckHeight, CheckSide(value)); }
    // A radio-style LED that becomes checked unchecks the other radio-style LEDs of its parent;
    // OnChange follows every change.
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout value) { SetLook(FLayout, value); }
    // -1 centres the box and caption together.
    int Margin() const { return FMargin; }
    void SetMargin(int value) { SetLook(FMargin, value); }
    // -1 spreads the box and caption over the control.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetLook(FSpacing, value); }
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    // Takes effect at the next check; nothing is redrawn.
    TVrCheckLedStyle CheckStyle() const { return FCheckStyle; }
    void SetCheckStyle(TVrCheckLedStyle value) { FCheckStyle = value; }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    TNotifyEvent OnChange;

    // Where the box and the caption go for the current size, font and settings.
    TImageTextPlacement Placement() const;
    TRect BoxRect() const;
    bool Hot() const { return FHot; }
    bool Tracking() const { return FTracking; }

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyPress(QChar& key) override;
    void DoMouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    virtual void DoChange();

private:
    static int CheckSide(int value) { return std::clamp(value, kMinCheckSize, kMaxCheckSize); }
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    void PaintBox(TCanvas& canvas, const TRect& box) const;
    void UncheckGroup();

    int FCheckWidth = 20;
    int FCheckHeight = 13;
    bool FChecked = false;
    TVrImageTextLayout FLayout = TVrImageTextLayout::ImageLeft;
    int FMargin = -1;
    int FSpacing = 5;
    std::unique_ptr<TVrPalette> FPalette;
    TVrCheckLedStyle FCheckStyle = TVrCheckLedStyle::csCheckbox;
    TRef<TPopupMenu> FPopupMenu;

    bool FHot = false;
    bool FTracking = false;
    bool FCheckedAtPress = false;
};

}  // namespace mox
