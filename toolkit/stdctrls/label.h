#pragma once
// TLabel: a caption painted on its parent, sized to its text unless told otherwise. An '&' in
// the caption underlines the next character (the accelerator of FocusControl).

#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/core/stdenums.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TLabel : public TGraphicControl {
    MOX_CLASS
public:
    explicit TLabel(TComponent* owner);
    ~TLabel() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TWinControl* FocusControl() const { return FFocusControl.get(); }
    void SetFocusControl(TWinControl* value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    // When False the label fills its rectangle with Color before drawing the text.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);

    void Loaded() override;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    // The DrawText flags for the caption with the current settings.
    int TextFlags() const;
    // Follows the text's size when AutoSize is on.
    void AdjustBounds();

    TAlignment FAlignment = TAlignment::taLeftJustify;
    bool FAutoSize = true;
    TRef<TWinControl> FFocusControl;
    TTextLayout FLayout = TTextLayout::tlTop;
    TRef<TPopupMenu> FPopupMenu;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;
};

}  // namespace mox
