#pragma once
// TVrScope: a strip-chart. On each tick of its owned timer it asks for one sample per channel
// (OnNeedData), adds it to that channel's history and repaints: a grid (moving with the data when
// AnimateGrid), a base line, and one trace per channel with the newest sample at the right edge.

#include <chrono>
#include <deque>
#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrtimer.h"
#include "instruments/output/scopegeometry.h"
#include "toolkit/core/collection.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrScope;

// A sample and the row it shows at, kept with it so a paint maps nothing.
struct TVrScopeSample {
    int Value = 0;
    int Row = 0;
};

// One trace: its look, and the samples it has taken, newest first (not stored in files).
class TVrChannel : public TCollectionItem {
    MOX_CLASS
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TGraphStyle Style() const { return FStyle; }
    void SetStyle(TGraphStyle value);

    // Copies the look of another channel, not its samples.
    void Assign(const TPersistent* source) override;

    const std::deque<TVrScopeSample>& History() const { return FHistory; }

private:
    friend class TVrScope;
    template <class T>
    void SetValue(T& field, T value);

    TColor FColor = clYellow;
    int FWidth = 1;
    TGraphStyle FStyle = TGraphStyle::gsLine;
    std::deque<TVrScopeSample> FHistory;
    int FRowsHeight = 0;  // the height the rows were worked out for
};

// The scope's channels; any change repaints the scope.
class TVrChannels : public TCollection {
public:
    explicit TVrChannels(TVrScope* scope);
    TVrChannel* Items(int index) const {
        return static_cast<TVrChannel*>(TCollection::Items(index));
    }
    TVrChannel* Add() { return static_cast<TVrChannel*>(TCollection::Add()); }

protected:
    std::unique_ptr<TCollectionItem> NewItem() const override;
    void Update(TCollectionItem* item) override;

private:
    TVrScope* FScope;
};

// Asks for one sample of `channel`; `value` arrives set to MinValue.
using TVrNeedDataEvent = TEvent<TObject*, int, int&>;

class TVrScope : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrScope(TComponent* owner);
    // Stops the timer first: no tick reaches a scope that is going away.
    ~TVrScope() override;

    // The timer's period in milliseconds; a negative one stops sampling and reads back as 0.
    int Interval() const;
    void SetInterval(int value);
    bool AnimateGrid() const { return FAnimateGrid; }
    void SetAnimateGrid(bool value) { FAnimateGrid = value; }
    // A bound that would empty or cross the range is ignored; a new one clears every trace.
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    // Both bounds at once, so a range may move past the current one; a crossed range raises
    // EVrException and changes nothing.
    void SetRange(int minValue, int maxValue);
    TVrChannels* Channels() const { return FChannels.get(); }
    void SetChannels(const TVrChannels* value) { FChannels->Assign(value); }
    // Pitches and steps are at least one pixel.
    int GridSize() const { return FGridSize; }
    void SetGridSize(int value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value);
    // Kept within 0..100 per cent of the height.
    int BaseOffset() const { return FBaseOffset; }
    void SetBaseOffset(int value);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value);
    // How many samples each channel keeps. Any number is stored; what is kept is also bounded by
    // what the trace can show.
    int BufferSize() const { return FBufferSize; }
    void SetBufferSize(int value) { FBufferSize = value; }
    bool Threaded() const;
    void SetThreaded(bool value);
    // Starts and stops sampling, except in design mode.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // One tick as the timer makes it: the grid moves, every channel takes a sample, and the
    // scope repaints (at most once a frame; a paint owed is made at the next tick or on stop).
    void Tick();
    int GridPhase() const { return FGridPhase; }
    int BaseLine() const { return ScopeBaseLine(Height(), FBaseOffset); }
    const TVrTimer& Timer() const { return *FTimer; }

    TVrNeedDataEvent OnNeedData;

protected:
    void Paint() override;
    void Loaded() override;

private:
    friend class TVrChannels;
    void ClearHistory();
    void PaintGrid(TCanvas& canvas);
    void PaintTrace(TCanvas& canvas, TVrChannel& channel);
    // Works the rows of `channel`'s samples out afresh when the height has changed.
    void UpdateRows(TVrChannel& channel) const;
    // How many samples a channel keeps now: BufferSize, but no more than the trace can show.
    int SamplesKept() const;

    bool FAnimateGrid = true;
    int FMaxValue = 100;
    int FMinValue = 0;
    int FGridSize = 16;
    int FGridLineWidth = 1;
    TColor FGridColor = clGreen;
    int FBaseOffset = 50;
    TColor FBaseColor = clLime;
    int FFrequency = 1;
    int FBufferSize = 999;
    bool FActive = false;
    TRef<TPopupMenu> FPopupMenu;

    std::unique_ptr<TVrChannels> FChannels;
    int FGridPhase = 0;
    bool FPainting = false;
    bool FPaintOwed = false;
    std::chrono::steady_clock::time_point FLastTickPaint;
    // Owned as a component, so that design mode reaches it; destroyed first by the destructor.
    TVrTimer* FTimer = nullptr;
};

}  // namespace mox
