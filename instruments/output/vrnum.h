#pragma once
// TVrNum: an integer shown as a row of seven-segment digits. Each place is a cell copied from a
// built-in digit strip that the palette recolours, so unlit and lit segments take Palette.Low
// and Palette.High; the black between the segments lets Color (or, when transparent, what lies
// behind) show through. A negative minimum adds a sign cell in front of the digits.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrpalette.h"
#include "instruments/output/numgeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrCustomNum : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrCustomNum(TComponent* owner);
    ~TVrCustomNum() override;

    // Pulled into kNumMinDigits..kNumMaxDigits.
    int Digits() const { return FDigits; }
    void SetDigits(int value);
    // Kept within Min..Max outside loading; OnChange follows every change.
    int Value() const { return FValue; }
    void SetValue(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TVrNumStyle Style() const { return FStyle; }
    void SetStyle(TVrNumStyle value);
    bool LeadingZero() const { return FLeadingZero; }
    void SetLeadingZero(bool value) { SetLook(FLeadingZero, value); }
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    TVrNumAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TVrNumAlignment value) { SetLook(FAlignment, value); }
    // Outside loading a limit equal to or beyond the other one is ignored, and Value follows a
    // narrowed range. While loading the limits and the value are taken as read, in whatever
    // order the file holds them, and the value is pulled into the range when loading ends.
    int Max() const { return FMax; }
    void SetMax(int value);
    int Min() const { return FMin; }
    void SetMin(int value);
    // Both limits at once, taking Value along: a range may move past the current value.
    // EVrException unless minValue < maxValue.
    void SetRange(int minValue, int maxValue);
    bool ZeroBlank() const { return FZeroBlank; }
    void SetZeroBlank(bool value) { SetLook(FZeroBlank, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // The recoloured digit strip the cells are copied from, and the size of one cell.
    const TBitmap& DigitStrip() const { return *FDigitStrip; }
    TSize CellSize() const { return FCell; }
    // Whether a sign cell leads the row: below a negative minimum, and for a negative value that
    // only limits crossed in a damaged file let through.
    bool HasSign() const { return FMin < 0 || FValue < 0; }
    // Every cell of the row for the current size and settings.
    std::vector<TNumCellPlacement> Row() const;

    // With AutoSize, a free alignment keeps the width the digits need and an alignment to the
    // top, the bottom or neither keeps the height of a cell. Files load their bounds as written.
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    virtual void DoChange();

private:
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    // Stores a value already within the range; repaints and raises OnChange if it differs.
    void StoreValue(int value);
    // Loads the strip of the current style and recolours it with the palette.
    void LoadDigitStrip();
    void PaletteChanged();
    void PaintCells(TCanvas& canvas);

    int FDigits = 4;
    int FValue = 0;
    int FSpacing = 2;
    TVrNumStyle FStyle = TVrNumStyle::ns13x24;
    bool FLeadingZero = false;
    std::unique_ptr<TVrPalette> FPalette;
    TVrNumAlignment FAlignment = TVrNumAlignment::naCenter;
    int FMax = 9999;
    int FMin = 0;
    bool FZeroBlank = false;
    TRef<TPopupMenu> FPopupMenu;

    std::unique_ptr<TBitmap> FDigitStrip;
    TSize FCell;
};

class TVrNum : public TVrCustomNum {
    MOX_CLASS
public:
    explicit TVrNum(TComponent* owner) : TVrCustomNum(owner) {}
};

}  // namespace mox
