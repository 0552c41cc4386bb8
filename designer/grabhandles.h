#pragma once
// The eight grab handles around the single selected control: small child windows on the
// control's parent that the designer recognises by their window when they are pressed, and the
// set that places, shows and hides them together.

#include <array>

#include "designer/grabgeometry.h"
#include "toolkit/controls/graphiccontrol.h"

namespace mox {

class TCustomFormDesigner;
class TGrabHandles;

class TGrabHandle : public TCustomControl {
    MOX_CLASS
public:
    explicit TGrabHandle(TGrabHandles* owner);

    TGrabPosition Position() const { return FPosition; }
    void SetPosition(TGrabPosition value);
    // The bounds of the control the handle surrounds, in that control's parent's coordinates.
    TRect TargetRect() const { return FTargetRect; }
    void SetTargetRect(const TRect& value);
    bool Locked() const { return FLocked; }
    void SetLocked(bool value);
    // Gives the handle the designer's grab size and puts it at its place around the target.
    void Replace();

    TCustomFormDesigner* Designer() const;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

private:
    TGrabPosition FPosition = TGrabPosition::gpNone;
    TRect FTargetRect;
    bool FLocked = false;
};

class TGrabHandles : public TComponent {
    MOX_CLASS
public:
    // The eight handles start hidden on the designer's form.
    explicit TGrabHandles(TCustomFormDesigner* designer);

    TCustomFormDesigner* Designer() const;

    TControl* Control() const { return FControl.get(); }
    // Points the handles at a control; while enabled they follow it at once.
    void SetControl(TControl* value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    // The bounds the handles were last placed around.
    TRect TargetRect() const;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    // Places the handles around the target and shows them when one control is selected and
    // the target can be designed; `hideFirst` takes them off the screen before moving them.
    void Refresh(bool hideFirst);

    // The position of the handle whose window is `window`; gpNone for other windows.
    TGrabPosition PositionOf(HWND window) const;
    TGrabHandle* HandleOf(HWND window) const;
    // Whether `component` is one of the handles while they are meant to be visible.
    bool IsGrabHandle(const TComponent* component) const;

    TGrabHandle* Items(TGrabPosition position) const;

private:
    void ShowHandles();

    std::array<TRef<TGrabHandle>, 8> FHandles;
    TRef<TControl> FControl;
    bool FVisible = false;
    bool FEnabled = true;
};

}  // namespace mox
