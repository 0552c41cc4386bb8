// The designer's look at each queued message: whose message it is, and which rule takes it.
// The rules themselves live in designermouse.cpp.
#include <QWidget>

#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "toolkit/form.h"

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
    // Losing the activation must end a drag even though the form is no longer the active one.
    if (form && msg.message == CM_DEACTIVATE && msg.hwnd == FormWindow()) CancelDrag();
    if (Suspended() || !form || !FormIsActive()) {
        OnMessage(this, msg);
        return;
    }
    const HWND formWindow = FormWindow();
    const UINT m = msg.message;
    if (IsDeferrable(m)) {
        DeferMouse(msg);
        return;
    }
    if (IsDeferredCopy(m)) {
        // Another designer's copies are not ours.
        if (TopWindowOf(msg.hwnd) != formWindow) return;
        switch (m - kDeferredMouseOffset) {
            case WM_MOUSEMOVE:
            case WM_NCMOUSEMOVE:
                MouseMove(msg);
                break;
            case WM_LBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
                MousePress(msg);
                break;
            default:
                MouseRelease(msg);
                break;
        }
        return;
    }
    switch (m) {
        case WM_SIZE:
            if (msg.hwnd == formWindow) UpdateGrabs();
            break;
        case WM_PAINT:
            if (msg.hwnd != formWindow) break;
            if (ControlCount() >= 2) TApplication::PostMessage(formWindow, WM_REDRAWMARKS);
            // The paint under way shows the rebuilt tile; invalidating here would paint forever.
            if (FDisplayGrid) BuildGridTile();
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
        case WM_RBUTTONUP:
        case WM_NCRBUTTONUP:
            RightButtonUp(msg);
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
        FHoldingWindow = FGrabHandles && FGrabHandles->PositionOf(msg.hwnd) ? formWindow : msg.hwnd;
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
