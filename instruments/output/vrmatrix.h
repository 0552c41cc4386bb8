#pragma once
// TVrMatrix: a row (or column) of character cells, each a 5 × 7 grid of LED dots, that shows its
// Text in the built-in dot font. "%" and a code character in the text colour what follows; the
// text can scroll through the cells, driven by an owned timer. The control always takes the size
// its cells and bevel need.

#include <cstdint>
#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrpalette.h"
#include "instruments/base/vrtimer.h"
#include "instruments/output/matrixgeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrMatrix : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrMatrix(TComponent* owner);
    // Stops the timer first: no tick reaches a matrix that is going away.
    ~TVrMatrix() override;

    // The timer runs on a worker thread (handing its ticks to the user-interface thread) or on a
    // window timer.
    bool Threaded() const;
    void SetThreaded(bool value);
    TVrMatrixTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TVrMatrixTextStyle value);
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    // Any count is kept; one below 1 shows no cells.
    int Leds() const { return FLeds; }
    void SetLeds(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    TVrMatrixLedStyle LedStyle() const { return FLedStyle; }
    void SetLedStyle(TVrMatrixLedStyle value);
    bool LedsVisible() const { return FLedsVisible; }
    void SetLedsVisible(bool value);
    // Starts and stops the timer, except in design mode.
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool value);
    TVrAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TVrAlignment value);
    // The timer's period in milliseconds; a negative one stops scrolling and reads back as 0.
    int TimeInterval() const;
    void SetTimeInterval(int value);
    TVrMatrixScrollDirection ScrollDirection() const { return FScrollDirection; }
    void SetScrollDirection(TVrMatrixScrollDirection value) { FScrollDirection = value; }
    TVrBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(const TVrBevel* value) { FBevel->Assign(value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // The text without its codes, after the case conversion, and the code of each character.
    const TMatrixText& Shown() const { return FShown; }
    // The 1-based index of the character in the first cell (0 or below: blank cells first).
    std::int64_t ScrollPosition() const { return FScrollPosition; }
    // The recoloured cell bitmap, and the size of a cell.
    const TBitmap& CellBitmap() const { return *FCellBitmap; }
    TSize CellSize() const { return MatrixCellSize(FLedStyle); }
    // Where the cells go in the current size, and the owned timer.
    TMatrixLayout CellLayout() const;
    const TVrTimer& Timer() const { return *FTimer; }

    // One scroll step, as the timer makes it.
    void ScrollStep();

    // The requested size is replaced by the one the cells and the bevel need.
    void SetBounds(int left, int top, int width, int height) override;

    TNotifyEvent OnScrollDone;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    virtual void DoScrollDone();

private:
    void ParseText();
    void LoadCellBitmap();
    void PaintCells(TCanvas& canvas);

    TVrMatrixTextStyle FTextStyle = TVrMatrixTextStyle::tsUpperCase;
    TVrOrientation FOrientation = TVrOrientation::voHorizontal;
    int FLeds = 15;
    int FSpacing = 2;
    std::unique_ptr<TVrPalette> FPalette;
    TVrMatrixLedStyle FLedStyle = TVrMatrixLedStyle::ls14x20;
    bool FLedsVisible = true;
    bool FAutoScroll = false;
    TVrAlignment FAlignment = TVrAlignment::vaLeftJustify;
    TVrMatrixScrollDirection FScrollDirection = TVrMatrixScrollDirection::msdRightToLeft;
    std::unique_ptr<TVrBevel> FBevel;
    TRef<TPopupMenu> FPopupMenu;

    TMatrixText FShown;
    std::int64_t FScrollPosition = 1;
    std::unique_ptr<TBitmap> FCellBitmap;
    // Owned as a component, so that design mode reaches it; destroyed first by the destructor.
    TVrTimer* FTimer = nullptr;
};

}  // namespace mox
