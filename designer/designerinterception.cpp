// The designer's look at each queued message: whose message it is, and which rule takes it.
// The rules themselves live in designermouse.cpp and designerkeyboard.cpp.
#include <QScopeGuard>
#include <QWidget>

#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "toolkit/controls/form.h"

namespace mox {

namespace {

constexpr bool IsDeferrable(UINT m) {
    return (m >= WM_MOUSEMOVE && m <= WM_LBUTTONUP) || (m >= WM_NCMOUSEMOVE && m <= WM_NCLBUTTONUP);
}

constexpr bool IsDeferredCopy(UINT m) {
    return IsDeferrable(m - kDeferredMouseOffset) && m >= kDeferredMouseOffset;
}

}  // namespace

HWND TCustomFormDesigner::FormWindow() const {
    const TCustomForm* form = Form();
    return form ? form->WindowHandle() : nullptr;
}

bool TCustomFormDesigner::FormIsActive() const {
    const TCustomForm* form = Form();
    // A form embedded in another window is as active as that window lets it be.
    return form->Active() || form->Parent() != nullptr;
}

void TCustomFormDesigner::ProcessMessage(TMsg& msg) {
    const TCustomForm* form = Form();
    if (!form) {
        OnMessage(this, msg);
        return;
    }
    WatchForm(msg);
    const HWND formWindow = FormWindow();
    // The selected control may have been resized behind the designer's back (a property sheet
    // changed a label's text or font): the handles catch up once the queue comes round.
    if (!FFollowPosted && HandlesLagBehind()) {
        FFollowPosted = true;
        TApplication::PostMessage(formWindow, WM_FOLLOWCONTROL);
    }
    const UINT m = msg.message;
    if (IsDeferredCopy(m)) {
        // Copies are handled whatever happened since their original was deferred (another
        // window activated for a moment, a kind chosen): a release always ends what its press
        // started, in that order. Another designer's copies are not ours.
        if (TopWindowOf(msg.hwnd) == formWindow) HandleDeferred(msg);
        return;
    }
    // The moves and the release of a press the designer took come back to it even when
    // another window became active in between: they end the press and free the mouse.
    const bool endsHeldPress = FHoldingPress && IsDeferrable(m) && !Suspended();
    if (!endsHeldPress && (Suspended() || !FormIsActive())) {
        OnMessage(this, msg);
        return;
    }
    if (IsDeferrable(m)) {
        DeferMouse(msg);
        return;
    }
    switch (m) {
        case WM_SIZE:
            if (msg.hwnd == formWindow) UpdateGrabs();
            break;
        case WM_PAINT:
            if (msg.hwnd == formWindow && ControlCount() >= 2)
                TApplication::PostMessage(formWindow, WM_REDRAWMARKS);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_NCLBUTTONDBLCLK:
        case WM_NCRBUTTONDBLCLK:
        case WM_NCMBUTTONDBLCLK:
            DoubleClick(msg);
            break;
        case WM_RBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
            RightButtonDown(msg);
            break;
        case WM_KEYDOWN:
            KeyDown(msg);
            break;
        case WM_KEYUP:
            KeyUp(msg);
            break;
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
            RightButtonUp(msg);
            break;
        case WM_CONTEXTMENU:
            // A standard control's own menu never opens over the designer's.
            if (TopWindowOf(msg.hwnd) == formWindow &&
                !IsProtected(ControlAtMouse(msg.hwnd, msg.lParam)))
                msg.message = WM_NULL;
            break;
        case WM_REDRAWMARKS:
            if (ControlCount() >= 2) PaintAllMarks();
            break;
        case CM_ACTIVATE:
            if (msg.hwnd == formWindow && !IsProtected(form->ActiveControl())) ClearFocus();
            break;
        default:
            break;
    }
}

void TCustomFormDesigner::WatchForm(const TMsg& msg) {
    if (msg.hwnd != FormWindow()) return;
    switch (msg.message) {
        case CM_DEACTIVATE:
            // Losing the activation ends a drag even though the form is no longer active.
            CancelDrag();
            break;
        case WM_PAINT:
            // The background is the tile, whichever window is active: a rack loaded from the
            // palette shows its colour at once. The paint under way shows the rebuilt tile.
            BuildGridTile();
            break;
        case WM_FOLLOWCONTROL:
            FFollowPosted = false;
            if (HandlesLagBehind()) FGrabHandles->Refresh(false);
            break;
        default:
            break;
    }
}

bool TCustomFormDesigner::HandlesLagBehind() const {
    const TControl* c = Control();
    return FActive && FDragState == TDragState::None && c && FGrabHandles &&
           FGrabHandles->Visible() && FGrabHandles->Control() == c &&
           FGrabHandles->TargetRect() != c->BoundsRect();
}

void TCustomFormDesigner::HandleDeferred(TMsg& msg) {
    switch (msg.message - kDeferredMouseOffset) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            MouseMove(msg);
            break;
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN: {
            // The press's handling may run the queue (selecting does): the release of a fast
            // click met there waits until the press has started its drag or band, then ends it.
            FPressUnderWay = true;
            {
                const auto done = qScopeGuard([this] { FPressUnderWay = false; });
                MousePress(msg);
            }
            if (FOvertakingRelease) {
                TMsg release = *FOvertakingRelease;
                FOvertakingRelease.reset();
                MouseRelease(release);
            }
            break;
        }
        default:
            if (FPressUnderWay) {
                FOvertakingRelease = msg;
                msg.message = WM_NULL;
                break;
            }
            MouseRelease(msg);
            break;
    }
}

