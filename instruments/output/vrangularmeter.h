#pragma once
// TVrAngularMeter: a round dial. A ring of three coloured zones with ticks, labels inside it, a
// caption of several lines under the centre and a triangular needle with a hub and a centre
// dot. Everything but the needle is the dial, drawn on the control's colour into a bitmap of its
// own when a setting changes; a paint starts from the dial (copied, or laid over the parent's
// pixels when transparent) and draws the needle, so a new position costs a copy and a triangle.

#include <memory>

#include "instruments/base/vrcomponent.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/output/angularmetergeometry.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TVrAngularMeter : public TVrGraphicImageControl {
    MOX_CLASS
public:
    explicit TVrAngularMeter(TComponent* owner);
    ~TVrAngularMeter() override;

    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double value);  // EVrException below MinValue, except while loading
    double MinValue() const { return FMinValue; }
    void SetMinValue(double value);  // EVrException above MaxValue, except while loading
    double Position() const { return FPosition; }
    void SetPosition(double value);  // kept within MinValue..MaxValue
    // The ranged settings keep to their ranges: Decimals, Ticks and TicksEnlarge 0 and up,
    // AngleOffset 0..360, the percentages 0..100.
    int Decimals() const { return FDecimals; }
    void SetDecimals(int value);
    int Angle() const { return FAngle; }
    void SetAngle(int value) { SetLook(FAngle, value); }
    int AngleOffset() const { return FAngleOffset; }
    void SetAngleOffset(int value);
    int Radius() const { return FRadius; }
    void SetRadius(int value) { SetLook(FRadius, value); }
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value) { SetLook(FSpacing, value); }
    int Ticks() const { return FTicks; }
    void SetTicks(int value);
    int TicksMin() const { return FTicksMin; }
    void SetTicksMin(int value) { SetLook(FTicksMin, value); }
    int TicksMax() const { return FTicksMax; }
    void SetTicksMax(int value) { SetLook(FTicksMax, value); }
    int TicksEnlarge() const { return FTicksEnlarge; }
    void SetTicksEnlarge(int value);
    TColor TicksColor() const { return FTicksColor; }
    void SetTicksColor(TColor value) { SetLook(FTicksColor, value); }
    TColor ColorZone1() const { return FColorZone1; }
    void SetColorZone1(TColor value) { SetLook(FColorZone1, value); }
    TColor ColorZone2() const { return FColorZone2; }
    void SetColorZone2(TColor value) { SetLook(FColorZone2, value); }
    TColor ColorZone3() const { return FColorZone3; }
    void SetColorZone3(TColor value) { SetLook(FColorZone3, value); }
    // Outside loading a share that would make the two exceed 100 is cut back.
    int Percent1() const { return FPercent1; }
    void SetPercent1(int value);
    int Percent2() const { return FPercent2; }
    void SetPercent2(int value);
    int Labels() const { return FLabels; }
    void SetLabels(int value) { SetLook(FLabels, value); }
    int LabelsOffset() const { return FLabelsOffset; }
    void SetLabelsOffset(int value) { SetLook(FLabelsOffset, value); }
    int NeedleLength() const { return FNeedleLength; }
    void SetNeedleLength(int value) { SetNeedleLook(FNeedleLength, value); }
    int NeedleBaseWidth() const { return FNeedleBaseWidth; }
    void SetNeedleBaseWidth(int value) { SetNeedleLook(FNeedleBaseWidth, value); }
    TColor NeedleColor() const { return FNeedleColor; }
    void SetNeedleColor(TColor value) { SetNeedleLook(FNeedleColor, value); }
    TColor CenterDotColor() const { return FCenterDotColor; }
    void SetCenterDotColor(TColor value) { SetNeedleLook(FCenterDotColor, value); }
    int CenterDotWidth() const { return FCenterDotWidth; }
    void SetCenterDotWidth(int value) { SetNeedleLook(FCenterDotWidth, value); }
    TFont* LabelsFont() const { return FLabelsFont.get(); }
    void SetLabelsFont(const TFont* value) { FLabelsFont->Assign(value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    TAngularLayout Layout() const;
    // The dial as last drawn (empty until the first paint) and whether it is still current.
    const TBitmap& Dial() const { return FDial; }
    bool DialValid() const { return FDialValid; }

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void Loaded() override;
    void BackdropChanged() override;
    virtual void DoChange();

private:
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        LookChanged();
    }
    template <class T>
    void SetNeedleLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        RedrawControl();
    }
    void LookChanged();
    void DrawDial(const TAngularLayout& layout);
    void DrawZones(TCanvas& canvas, const TAngularLayout& layout);
    void DrawTicks(TCanvas& canvas, const TAngularLayout& layout);
    void DrawLabels(TCanvas& canvas, const TAngularLayout& layout);
    void DrawCaption(TCanvas& canvas, const TAngularLayout& layout);
    void DrawFace(TBitmap& face);
    // Returns the area the needle, hub and dot may have touched.
    TRect DrawNeedle(TCanvas& canvas, const TAngularLayout& layout);

    double FMaxValue = 100.0;
    double FMinValue = 0.0;
    double FPosition = 0.0;
    int FDecimals = 2;
    int FAngle = 40;
    int FAngleOffset = 280;
    int FRadius = -1;
    int FSpacing = 45;
    int FTicks = 100;
    int FTicksMin = 5;
    int FTicksMax = 14;
    int FTicksEnlarge = 10;
    TColor FTicksColor = clWhite;
    TColor FColorZone1 = clGreen;
    TColor FColorZone2 = clBlue;
    TColor FColorZone3 = clRed;
    int FPercent1 = 60;
    int FPercent2 = 25;
    int FLabels = 10;
    int FLabelsOffset = 30;
    int FNeedleLength = -1;
    int FNeedleBaseWidth = 8;
    TColor FNeedleColor = clRed;
    TColor FCenterDotColor = clWhite;
    int FCenterDotWidth = 2;
    std::unique_ptr<TFont> FLabelsFont;
    TRef<TPopupMenu> FPopupMenu;

    TBitmap FDial;            // the dial on the control's colour
    bool FDialValid = false;  // FDial shows the current settings and size
    TVrFaceCache FFace;       // the dial over what the control starts from
};

}  // namespace mox
