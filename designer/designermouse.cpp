// The mouse rules: press, move and release (on their deferred copies), double-clicks, the right
// button, drags of controls and handles, the rubber band, and the feedback while they last.
#include <QScopeGuard>
#include <algorithm>
#include <limits>

#include "designer/draggeometry.h"
#include "designer/draghints.h"
#include "designer/formdesigner.h"
#include "designer/grabgeometry.h"
#include "designer/grabhandles.h"
#include "designer/grid.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/hintwindow.h"
#include "toolkit/controls/screen.h"

namespace mox {

namespace {

bool IsNonClient(UINT deferred) {
    const UINT m = deferred - kDeferredMouseOffset;
    return m >= WM_NCMOUSEMOVE && m <= WM_NCLBUTTONUP;
}

// Client messages carry the keys in wParam; non-client ones carry a hit-test code instead.
bool KeyHeld(const TMsg& msg, WPARAM key, TShiftStateFlag flag) {
    if (IsNonClient(msg.message)) return CurrentShiftState().Contains(flag);
    return (msg.wParam & key) != 0;
}
bool CtrlHeld(const TMsg& msg) {
    return KeyHeld(msg, MK_CONTROL, TShiftStateFlag::ssCtrl);
}
bool ShiftHeld(const TMsg& msg) {
    return KeyHeld(msg, MK_SHIFT, TShiftStateFlag::ssShift);
}
bool LeftHeld(const TMsg& msg) {
    return KeyHeld(msg, MK_LBUTTON, TShiftStateFlag::ssLeft);
}

void ProcessPending() {
    TApplication::Instance().ProcessMessages();
}

void Swallow(TMsg& msg) {
    msg.message = WM_NULL;
}

TRect ScreenRect(const TControl* control, const TRect& client) {
    const TPoint tl = control->ClientToScreen(client.TopLeft());
    const TPoint br = control->ClientToScreen(client.BottomRight());
    return {tl.X, tl.Y, br.X, br.Y};
}

TRect Moved(const TRect& r, TPoint d) {
    return {r.Left + d.X, r.Top + d.Y, r.Right + d.X, r.Bottom + d.Y};
}

bool Overlaps(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

}  // namespace

// ---- Press

void TCustomFormDesigner::MousePress(TMsg& msg) {
    TCustomForm* form = Form();
    const HWND w = msg.hwnd;
    const HWND formWindow = FormWindow();
    if (IsNonClient(msg.message) && w == formWindow) return;  // title bar or border
    // Pending messages run below, and their handlers may destroy the control.
    TRef<TControl> x = ControlAtMouse(w, msg.lParam);
    if (CtrlHeld(msg) || (w == formWindow && !x)) {
        StartRubberBand(msg);
        return;
    }
    FDragStart = TApplication::Instance().CursorPos();
    FGrabPosition = FGrabHandles ? FGrabHandles->PositionOf(w) : TGrabPosition::gpNone;
    if (!IsProtected(x) && FGrabHandles) FGrabHandles->SetEnabled(false);
    ProcessPending();
    if (FGrabPosition != TGrabPosition::gpNone) {
        x = nullptr;
    } else if (x) {
        if (IsProtected(x)) {
            // A protected control works as in a running program.
            if (FProtectMode == TProtectMode::pmUnselect) {
                SetControl(nullptr);
                if (auto* win = dynamic_cast<TWinControl*>(x.get()); win && win->CanFocus())
                    win->SetFocus();
            }
            return;
        }
        if (x->Parent() != form) {
            Swallow(msg);  // controls nested in other controls are not designed
            return;
        }
        ClearFocus();
        if (ShiftHeld(msg)) {
            ToggleSelected(x);  // never starts a drag
            Swallow(msg);
            return;
        }
        if (IndexOf(x) < 0 || ControlCount() <= 1) {
            SetControl(x);
            if (IsLocked(x)) {
                Swallow(msg);
                return;
            }
        } else {
            AddControl(x);
            if (PruneSelection()) Swallow(msg);
        }
    } else if (w != formWindow && TopWindowOf(w) == formWindow) {
        SetControl(nullptr);
        ClearFocus();
    }
    ProcessPending();
    if (!x || IsLocked(x)) {
        const TControl* current = Control();
        if (!current || IsLocked(current) || FGrabPosition == TGrabPosition::gpNone) return;
    }
    // The release of a quick click may have been handled among the pending messages: a drag
    // started now would hold the pointer with no button down.
    if (!CurrentShiftState().Contains(TShiftStateFlag::ssLeft)) return;
    StartDrag(msg);
}

void TCustomFormDesigner::ToggleSelected(TControl* control) {
    TRef<TControl> x = control;
    if (IndexOf(x) < 0) {
        if (ControlCount() == 1) PaintMarks(Control());
        AddControl(x);
    } else if (ControlCount() >= 2) {  // the last selected control stays
        DeleteControl(x);
        if (x) x->Repaint();
        if (ControlCount() == 1) {
            EraseMarks(Control());
            Control()->Repaint();
        }
    }
    if (FGrabHandles) FGrabHandles->SetControl(Control());
    ProcessPending();
}

void TCustomFormDesigner::StartDrag(TMsg& msg) {
    TApplication& app = TApplication::Instance();
    SetCursorOverride(GrabCursor(FGrabPosition));
    TControl* c = Control();
    if (c) {
        FDragRect = c->BoundsRect();
        AddControl(c);
        DrawDragFrames();
        const TRect limit = MoveLimit(c);
        app.SetCapture(FormWindow());
        app.ConfineCursor(ScreenRect(c->Parent(), limit));
    }
    Swallow(msg);
    FDragState = TDragState::Dragging;
    if (!c) return;
    if (FGrabPosition != TGrabPosition::gpNone)
        ShowMoveSizeHintText(SizeHintText(c->BoundsRect()), true);
    else
        ShowMoveSizeHintText(MoveHintText(c->BoundsRect().TopLeft()), false);
}

TRect TCustomFormDesigner::MoveLimit(TControl* control) {
    TRect limit = control->Parent()->ClientRect();
    OnMoveLimit(this, control, limit);
    return limit;
}

TRect TCustomFormDesigner::SizeLimited(TControl* current, const TRect& rect) {
    TPoint minSize{0, 0};
    TPoint maxSize{std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    OnSizeLimit(this, current, minSize, maxSize);
    return LimitSize(rect, minSize, maxSize);
}

void TCustomFormDesigner::StartRubberBand(TMsg& msg) {
    TApplication& app = TApplication::Instance();
    TCustomForm* form = Form();
    if (FGrabHandles) FGrabHandles->SetEnabled(false);
    FBandAnchor = FBandCorner = app.CursorPos();
    FBandMoves = 0;
    SetControl(nullptr);
    // The band selects among the children of the container the press was in.
    TControl* container = FindWinControl(msg.hwnd);
    if (!container) container = form;
    while (!container->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls) &&
           container->Parent())
        container = container->Parent();
    FBandContainer = static_cast<TWinControl*>(container);
    app.ConfineCursor(ScreenRect(container, container->ClientRect()));
    app.SetCapture(FormWindow());
    FDragState = TDragState::RubberBand;
    if (IsProtected(form->ActiveControl())) ClearFocus();
    Swallow(msg);
}

// ---- Move

void TCustomFormDesigner::MouseMove(TMsg& msg) {
    TApplication& app = TApplication::Instance();
    if (ControlCount() == 0) ReleaseMouse();
    switch (FDragState) {
        case TDragState::Dragging:
            if (!LeftHeld(msg))
                CancelDrag();
            else if (Control())
                DragTo();
            break;
        case TDragState::RubberBand:
            if (!LeftHeld(msg))
                CancelDrag();
            else
                BandTo();
            break;
        case TDragState::None:
            if (!app.GetCapture()) CursorFeedback(msg);
            break;
    }
}

void TCustomFormDesigner::DragTo() {
    const TControl* c = Control();
    const TPoint cursor = TApplication::Instance().CursorPos();
    TPoint delta{cursor.X - FDragStart.X, cursor.Y - FDragStart.Y};
    if (FSnapToGrid) delta = {SnapToSteps(delta.X, FGridStep), SnapToSteps(delta.Y, FGridStep)};
    const TRect rect = DraggedRect(c->BoundsRect(), FGrabPosition, delta);
    if (rect == FDragRect) return;
    HideHint();
    FFeedback.Clear();
    FDragRect = rect;
    DrawDragFrames();
    if (FGrabPosition != TGrabPosition::gpNone) {
        ShowMoveSizeHintText(SizeHintText(FDragRect), true);
        return;
    }
    std::vector<TRect> bounds;
    for (const TControl* s : FSelection)
        bounds.push_back(s->BoundsRect());
    const TPoint leftTop = SelectionLeftTop(bounds);
    ShowMoveSizeHintText(MoveHintText({leftTop.X + FDragRect.Left - c->Left(),
                                       leftTop.Y + FDragRect.Top - c->Top()}),
                         false);
}

void TCustomFormDesigner::BandTo() {
    if (FBandMoves >= 1) FFeedback.Clear();
    FBandCorner = TApplication::Instance().CursorPos();
    // The band is anchored where the mouse first moves after the press.
    if (FBandMoves == 0) FBandAnchor = FBandCorner;
    if (FBandMoves >= 1) DrawRubberBand();
    ++FBandMoves;
}

void TCustomFormDesigner::CursorFeedback(const TMsg& msg) {
    const TControl* x = ControlAtMouse(msg.hwnd, msg.lParam);
    if (!FGrabHandles) {
        if (IsLocked(x)) SetCursorOverride(crArrow);
        return;
    }
    if (const TGrabHandle* handle = FGrabHandles->HandleOf(msg.hwnd))
        SetCursorOverride(handle->Cursor());
    else
        SetCursorOverride(IsProtected(x) ? x->Cursor() : crArrow);
}

// ---- Release

void TCustomFormDesigner::MouseRelease(TMsg& msg) {
    HideHint();
    if (IsNonClient(msg.message) && msg.hwnd == FormWindow()) return;
    switch (FDragState) {
        case TDragState::Dragging:
            FinishDrag(msg);
            break;
        case TDragState::RubberBand:
            FinishRubberBand(msg);
            break;
        case TDragState::None:
            if (!IsProtected(Control()) && FGrabHandles) {
                if (!FGrabHandles->HandleOf(msg.hwnd)) SetCursorOverride(crArrow);
                if (!FGrabHandles->Enabled()) {
                    FGrabHandles->SetEnabled(true);
                    FGrabHandles->Refresh(true);
                }
            }
            ProcessPending();
            break;
    }
}

void TCustomFormDesigner::FinishDrag(TMsg& msg) {
    TApplication& app = TApplication::Instance();
    FDragState = TDragState::None;
    FGrabPosition = TGrabPosition::gpNone;
    FFeedback.Clear();
    TRef<TControl> current = Control();
    if (ControlCount() <= 1) {
        TRect rect = Normalized(FDragRect);
        if (current) {
            rect = SizeLimited(current, rect);
            if (current && rect != current->BoundsRect()) {
                current->SetBoundsRect(rect);
                current->Repaint();
                ProcessPending();
                if (current) OnMoveSizeControl(this, current);
            }
            if (current) FDragRect = current->BoundsRect();
        }
    } else {
        const TPoint d{FDragRect.Left - current->Left(), FDragRect.Top - current->Top()};
        for (std::size_t i = 0; i < FSelection.size(); ++i) {
            TControl* c = FSelection[i];
            const TRect moved = Moved(c->BoundsRect(), d);
            if (moved == c->BoundsRect()) continue;
            c->SetBoundsRect(moved);
            PaintMarks(c);
            OnMoveSizeControl(this, c);
        }
    }
    ProcessPending();
    Swallow(msg);
    if (FGrabHandles) {
        if (!FGrabHandles->HandleOf(msg.hwnd)) SetCursorOverride(crArrow);
        FGrabHandles->SetEnabled(true);
        FGrabHandles->Refresh(true);
    } else {
        SetCursorOverride(crArrow);
    }
    ProcessPending();
    app.ReleaseCapture();
    app.FreeCursor();
}

void TCustomFormDesigner::FinishRubberBand(TMsg& msg) {
    TApplication& app = TApplication::Instance();
    FDragState = TDragState::None;
    FFeedback.Clear();
    Suspend();
    auto resume = qScopeGuard([this] { Resume(); });
    TWinControl* container = FBandContainer;
    if (container) {
        const TRect band = Normalized({FBandAnchor.X, FBandAnchor.Y, FBandCorner.X, FBandCorner.Y});
        const TPoint tl = container->ScreenToClient(band.TopLeft());
        const TPoint br = container->ScreenToClient(band.BottomRight());
        const TRect area{tl.X, tl.Y, br.X, br.Y};
        // Adding runs pending messages, which may change the children.
        for (int i = 0; i < container->ControlCount(); ++i) {
            TControl* c = container->Controls(i);
            if (IsTransparent(c) || IsProtected(c) || !c->Visible() || !container->Showing())
                continue;
            if (Overlaps(c->BoundsRect(), area)) AddControl(c);
        }
    }
    if (container && ControlCount() >= 2) {
        PaintAllMarks();
    } else if (FGrabHandles) {
        FGrabHandles->SetEnabled(true);
        FGrabHandles->Refresh(false);
    }
    Resume();
    resume.dismiss();
    if (TCustomForm* form = Form()) form->Invalidate();
    ProcessPending();
    Swallow(msg);
    app.ReleaseCapture();
    app.FreeCursor();
}

// ---- Ending a drag without applying it

void TCustomFormDesigner::CancelDrag() {
    if (!FActive || FDragState == TDragState::None) return;
    FFeedback.Clear();
    ReleaseMouse();
    TApplication::Instance().FreeCursor();
    HideHint();
    FDragState = TDragState::None;
    if (FGrabHandles) FGrabHandles->SetVisible(Control() != nullptr);
    if (const TControl* c = Control()) FDragRect = c->BoundsRect();
}

// ---- Double-click and right button

void TCustomFormDesigner::DoubleClick(TMsg& msg) {
    const HWND formWindow = FormWindow();
    if (msg.lParam != FPreviousPressPoint) {
        // The mouse moved between the clicks: not a double-click on anything.
        if (msg.hwnd != formWindow) Swallow(msg);
        return;
    }
    TControl* x = ControlForClick(msg.hwnd, msg.lParam);
    if (!x || IsProtected(x)) return;
    TRef<TControl> alive = x;
    ProcessPending();
    // The second press has started a drag by now; the handler (a dialog, say) must not run
    // with the pointer held and confined.
    CancelDrag();
    if (alive && (msg.message == WM_LBUTTONDBLCLK || msg.message == WM_NCLBUTTONDBLCLK))
        OnControlDblClick(this, x);
    Swallow(msg);
}

void TCustomFormDesigner::RightButtonDown(TMsg& msg) {
    TControl* x = ControlForClick(msg.hwnd, msg.lParam);
    if (!x) return;
    if (IsProtected(x)) {
        FRightClickTarget = nullptr;
        return;
    }
    if (x->Parent() != Form()) {
        Swallow(msg);
        return;
    }
    FRightClickTarget = x;
    if (IndexOf(x) < 0) SetControl(x);
}

void TCustomFormDesigner::RightButtonUp(TMsg& msg) {
    if (!FRightClickTarget || ControlForClick(msg.hwnd, msg.lParam) != FRightClickTarget) return;
    if (FPopupMenu) {
        Suspend();
        const auto resume = qScopeGuard([this] { Resume(); });
        const TPoint at = TApplication::Instance().CursorPos();
        FPopupMenu->Popup(at.X, at.Y);
    }
    Swallow(msg);
}

// ---- Feedback

void TCustomFormDesigner::DrawDragFrames() {
    TControl* c = Control();
    if (!c || !c->Parent()) return;
    const TPoint d{FDragRect.Left - c->Left(), FDragRect.Top - c->Top()};
    for (const TControl* s : FSelection)
        FFeedback.DrawFrame(c->Parent(), s == c ? FDragRect : Moved(s->BoundsRect(), d));
}

void TCustomFormDesigner::DrawRubberBand() {
    TCustomForm* form = Form();
    if (!form) return;
    FFeedback.DrawBand(form, form->ScreenToClient(FBandAnchor), form->ScreenToClient(FBandCorner));
}

void TCustomFormDesigner::ShowMoveSizeHintText(const QString& text, bool sizing) {
    if (!FShowMoveSizeHint) return;
    const TRect size = FHintWindow->CalcHintRect(kHintMaxWidth, text);
    const TPoint at = HintOrigin(TApplication::Instance().CursorPos(), sizing);
    FHintWindow->ActivateHint(Bounds(at.X, at.Y, size.Width(), size.Height()), text);
}

void TCustomFormDesigner::HideHint() {
    FHintWindow->ReleaseHandle();
}

void TCustomFormDesigner::SetCursorOverride(TCursor cursor) {
    TScreen::Instance().SetCursor(cursor);
}

}  // namespace mox