void TCustomFormDesigner::DeferMouse(TMsg& msg) {
    const HWND formWindow = FormWindow();
    if (TopWindowOf(msg.hwnd) != formWindow) return;
    const bool press = msg.message == WM_LBUTTONDOWN ||
                       (msg.message == WM_NCLBUTTONDOWN && msg.hwnd != formWindow);
    const bool release = msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP;
    if (press) {
        // Taken when the press arrives: the second press of a double-click comes as a press
        // of its own just before the double-click, which must be compared with the first.
        FPreviousPressPoint = FLastPressPoint;
        FLastPressPoint = msg.lParam;
    }
    TApplication::PostMessage(msg.hwnd, msg.message + kDeferredMouseOffset, msg.wParam, msg.lParam);
    if (release && FHoldingPress) {
        FHoldingPress = false;
        TApplication::Instance().ReleaseCapture();
    }
    // The form always gets its own mouse messages, and a protected control works normally.
    if (msg.hwnd == formWindow || IsProtected(ControlAtMouse(msg.hwnd, msg.lParam))) return;
    msg.message = WM_NULL;
    if (press) {
        // A press no window received leaves no window holding the mouse, and the platform
        // drops moves with the button down and the release when no window holds it: the
        // pressed window holds it until the button comes up, as if it had received the press.
        // A grab handle hides at the press, so the form holds it for a handle.
        FHoldingPress = true;
        FHoldingWindow = FGrabHandles && FGrabHandles->HandleOf(msg.hwnd) ? formWindow : msg.hwnd;
        TApplication::Instance().SetCapture(FHoldingWindow);
    }
}

void TCustomFormDesigner::ReleaseMouse() {
    TApplication& app = TApplication::Instance();
    app.ReleaseCapture();
    if (!FHoldingPress) return;
    if (!FHoldingWindow || !FHoldingWindow->isVisible()) FHoldingWindow = FormWindow();
    app.SetCapture(FHoldingWindow);
}

HWND TCustomFormDesigner::TopWindowOf(HWND window) const {
    const HWND formWindow = FormWindow();
    HWND w = window;
    while (w && w != formWindow && w->parentWidget())
        w = w->parentWidget();
    return w;
}

TWinControl* TCustomFormDesigner::FindWinControl(HWND window) const {
    const TCustomForm* form = Form();
    if (!form || !window) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* c = dynamic_cast<TWinControl*>(form->Components(i));
        if (c && c->Parent() && c->WindowHandle() == window) return c;
    }
    return nullptr;
}

TControl* TCustomFormDesigner::ControlAtMouse(HWND window, LPARAM point) const {
    if (FGrabHandles)
        if (TGrabHandle* handle = FGrabHandles->HandleOf(window)) return handle;
    TCustomForm* form = Form();
    const TPoint p{LoWord(point), HiWord(point)};
    TControl* result = FindWinControl(window);
    if (result) {
        TControl* inner = static_cast<TWinControl*>(result)->ControlAtPos(p, true);
        if (inner && inner->Owner() == form) result = inner;
    } else {
        // An inner window of a control (the editor of a drop-down list) stands for the control.
        for (HWND w = window ? window->parentWidget() : nullptr; w && !result;
             w = w->parentWidget())
            result = FindWinControl(w);
    }
    if (!result) {
        result = form->ControlAtPos(p, true);
        for (int i = form->ControlCount() - 1; i >= 0 && !result; --i) {
            TControl* c = form->Controls(i);
            if (c->Visible() && !c->Enabled() && c->BoundsRect().Contains(p)) result = c;
        }
        for (int i = 0; i < form->ControlCount() && !result; ++i) {
            TControl* c = form->Controls(i);
            if (c->Visible() && c->BoundsRect().Contains(p)) result = c;
        }
    }
    while (result && IsTransparent(result) && result != form)
        result = result->Parent();
    return result == form ? nullptr : result;
}

TControl* TCustomFormDesigner::ControlForClick(HWND window, LPARAM point) const {
    // The window that took the press keeps the release even when the mouse has left it.
    if (window && !window->rect().contains(LoWord(point), HiWord(point))) return nullptr;
    TControl* x = ControlAtMouse(window, point);
    if (FGrabHandles && x && FGrabHandles->HandleOf(window) == x) return FGrabHandles->Control();
    return x;
}

}  // namespace mox
