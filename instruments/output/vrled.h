#pragma once
// TVrLed: a single indicator lamp with an optional caption beside, above or below it. The lamp
// is one cell of a two-cell bitmap (off on the left, on on the right): a built-in lamp
// recoloured with the palette, or the user's own Glyphs as they are. TVrCustomLed holds the
// behaviour; TVrLed publishes it.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrdraw.h"
#include "instruments/base/vrpalette.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

MOX_ENUM(TVrLedType, ltRounded, ltRectangle, ltLargeRect, ltCustom)

class TVrCustomLed : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrCustomLed(TComponent* owner);
    ~TVrCustomLed() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);  // OnChange follows every change
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    TVrLedType LedType() const { return FLedType; }
    void SetLedType(TVrLedType value);
    TVrImageTextLayout Layout() const { return FLayout; }
    void SetLayout(TVrImageTextLayout value) { SetLook(FLayout, value); }
    // -1 centres the lamp and caption together.
    int Margin() const { return FMargin; }
    void SetMargin(int value) { SetLook(FMargin, value); }
    // -1 spreads the lamp and caption over the control.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetLook(FSpacing, value); }
    // The lamp of ltCustom, an owned copy; none empties it.
    TBitmap* Glyphs() const { return FGlyphs.get(); }
    void SetGlyphs(const TBitmap* value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // The lamp bitmap as painted: a copy of Glyphs, or the built-in lamp recoloured.
    const TBitmap& Lamp() const { return *FLamp; }
    // The size of one of the lamp's two cells.
    TSize LampCell() const;
    // The colour of the lamp's pixels that let the image show through.
    TColor LampSeeThrough() const;
    // Where the lamp and the caption go for the current size, font and settings.
    TImageTextPlacement Placement() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    virtual void DoChange();

private:
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    void LoadLamp();
    void LoadBuiltinLamp();
    void LampChanged();

    bool FActive = false;
    std::unique_ptr<TVrPalette> FPalette;
    TVrLedType FLedType = TVrLedType::ltRounded;
    TVrImageTextLayout FLayout = TVrImageTextLayout::ImageLeft;
    int FMargin = -1;
    int FSpacing = 5;
    std::unique_ptr<TBitmap> FGlyphs;
    TRef<TPopupMenu> FPopupMenu;

    std::unique_ptr<TBitmap> FLamp;
    TColor FBuiltinSeeThrough = clBlack;
};

class TVrLed : public TVrCustomLed {
    MOX_CLASS
public:
    explicit TVrLed(TComponent* owner) : TVrCustomLed(owner) {}
};

}  // namespace mox
