#pragma once
// TVrThumbControl: what the track bar and the switch share. A bitmap thumb taken from a shared
// bitmap list or a built-in picture, a background picture from the same list, a face kept between
// paints (frame, gutter, ticks), and the focus the face shows. It publishes nothing itself: each
// kind declares its properties in its own stream order.

#include <QString>

#include "instruments/base/vrbitmaps.h"
#include "instruments/base/vrcontrols.h"
#include "instruments/base/vrfacecache.h"
#include "instruments/input/vrthumb.h"

namespace mox {

class TVrThumbControl : public TVrCustomImageControl {
    MOX_CLASS
public:
    explicit TVrThumbControl(TComponent* owner);

    int BackImageIndex() const { return FBackImageIndex; }
    void SetBackImageIndex(int value) { SetLook(FBackImageIndex, value); }
    int ThumbImageIndex() const { return FThumbImageIndex; }
    void SetThumbImageIndex(int value);
    TVrBitmapList* BitmapList() const { return FBitmapList; }
    void SetBitmapList(TVrBitmapList* value);
    int ThumbStates() const { return FThumbStates; }
    void SetThumbStates(int value);  // 1..kMaxThumbStates pictures side by side in the bitmap

    const TBitmap& Thumb() const { return FThumb.Bitmap(); }
    bool Dragging() const { return FThumb.Dragging(); }
    bool Hot() const { return FThumb.Hot(); }
    TVrThumbState ThumbState() const { return FThumb.State(Enabled()); }
    // The face as last painted (empty until the first paint) and whether it is still current.
    const TVrFaceCache& Face() const { return FFace; }

protected:
    // A setting of the face's look.
    template <class T>
    void SetLook(T& field, const T& value) {
        if (field == value) return;
        field = value;
        FFace.Invalidate();
        RedrawControl();
    }
    // The built-in thumb picture for the current orientation.
    virtual QString BuiltinThumb() const = 0;
    // Called after the thumb was taken afresh (its size may have changed).
    virtual void ThumbLoaded() {}
    // Takes the thumb afresh from the list or the built-in picture.
    void LoadThumb();
    // The list's background picture, or none.
    const TBitmap* BackImage() const;
    // Whether the face shows the focus (the control has it).
    bool ShowsFocus() const { return FFocused; }

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void DoEnter() override;
    void DoExit() override;

    TVrThumb FThumb;
    TVrFaceCache FFace;

private:
    // The list's pictures or which one is the thumb changed (the background may be among them).
    void ThumbChanged();
    void SetFocused(bool value);

    int FBackImageIndex = -1;
    int FThumbImageIndex = -1;
    TVrBitmapList* FBitmapList = nullptr;
    int FThumbStates = 1;
    TVrChangeLink FBitmapLink;
    bool FFocused = false;
};

}  // namespace mox
