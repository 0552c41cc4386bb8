#pragma once
// TVrPowerMeter: a floating-point value shown as the fill level of a narrow vertical bar, with a
// title, labels for the two ends of the range, an engraved scale and a marker pointing at the
// level, all painted into the off-screen image. Everything but the fill, the level line and the
// marker is the face, kept between paints: a new value copies the face and draws only those.

#include <memory>

#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/output/powermetergeometry.h"
#include "toolkit/graphics/font.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

MOX_ENUM(TVrTitleAlignment, tiaTop, tiaBottom)

class TVrPowerMeter : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrPowerMeter(TComponent* owner);
    ~TVrPowerMeter() override;

    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor value) { SetLook(FFillColor, value); }
    TColor BarColor() const { return FBarColor; }
    void SetBarColor(TColor value) { SetLook(FBarColor, value); }
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor value) { SetLook(FColorShadow, value); }
    TColor ColorHighlight() const { return FColorHighlight; }
    void SetColorHighlight(TColor value) { SetLook(FColorHighlight, value); }
    // The labels' pattern: its first "%s" receives the number, the rest is shown as typed.
    QString UnitsText() const { return FUnitsText; }
    void SetUnitsText(const QString& value) { SetLook(FUnitsText, value); }

    // Outside loading a bound that would leave Value outside the range is refused, as is a bound
    // that is not a finite number. While loading the bounds and the value are taken as read, in
    // whatever order the file holds them, and the value is pulled into the range when loading
    // ends.
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double value);
    double MinValue() const { return FMinValue; }
    void SetMinValue(double value);
    // Both bounds at once, pulling Value into them: a range may move past the current value.
    // EVrException for bounds that cross or are not finite numbers.
    void SetRange(double minValue, double maxValue);
    // Kept within MinValue..MaxValue; not-a-number is ignored. OnChange follows every change.
    double Value() const { return FValue; }
    void SetValue(double value);

    int Decimals() const { return FDecimals; }
    void SetDecimals(int value);  // negative counts are ignored
    double Increment() const { return FIncrement; }
    void SetIncrement(double value);  // ignored unless a positive finite number
    bool ScaleVisible() const { return FScaleVisible; }
    void SetScaleVisible(bool value) { SetLook(FScaleVisible, value); }
    int TopOffset() const { return FTopOffset; }
    void SetTopOffset(int value) { SetLook(FTopOffset, value); }
    int BottomOffset() const { return FBottomOffset; }
    void SetBottomOffset(int value) { SetLook(FBottomOffset, value); }
    int BarWidth() const { return FBarWidth; }
    void SetBarWidth(int value);  // ignored unless positive
    // An owned copy; emptying it brings the built-in marker back.
    TBitmap* MarkerImage() const { return FMarkerImage.get(); }
    void SetMarkerImage(const TBitmap* value) { FMarkerImage->Assign(value); }
    bool MarkerVisible() const { return FMarkerVisible; }
    void SetMarkerVisible(bool value) { SetLook(FMarkerVisible, value); }
    TFont* TitleFont() const { return FTitleFont.get(); }
    void SetTitleFont(const TFont* value) { FTitleFont->Assign(value); }
    TVrTitleAlignment TitleAlignment() const { return FTitleAlignment; }
    void SetTitleAlignment(TVrTitleAlignment value) { SetLook(FTitleAlignment, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // Where the bar and the rows of values lie for the current size and settings.
    TPowerMeterLayout Layout() const;
    // The text of the label of `x`, as painted.
    QString LabelFor(double x) const;
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
    // Every setting but the value changes the face.
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        LookChanged();
    }
    void LookChanged();
    void MarkerChanged();
    // Stores a value already within the range; repaints and raises OnChange if it differs.
    void StoreValue(double value);
    // The face: background, title, labels, the empty bar, its edges and the scale.
    void PaintFace(TCanvas& canvas, const TPowerMeterLayout& layout);
    void PaintTitle(TCanvas& canvas);
    void PaintLabels(TCanvas& canvas, const TPowerMeterLayout& layout);
    void PaintBarEdges(TCanvas& canvas, const TPowerMeterLayout& layout);
    void PaintScale(TCanvas& canvas, const TPowerMeterLayout& layout, int imageHeight);
    // What the value moves: the fill (with the edges over it), the level line and the marker.
    void PaintLevel(TCanvas& canvas, const TPowerMeterLayout& layout);

    TColor FFillColor = clRed;
    TColor FBarColor = clBtnFace;
    TColor FColorShadow = clBtnShadow;
    TColor FColorHighlight = clBtnHighlight;
    QString FUnitsText = QStringLiteral("%s dB");
    double FMaxValue = 100.0;
    double FMinValue = 0.0;
    double FValue = 60.0;
    int FDecimals = 0;
    double FIncrement = 10.0;
    bool FScaleVisible = true;
    int FTopOffset = 15;
    int FBottomOffset = 10;
    int FBarWidth = 5;
    std::unique_ptr<TBitmap> FMarkerImage;
    bool FMarkerVisible = true;
    std::unique_ptr<TFont> FTitleFont;
    TVrTitleAlignment FTitleAlignment = TVrTitleAlignment::tiaTop;
    TRef<TPopupMenu> FPopupMenu;

    TVrFaceCache FFace;
};

}  // namespace mox
