#pragma once
// TVrTrackBar: a windowed track bar. A bitmap thumb slides along a bevelled gutter between
// MinValue and MaxValue, with tick marks on one or both sides and a focus rectangle; with
// toFixedPoints the value snaps to multiples of Frequency. The background, gutter, ticks and focus
// rectangle are the face, kept between paints: a new position copies the face and draws the
// thumb on it.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/input/trackbargeometry.h"
#include "instruments/input/vrthumbcontrol.h"

namespace mox {

MOX_ENUM(TVrTrackBarOption, toActiveClick, toMouseClip, toHandPoint, toFixedPoints, toThumbOpaque)
using TVrTrackBarOptions = TSet<TVrTrackBarOption>;

class TVrTrackBar : public TVrThumbControl {
    MOX_CLASS
public:
    explicit TVrTrackBar(TComponent* owner);
    ~TVrTrackBar() override;

    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    TVrProgressStyle Style() const { return FStyle; }
    void SetStyle(TVrProgressStyle value) { SetLook(FStyle, value); }
    TVrTrackBarOptions Options() const { return FOptions; }
    void SetOptions(TVrTrackBarOptions value) { SetLook(FOptions, value); }
    int Frequency() const { return FFrequency; }
    void SetFrequency(int value) { SetLook(FFrequency, value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { SetLook(FBorderWidth, value); }
    TVrBevel* GutterBevel() const { return FGutterBevel.get(); }
    void SetGutterBevel(const TVrBevel* value) { FGutterBevel->Assign(value); }
    int GutterWidth() const { return FGutterWidth; }
    void SetGutterWidth(int value) { SetLook(FGutterWidth, value); }
    TColor GutterColor() const { return FGutterColor; }
    void SetGutterColor(TColor value) { SetLook(FGutterColor, value); }
    TVrTickMarks TickMarks() const { return FTickMarks; }
    void SetTickMarks(TVrTickMarks value) { SetLook(FTickMarks, value); }
    TColor TickColor() const { return FTickColor; }
    void SetTickColor(TColor value) { SetLook(FTickColor, value); }
    int ScaleOffset() const { return FScaleOffset; }
    void SetScaleOffset(int value) { SetLook(FScaleOffset, value); }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { SetLook(FFocusColor, value); }
    int FocusOffset() const { return FFocusOffset; }
    void SetFocusOffset(int value) { SetLook(FFocusOffset, value); }  // negative: no rectangle

    TNotifyEvent OnChange;

    // What painting, the mouse and the keys work from.
    TSliderMapping Mapping() const;
    TRect ThumbRect() const { return ThumbRectAt(Mapping(), FPosition); }
    TRect Gutter() const;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WPARAM& key, TShiftState shift) override;
    virtual void DoChange();

private:
    QString BuiltinThumb() const override;
    void RangeChanged();
    void PaintFace(TCanvas& canvas);
    void SetFromPointer(int lead);
    bool Horizontal() const { return FOrientation == TVrOrientation::voHorizontal; }
    bool HasOption(TVrTrackBarOption option) const { return FOptions.Contains(option); }

    int FMaxValue = 100;
    int FMinValue = 0;
    int FPosition = 0;
    TVrOrientation FOrientation = TVrOrientation::voHorizontal;
    TVrProgressStyle FStyle = TVrProgressStyle::psBottomLeft;
    TVrTrackBarOptions FOptions{TVrTrackBarOption::toActiveClick, TVrTrackBarOption::toMouseClip,
                                TVrTrackBarOption::toHandPoint, TVrTrackBarOption::toThumbOpaque};
    int FFrequency = 10;
    int FBorderWidth = 10;
    std::unique_ptr<TVrBevel> FGutterBevel;
    int FGutterWidth = 9;
    TColor FGutterColor = clBlack;
    TVrTickMarks FTickMarks = TVrTickMarks::tmBoth;
    TColor FTickColor = clBlack;
    int FScaleOffset = 5;
    TColor FFocusColor = clBlack;
    int FFocusOffset = 0;
};

}  // namespace mox
