#include "instruments/input/vrthumb.h"

#include <algorithm>

#include "instruments/base/vrbitmaps.h"
#include "instruments/base/vrresources.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

TVrThumb::TVrThumb() : FBitmap(std::make_unique<TBitmap>()) {}

TVrThumb::~TVrThumb() {
    Release();
}

void TVrThumb::Load(const TVrBitmapList* list, int index, const QString& builtin, int states) {
    const TBitmap* custom = list ? list->GetBitmap(index) : nullptr;
    if (custom) FBitmap->Assign(custom);
    if (!custom || FBitmap->Empty()) LoadBuiltinBitmap(*FBitmap, builtin);
    FStates = std::clamp(states, 1, kMaxThumbStates);
    FWidth = FBitmap->Width() / FStates;
}

TVrThumbState TVrThumb::State(bool enabled) const {
    using enum TVrThumbState;
    TVrThumbState state = Normal;
    if (!enabled) state = Disabled;
    if (FDragging) state = Dragging;
    if (FHot && !FDragging) state = Hot;
    return static_cast<int>(state) < FStates ? state : Normal;
}

void TVrThumb::Draw(TCanvas& canvas, const TRect& rect, bool enabled, bool opaque) const {
    const int picture = static_cast<int>(State(enabled));
    const TColor key = FBitmap->TransparentColor();
    canvas.Brush()->SetColor(key);
    canvas.Brush()->SetStyle(opaque ? TBrushStyle::bsSolid : TBrushStyle::bsClear);
    canvas.BrushCopy(rect, *FBitmap, Bounds(picture * FWidth, 0, FWidth, Height()), key);
}

bool TVrThumb::Press(TWinControl& control, const TRect& rect, TPoint at, bool horizontal,
                     bool confine) {
    if (!rect.Contains(at)) return false;
    FDragging = true;
    FGrabOffset = horizontal ? at.X - rect.Left : at.Y - rect.Top;
    if (confine) {
        const TPoint topLeft = control.ClientToScreen({0, 0});
        TApplication::Instance().ConfineCursor(
            Bounds(topLeft.X, topLeft.Y, control.ClientWidth(), control.ClientHeight()));
        FClipped = true;
    }
    return true;
}

int TVrThumb::DragLead(TPoint at, bool horizontal) const {
    return LimitCoord(horizontal ? at.X : at.Y) - FGrabOffset;
}

bool TVrThumb::SetHot(bool value) {
    if (value == FHot) return false;
    FHot = value;
    return true;
}

bool TVrThumb::Release() {
    if (FClipped) {
        TApplication::Instance().FreeCursor();
        FClipped = false;
    }
    const bool ended = FDragging;
    FDragging = false;
    return ended;
}

}  // namespace mox
