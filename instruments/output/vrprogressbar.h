#pragma once
// TVrProgressBar: an integer value shown as the filled length of a horizontal or vertical bar
// inside a bevel, drawn as separate segments or as one smooth block. The segments show parts of
// a fill picture (a gradient, a plain colour or a tiled bitmap) made once for the bar's size.
// The background and bevel are the face, kept between paints: a new position puts the face back
// where the segments were and copies the new segments from the fill picture.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/output/progressbargeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

MOX_ENUM(TVrProgressBarFill, pfPlain, pfGradient, pfBitmap)

class TVrProgressBar : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrProgressBar(TComponent* owner);
    ~TVrProgressBar() override;

    TVrBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(const TVrBevel* value) { FBevel->Assign(value); }
    // Outside loading a bound that is not beyond the other is ignored, and Position follows a
    // narrowed range through SetPosition (raising OnChange). While loading the bounds are taken
    // as read, in whatever order the file holds them.
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    // Both bounds at once, so that a range may move past the current one; Position follows.
    // EVrException unless minValue < maxValue.
    void SetRange(int minValue, int maxValue);
    // Kept within MinValue..MaxValue; OnChange follows every change.
    int Position() const { return FPosition; }
    void SetPosition(int value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value) { SetFill(FStartColor, value); }
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { SetFill(FEndColor, value); }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    // Turns the bar through a right angle around its top-left corner, except while loading.
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    // Kept for the rack file; the bar does not use it.
    int Step() const { return FStep; }
    void SetStep(int value) { FStep = value; }
    // An owned copy, tiled over the bar with pfBitmap; empty shows the highlight colour.
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* value) { FBitmap->Assign(value); }
    TVrProgressBarFill FillType() const { return FFillType; }
    void SetFillType(TVrProgressBarFill value) { SetFill(FFillType, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // The bar inside the bevel, for the current size.
    TRect BarArea() const;
    // The segments the current position shows.
    std::vector<TLevelSegment> Segments() const;
    // The whole bar as last made (empty until the first paint), and whether the next paint
    // makes it again.
    const TBitmap& FillImage() const { return *FFill; }
    bool FillStale() const { return FRebuild; }
    // The face as last painted (empty until the first paint) and whether it is still current.
    const TVrFaceCache& Face() const { return FFace; }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void BackdropChanged() override;
    void Loaded() override;
    virtual void DoChange();

private:
    // A setting the fill picture shows.
    template <class T>
    void SetFill(T& field, const T& value) {
        if (field == value) return;
        field = value;
        FRebuild = true;
        RedrawControl();
    }
    // Bounds already checked: stores them and brings Position into them.
    void StoreRange(int minValue, int maxValue);
    void BitmapChanged();
    void BuildFill(const TRect& area);
    void PaintFace(TCanvas& canvas);
    TRect PaintSegments(TBitmap& image, const std::vector<TLevelSegment>& segments);

    std::unique_ptr<TVrBevel> FBevel;
    int FMaxValue = 100;
    int FMinValue = 0;
    int FPosition = 100;
    TColor FStartColor = clNavy;
    TColor FEndColor = clAqua;
    bool FSmooth = false;
    TVrOrientation FOrientation = TVrOrientation::voHorizontal;
    int FStep = 10;
    std::unique_ptr<TBitmap> FBitmap;
    TVrProgressBarFill FFillType = TVrProgressBarFill::pfGradient;
    TRef<TPopupMenu> FPopupMenu;

    std::unique_ptr<TBitmap> FFill;
    bool FRebuild = true;
    TVrFaceCache FFace;
};

}  // namespace mox
