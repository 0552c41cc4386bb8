#pragma once
// TVrSwitch: a windowed multi-position selector. A bitmap thumb rests in one of Positions equally
// spaced slots, each one thumb long (the control sizes itself along its axis to fit them); Offset
// is the selected slot. The user drags the thumb from slot to slot, clicks a slot, or uses Home,
// End and the arrow keys. The frame, bevel and background picture are the face, kept between
// paints: a new slot copies the face and draws the thumb on it.

#include <memory>

#include "instruments/base/vrbevel.h"
#include "instruments/input/switchgeometry.h"
#include "instruments/input/vrthumbcontrol.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

MOX_ENUM(TVrSwitchOption, soActiveClick, soMouseClip, soHandPoint, soThumbOpaque)
using TVrSwitchOptions = TSet<TVrSwitchOption>;

class TVrSwitch : public TVrThumbControl {
    MOX_CLASS
public:
    explicit TVrSwitch(TComponent* owner);
    ~TVrSwitch() override;

    int Positions() const { return FPositions; }
    void SetPositions(int value);  // values below 1 are ignored
    int Offset() const { return FOffset; }
    void SetOffset(int value);
    TVrOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TVrOrientation value);
    int ThumbIndent() const { return FThumbIndent; }
    void SetThumbIndent(int value);  // negative values are ignored
    TVrProgressStyle Style() const { return FStyle; }
    void SetStyle(TVrProgressStyle value) { SetLook(FStyle, value); }
    TVrBevel* Bevel() const { return FBevel.get(); }
    void SetBevel(const TVrBevel* value) { FBevel->Assign(value); }
    TVrSwitchOptions Options() const { return FOptions; }
    void SetOptions(TVrSwitchOptions value) { SetLook(FOptions, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { SetLook(FBorderColor, value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);  // negative values are ignored
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { SetLook(FFocusColor, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }

    TNotifyEvent OnChange;

    // What painting, the mouse and the keys work from.
    TSliderMapping Mapping() const;
    TRect ThumbRect() const { return ThumbRectAt(Mapping(), FOffset); }

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(WPARAM& key, TShiftState shift) override;
    virtual void DoChange();
    void ThumbLoaded() override;

private:
    QString BuiltinThumb() const override;
    // Makes each slot one thumb long, keeping Left and Top.
    void SizeToSlots();
    void PaintFace(TCanvas& canvas);
    bool Horizontal() const { return FOrientation == TVrOrientation::voHorizontal; }
    bool HasOption(TVrSwitchOption option) const { return FOptions.Contains(option); }

    int FPositions = 4;
    int FOffset = 0;
    TVrOrientation FOrientation = TVrOrientation::voVertical;
    int FThumbIndent = 1;
    TVrProgressStyle FStyle = TVrProgressStyle::psBottomLeft;
    std::unique_ptr<TVrBevel> FBevel;
    TVrSwitchOptions FOptions{TVrSwitchOption::soActiveClick, TVrSwitchOption::soMouseClip,
                              TVrSwitchOption::soHandPoint, TVrSwitchOption::soThumbOpaque};
    TColor FBorderColor = clBtnFace;
    int FBorderWidth = 1;
    TColor FFocusColor = clBlue;
    TRef<TPopupMenu> FPopupMenu;
};

}  // namespace mox
