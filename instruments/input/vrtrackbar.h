#pragma once
// TVrTrackBar: a windowed track bar. A bitmap thumb slides along a bevelled gutter between
// MinValue and MaxValue, with tick marks on one or both sides and a focus rectangle; with
// toFixedPoints the value snaps to multiples of Frequency. The background, gutter, ticks and focus
// rectangle are the face, kept between paints: a new position copies the face and draws the
// thumb on it.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrbitmaps.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/input/trackbargeometry.h"
#include "instruments/input/vrthumb.h"

namespace mox {

MOX_ENUM(TVrTrackBarOption, toActiveClick, toMouseClip, toHandPoint, toFixedPoints, toThumbOpaque)
using TVrTrackBarOptions = TSet<TVrTrackBarOption>;

class TVrTrackBar : public TVrCustomImageControl {
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
    int ThumbStates() const { return FThumbStates; }
    void SetThumbStates(int value);  // 1..kMaxThumbStates pictures side by side in the bitmap
    int BackImageIndex() const { return FBackImageIndex; }
    void SetBackImageIndex(int value) { SetLook(FBackImageIndex, value); }
    int ThumbImageIndex() const { return FThumbImageIndex; }
    void SetThumbImageIndex(int value);
    TVrBitmapList* BitmapList() const { return FBitmapList; }
    void SetBitmapList(TVrBitmapList* value);
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
    const TBitmap& Thumb() const { return FThumb.Bitmap(); }
    bool Dragging() const { return FThumb.Dragging(); }
    bool Hot() const { return FThumb.Hot(); }
    TVrThumbState ThumbState() const { return FThumb.State(Enabled()); }
    // The face as last painted (empty until the first paint) and whether it is still current.
    const TVrFaceCache& Face() const { return FFace; }

protected:
    void Paint() override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WPARAM& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    virtual void DoChange();

private:
    // A setting of the face's look.
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        FFace.Invalidate();
        RedrawControl();
    }
    void RangeChanged();
    void LoadThumb();
    void ThumbChanged();
    void PaintFace(TCanvas& canvas);
    void SetFromPointer(int lead);
    void SetFocused(bool value);
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
    int FThumbStates = 1;
    int FBackImageIndex = -1;
    int FThumbImageIndex = -1;
    TVrBitmapList* FBitmapList = nullptr;
    int FScaleOffset = 5;
    TColor FFocusColor = clBlack;
    int FFocusOffset = 0;
    TVrChangeLink FBitmapLink;

    TVrThumb FThumb;
    TVrFaceCache FFace;
    bool FFocused = false;
};

}  // namespace mox
