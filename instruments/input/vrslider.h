#pragma once
// TVrSlider: a windowed input instrument showing an integer value as a column (or row) of tick
// marks, lit from the minimum end up to a bitmap thumb. The user drags the thumb, clicks beside
// it (with soActiveClick) or uses Home, End and the arrow keys. The frame and the unlit ticks are
// the face, kept between paints: a new position copies the face and draws the lit ticks and the
// thumb on it.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrbitmaps.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/base/vrpalette.h"
#include "instruments/input/slidergeometry.h"
#include "instruments/input/vrthumb.h"

namespace mox {

MOX_ENUM(TVrSliderOption, soActiveClick, soMouseClip, soHandPoint, soThumbOpaque)
using TVrSliderOptions = TSet<TVrSliderOption>;

class TVrSlider : public TVrCustomImageControl {
    MOX_CLASS
public:
    explicit TVrSlider(TComponent* owner);
    ~TVrSlider() override;

    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int Position() const { return FPosition; }
    void SetPosition(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);  // negative values are ignored
    int TickWidth() const { return FTickWidth; }
    void SetTickWidth(int value);  // values below 1 are ignored
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    bool SolidFill() const { return FSolidFill; }
    void SetSolidFill(bool value);
    TVrSliderStyle Style() const { return FStyle; }
    void SetStyle(TVrSliderStyle value);
    int ThumbStates() const { return FThumbStates; }
    void SetThumbStates(int value);  // 1..kMaxThumbStates pictures side by side in the bitmap
    TVrSliderOptions Options() const { return FOptions; }
    void SetOptions(TVrSliderOptions value);
    int KeyIncrement() const { return FKeyIncrement; }
    void SetKeyIncrement(int value) { FKeyIncrement = value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);  // negative values are ignored
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value);
    TVrBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(const TVrBevel* value) { FBevel->Assign(value); }
    TVrPalette* Palette() const { return FPalette.get(); }
    void SetPalette(const TVrPalette* value) { FPalette->Assign(value); }
    int ThumbImageIndex() const { return FThumbImageIndex; }
    void SetThumbImageIndex(int value);
    int ThumbIndent() const { return FThumbIndent; }
    void SetThumbIndent(int value);  // negative values are ignored
    TVrBitmapList* BitmapList() const { return FBitmapList; }
    void SetBitmapList(TVrBitmapList* value);

    TNotifyEvent OnChange;

    // What painting and the mouse work from.
    TSliderMapping Mapping() const;
    TRect ThumbRect() const { return ThumbRectAt(Mapping(), FPosition); }
    const TBitmap& Thumb() const { return FThumb.Bitmap(); }
    // The unlit and lit tick pictures, made at the first paint after what they show changed.
    const TBitmap& UnlitTicks() const { return *FUnlit; }
    const TBitmap& LitTicks() const { return *FLit; }
    bool Dragging() const { return FThumb.Dragging(); }
    bool Hot() const { return FThumb.Hot(); }
    // The picture the thumb shows: hot under the pointer unless dragged, else dragged, else
    // disabled, else normal.
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
    // A setting the tick pictures show.
    template <class T>
    void SetRebuilt(T& field, const T& value) {
        if (field == value) return;
        field = value;
        InvalidateTicks();
        RedrawControl();
    }
    void LoadThumb();
    void InvalidateTicks() {
        FTicksStale = true;
        FFace.Invalidate();
    }
    void BuildTickImages();
    void DrawTicks(TBitmap& image, TColor color) const;
    // The face: background, frame, bevel and unlit ticks.
    void PaintFace(TCanvas& canvas);
    // The moving part: the ticks lit up to the thumb, and the thumb.
    void PaintLit(TBitmap& image, const TRect& thumb);
    int ThumbWidth() const { return FThumb.Width(); }
    int ThumbHeight() const { return FThumb.Height(); }
    void ShowThumbCursor(bool overThumb);

    int FMaxValue = 100;
    int FMinValue = 0;
    int FPosition = 0;
    int FSpacing = 1;
    int FTickWidth = 1;
    TVrOrientation FOrientation = TVrOrientation::voVertical;
    bool FSolidFill = true;
    TVrSliderStyle FStyle = TVrSliderStyle::ssBottomLeft;
    int FThumbStates = 1;
    TVrSliderOptions FOptions{TVrSliderOption::soHandPoint, TVrSliderOption::soThumbOpaque};
    int FKeyIncrement = 5;
    TColor FBorderColor = clBtnFace;
    int FBorderWidth = 1;
    TColor FFocusColor = clBlue;
    std::unique_ptr<TVrBevel> FBevel;
    std::unique_ptr<TVrPalette> FPalette;
    int FThumbImageIndex = -1;
    int FThumbIndent = 2;
    TVrBitmapList* FBitmapList = nullptr;
    TVrChangeLink FBitmapLink;

    TVrThumb FThumb;
    std::unique_ptr<TBitmap> FUnlit;
    std::unique_ptr<TBitmap> FLit;
    bool FTicksStale = true;
    TVrFaceCache FFace;
    TRect FTickArea;  // inside the frame and bevel, as the face was painted
    bool FFocused = false;
};

}  // namespace mox
