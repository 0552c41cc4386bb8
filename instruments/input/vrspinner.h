#pragma once
// TVrSpinner: a pair of auto-repeating arrow buttons, up/down or left/right, that reports each
// click of either through OnUpClick and OnDownClick; it holds no value of its own (a rack assigns
// it a numeric display by name in its Hint). A press can hand the keyboard focus to another
// control (FocusControl), as a spin edit does; with the focus itself, Space clicks the focused
// button and the arrow keys click and focus theirs.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrpalette.h"
#include "instruments/input/vrspinbutton.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrSpinner : public TVrCustomControl {
    MOX_CLASS
public:
    explicit TVrSpinner(TComponent* owner);
    ~TVrSpinner() override;

    TWinControl* FocusControl() const { return FFocusControl.get(); }
    void SetFocusControl(TWinControl* value) { FFocusControl = value; }
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // Width raised to the narrowest a spinner gets; the buttons follow every size.
    void SetBounds(int left, int top, int width, int height) override;

    // The up (or left) and down (or right) buttons, and the one Space clicks.
    TVrTimerSpinButton* FirstButton() const { return FFirst; }
    TVrTimerSpinButton* SecondButton() const { return FSecond; }
    TVrTimerSpinButton* FocusedButton() const { return FFocused; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void Paint() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void KeyDown(WPARAM& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void CreateButtons();
    TVrTimerSpinButton* CreateButton(TSpinButtonKind kind);
    void LayoutButtons(int width, int height);
    void ButtonClicked(TObject* sender);
    void ButtonPressed(TObject* sender, TMouseButton button);
    void MakeFocused(TVrTimerSpinButton* button);

    TRef<TWinControl> FFocusControl;
    TVrOrientation FOrientation = TVrOrientation::voVertical;
    std::unique_ptr<TVrPalette> FPalette;
    TRef<TPopupMenu> FPopupMenu;
    TVrTimerSpinButton* FFirst = nullptr;  // owned as components
    TVrTimerSpinButton* FSecond = nullptr;
    TVrTimerSpinButton* FFocused = nullptr;
};

}  // namespace mox
