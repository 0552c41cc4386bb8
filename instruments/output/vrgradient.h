#pragma once
// TVrGradient: a panel filled with a two-colour gradient running down, across, out from the
// middle or along a diagonal, in bands of a chosen thickness. With FormDrag it also serves as a
// handle: pressing the left button on it outside design mode lets the user drag the window the
// panel sits on, as if by its caption. TVrCustomGradient holds the behaviour; TVrGradient
// publishes it.

#include "instruments/base/vrcontrols.h"
#include "instruments/output/panelgeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrCustomGradient : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrCustomGradient(TComponent* owner);

    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { SetLook(FStartColor, value); }
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { SetLook(FEndColor, value); }
    // The thickness of each colour band in pixels; values below 1 are ignored.
    int ColorWidth() const { return FColorWidth; }
    void SetColorWidth(int value);
    TVrGradDirection Direction() const { return FDirection; }
    void SetDirection(TVrGradDirection value) { SetLook(FDirection, value); }
    // Whether a left-button press outside design mode moves the window the panel sits on.
    bool FormDrag() const { return FFormDrag; }
    void SetFormDrag(bool value) { FFormDrag = value; }
    // Paints EndColor where StartColor would go and the other way round.
    bool SwapColors() const { return FSwapColors; }
    void SetSwapColors(bool value) { SetLook(FSwapColors, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // The settings the picture is made from, for the panel's current size.
    TGradientSettings Settings() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    void StartFormDrag();

    TColor FStartColor = clLime;
    TColor FEndColor = clBlack;
    int FColorWidth = 1;
    TVrGradDirection FDirection = TVrGradDirection::gdUpDown;
    bool FFormDrag = false;
    bool FSwapColors = false;
    TRef<TPopupMenu> FPopupMenu;
};

class TVrGradient : public TVrCustomGradient {
    MOX_CLASS
public:
    explicit TVrGradient(TComponent* owner) : TVrCustomGradient(owner) {}
};

}  // namespace mox
