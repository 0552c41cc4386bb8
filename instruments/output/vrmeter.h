#pragma once
// TVrMeter: the analog meter, a moving-coil panel meter. An arc of ticks in three coloured
// zones, labels outside them, a needle swinging from a pivot below the bottom edge and the
// caption near the bottom, all painted into the off-screen image. Everything but the needle is
// the face, kept between paints: a new position copies the face and draws the needle, with the
// caption and the frame laid over it as a full paint draws them.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrcomponent.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/output/metergeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrMeter;

// The ticks and colour zones of a meter.
class TVrMeterScale : public TVrPersistent {
    MOX_CLASS
public:
    explicit TVrMeterScale(TVrMeter& meter) : FMeter(meter) {}

    TColor Color1() const { return FSettings.Color1; }
    void SetColor1(TColor value) { SetValue(FSettings.Color1, value); }
    TColor Color2() const { return FSettings.Color2; }
    void SetColor2(TColor value) { SetValue(FSettings.Color2, value); }
    TColor Color3() const { return FSettings.Color3; }
    void SetColor3(TColor value) { SetValue(FSettings.Color3, value); }
    int Enlarge() const { return FSettings.Enlarge; }
    void SetEnlarge(int value) { SetValue(FSettings.Enlarge, value); }
    // The two zones never take more than all the ticks: outside loading a first zone that
    // would is cut back, and a second zone that would is refused.
    int Percent1() const { return FSettings.Percent1; }
    void SetPercent1(int value);
    int Percent2() const { return FSettings.Percent2; }
    void SetPercent2(int value);
    int Ticks() const { return FSettings.Ticks; }
    void SetTicks(int value) { SetValue(FSettings.Ticks, value); }
    int HeightMax() const { return FSettings.HeightMax; }
    void SetHeightMax(int value) { SetValue(FSettings.HeightMax, value); }
    int HeightMin() const { return FSettings.HeightMin; }
    void SetHeightMin(int value) { SetValue(FSettings.HeightMin, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetValue(FVisible, value); }

    const TMeterScaleSettings& Settings() const { return FSettings; }
    void Assign(const TPersistent* source) override;

private:
    TVrMeter& FMeter;
    // A new scale differs from the stream defaults in Percent1 (61) and Ticks (60), so a new
    // meter writes both.
    TMeterScaleSettings FSettings{61, 5, 60, 25, 8, 5, clGreen, clYellow, clRed};
    bool FVisible = true;
};

class TVrMeter : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrMeter(TComponent* owner);
    ~TVrMeter() override;

    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);  // EVrException below MinValue, except while loading
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);  // EVrException above MaxValue, except while loading
    int Position() const { return FPosition; }
    void SetPosition(int value);  // kept within MinValue..MaxValue
    int Angle() const { return FAngle; }
    void SetAngle(int value) { SetLook(FAngle, value); }
    TVrMeterScale* Scale() const { return FScale.get(); }
    TColor NeedleColor() const { return FNeedleColor; }
    void SetNeedleColor(TColor value) { SetLook(FNeedleColor, value); }
    int NeedleWidth() const { return FNeedleWidth; }
    void SetNeedleWidth(int value) { SetLook(FNeedleWidth, value); }
    TVrBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(const TVrBevel* value) { FBevel->Assign(value); }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetLook(FSpacing, value); }
    int Labels() const { return FLabels; }
    void SetLabels(int value) { SetLook(FLabels, value); }
    int LabelOffsetX() const { return FLabelOffsetX; }
    void SetLabelOffsetX(int value) { SetLook(FLabelOffsetX, value); }
    int LabelOffsetY() const { return FLabelOffsetY; }
    void SetLabelOffsetY(int value) { SetLook(FLabelOffsetY, value); }
    TBitmap* BackImage() const { return FBackImage.get(); }
    void SetBackImage(const TBitmap* value) { FBackImage->Assign(value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    // Where the scale lies for the current size and settings.
    TMeterLayout Layout() const;
    // The face as last painted (empty until the first paint) and whether it is still current.
    const TVrFaceCache& Face() const { return FFace; }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void BackdropChanged() override;
    virtual void DoChange();

private:
    // Every setting but the position changes the face.
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        LookChanged();
    }
    void LookChanged();
    // The face under the needle: background, back image, ticks and labels.
    void PaintFace(TCanvas& canvas, const TMeterLayout& layout);
    // The part of the face over the needle: caption and frame.
    void PaintFaceOver(TCanvas& canvas, const TMeterLayout& layout);
    void PaintTicks(TCanvas& canvas, const TMeterLayout& layout);
    void PaintLabels(TCanvas& canvas, const TMeterLayout& layout);
    void PaintNeedle(TCanvas& canvas, const TMeterLayout& layout);
    void PaintCaption(TCanvas& canvas, const TMeterLayout& layout);

    int FMaxValue = 100;
    int FMinValue = 0;
    int FPosition = 0;
    int FAngle = 40;
    std::unique_ptr<TVrMeterScale> FScale;
    TColor FNeedleColor = clSilver;
    int FNeedleWidth = 1;
    std::unique_ptr<TVrBevel> FBevel;
    int FSpacing = 20;
    int FLabels = 10;
    int FLabelOffsetX = 15;
    int FLabelOffsetY = 10;
    std::unique_ptr<TBitmap> FBackImage;
    TRef<TPopupMenu> FPopupMenu;

    TVrFaceCache FFace;
    TVrOverlay FFaceOver;
    bool FFaceOverRecorded = false;  // FFaceOver holds the caption and frame of the current face
    // The back image's pixels as the face shows them: drawing on its canvas raises no change.
    qint64 FBackImageKey = 0;
};

}  // namespace mox
