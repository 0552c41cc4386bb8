#pragma once
// TImage: shows a picture on its parent, at its natural size, centred, stretched or scaled
// keeping its proportions.

#include <memory>

#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/graphics/picture.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TImage : public TGraphicControl {
    MOX_CLASS
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;

    // The size follows the picture.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Center() const { return FCenter; }
    void SetCenter(bool value);
    // Kept for rack files: pictures load at once here, so there is nothing to show meanwhile.
    bool IncrementalDisplay() const { return FIncrementalDisplay; }
    void SetIncrementalDisplay(bool value);
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(const TPicture* value) { FPicture->Assign(value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value);
    // Scales a picture that does not fit (or, with Stretch, any picture) keeping its
    // proportions.
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    // The bitmap's transparent colour shows what lies below.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);

    // Where the picture lands in the client area.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FAutoSize = false;
    bool FCenter = false;
    bool FIncrementalDisplay = false;
    TRef<TPopupMenu> FPopupMenu;
    bool FProportional = false;
    bool FStretch = false;
    bool FTransparent = false;
};

}  // namespace mox
