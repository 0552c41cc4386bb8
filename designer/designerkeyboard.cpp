// The keyboard rules: Tab walks the selection, Escape cancels or steps out, the arrow keys
// select, move or resize; every other key is offered to the designer's key events.
#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "designer/keyboardsteps.h"
#include "toolkit/controls/form.h"

namespace mox {

namespace {

void Swallow(TMsg& msg) {
    msg.message = WM_NULL;
}

}  // namespace

void TCustomFormDesigner::KeyDown(TMsg& msg) {
    const TCustomForm* form = Form();
    // A protected control with the focus keeps its keys: the caret of an edit box moves.
    if (FProtectMode == TProtectMode::pmLockKeyboard && IsProtected(form->ActiveControl())) return;
    const TShiftState shift = CurrentShiftState();
    const bool shiftHeld = shift.Contains(TShiftStateFlag::ssShift);
    const WPARAM key = msg.wParam;
    if (key == VK_TAB) {
        SetControl(FindNextControl(!shiftHeld));
        if (Control()) Swallow(msg);
    } else if (key == VK_ESCAPE) {
        if (FDragState != TDragState::None)
            CancelDrag();
        else
            SetControl(SelectableAncestor(Control()));
    } else if (IsArrowKey(key)) {
        KeyboardStep(key, KeyboardModeFor(shiftHeld, shift.Contains(TShiftStateFlag::ssCtrl)));
        if (Control()) Swallow(msg);
    } else if (OnKeyDown) {
        WPARAM changed = key & 0xFFFF;
        OnKeyDown(this, changed, shift);
        msg.wParam = changed;
    }
}

void TCustomFormDesigner::KeyUp(TMsg& msg) {
    const WPARAM key = msg.wParam;
    if (key == VK_TAB || IsArrowKey(key)) {
        Swallow(msg);
    } else if (OnKeyUp) {
        WPARAM changed = key & 0xFFFF;
        OnKeyUp(this, changed, CurrentShiftState());
        msg.wParam = changed;
    }
}

TControl* TCustomFormDesigner::SelectableAncestor(const TControl* control) const {
    if (!control) return nullptr;
    const TCustomForm* form = Form();
    for (TControl* c = control->Parent(); c && c != form; c = c->Parent())
        if (!IsLocked(c) && !IsTransparent(c) && !IsProtected(c)) return c;
    return nullptr;
}

void TCustomFormDesigner::KeyboardStep(WPARAM arrow, TKeyboardMode mode) {
    if (mode == TKeyboardMode::Nudge && Control()) PruneSelection();
    const int count = ControlCount();
    if (count == 0) return;
    if (mode == TKeyboardMode::Select) {
        SetControl(FindNextControl(IsForwardArrow(arrow)));
        return;
    }
    for (int i = 0; i < count && i < ControlCount(); ++i) {
        TRef<TControl> c = FSelection[static_cast<std::size_t>(i)];
        // Locked controls are never moved or resized, whichever way the user asks.
        if (IsLocked(c)) continue;
        const TRect bounds = c->BoundsRect();
        TRect rect = SteppedRect(bounds, mode, arrow, FGridStep);
        if (c->Parent()) {
            if (mode == TKeyboardMode::Resize)
                rect = SizeLimited(Control(), rect);
            else
                rect = KeptInside(rect, MoveLimit(c), FGrabSize / 2);
        }
        if (!c || rect == bounds) continue;
        c->SetBoundsRect(rect);
        if (ControlCount() >= 2) PaintMarks(c);
        if (FGrabHandles) FGrabHandles->Refresh(false);
        TApplication::Instance().ProcessMessages();
        if (c) OnMoveSizeControl(this, c);
    }
}

TControl* TCustomFormDesigner::FindNextControl(bool forward) const {
    const TCustomForm* form = Form();
    if (!form) return nullptr;
    const int n = form->ComponentCount();
    if (n == 0) return nullptr;
    const TControl* current = Control();
    int start = current && current->Owner() == form ? current->ComponentIndex() : -1;
    if (start < 0) start = forward ? n - 1 : 0;
    int i = start;
    do {
        i = forward ? (i + 1) % n : (i == 0 ? n : i) - 1;
        auto* c = dynamic_cast<TControl*>(form->Components(i));
        if (c && c != current && IsTabStop(c)) return c;
    } while (i != start);
    return nullptr;
}

bool TCustomFormDesigner::IsTabStop(const TControl* c) const {
    const TCustomForm* form = Form();
    // Only the form's own children can be selected; a control inside another one would clear
    // the selection and start the walk over.
    if (c->Parent() != form || !c->Visible()) return false;
    if (FGrabHandles && FGrabHandles->IsGrabHandle(c)) return false;
    return !IsTransparent(c) && !IsProtected(c);
}

}  // namespace mox
