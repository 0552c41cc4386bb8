#include "toolkit/controls/control.h"

#include <QApplication>
#include <algorithm>

#include "toolkit/controls/application.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TControl::StaticClass() {
    using C = TControl;
    // The properties every control publishes; descendants publish the rest at their places.
    static const TClassInfo info =
        TClassBuilder<C>("TControl", TComponent::StaticClass())
            .Integer("Left", &C::Left, &C::SetLeft)
            .Integer("Top", &C::Top, &C::SetTop)
            .Integer("Width", &C::Width, &C::SetWidth)
            .Integer("Height", &C::Height, &C::SetHeight)
            .Cursor("Cursor", &C::Cursor, &C::SetCursor, crDefault)
            .String("Hint", &C::Hint, &C::SetHint)
            .Enumeration("HelpType", &C::HelpType, &C::SetHelpType, THelpType::htContext)
            .String("HelpKeyword", &C::HelpKeyword, &C::SetHelpKeyword)
            .Integer("HelpContext", &C::HelpContext, &C::SetHelpContext, 0)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      FFont(std::make_unique<TFont>()),
      FConstraints(std::make_unique<TSizeConstraints>()) {
    FFont->OnChange = [this](TObject* s) { FontChanged(s); };
    FConstraints->OnChange = [this](TObject* s) { ConstraintsChanged(s); };
}

TControl::~TControl() {
    Destroying();
    TApplication::Instance().ControlDestroyed(this);
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) return;
    if (parent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (FParent) FParent->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
    FConstraints->Constrain(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    const TRect old = BoundsRect();
    StoreBounds(left, top, width, height);
    BoundsChanged(old);
}

void TControl::StoreBounds(int left, int top, int width, int height) {
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    UpdateAnchorRules();
}

void TControl::BoundsChanged(const TRect& old) {
    // A non-windowed control lives in its parent's pixels: repaint where it was and where it is.
    if (FParent && FVisible) {
        FParent->InvalidateRect(old);
        FParent->InvalidateRect(BoundsRect());
    }
    Perform(WM_WINDOWPOSCHANGED);
    if (old.Width() != FWidth || old.Height() != FHeight) Resize();
    if (FParent && FAlign != TAlign::alNone) FParent->Realign();
}

void TControl::SetClientSize(int width, int height) {
    const TRect client = ClientRect();
    SetBounds(FLeft, FTop, FWidth - client.Width() + width, FHeight - client.Height() + height);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    const TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    const TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint p, const TWinControl* ancestor) const {
    if (!ancestor) ancestor = FParent;
    if (!ancestor) throw EInvalidOperation(QStringLiteral("Control has no parent window"));
    const TControl* c = this;
    while (c && c != ancestor) {
        p.X += c->FLeft;
        p.Y += c->FTop;
        c = c->FParent;
    }
    if (!c)
        throw EInvalidOperation(
            QStringLiteral("%1 is not a parent of %2").arg(ancestor->Name(), Name()));
    return p;
}

void TControl::SetVisible(bool value) {
    if (value == FVisible) return;
    VisibleChanging();
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value);
    if (FParent) {
        FParent->InvalidateRect(BoundsRect());
        if (FAlign != TAlign::alNone) FParent->Realign();
    }
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetColor(TColor value) {
    if (value != FColor) {
        FColor = value;
        FParentColor = false;
        Perform(CM_COLORCHANGED);
        Invalidate();
    } else {
        FParentColor = false;
    }
}

void TControl::SetParentColor(bool value) {
    if (value == FParentColor) return;
    FParentColor = value;
    if (value && FParent) ParentChanged(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
    if (value == FParentFont) return;
    FParentFont = value;
    if (value && FParent) ParentChanged(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged(TObject*) {
    // A font set on the control itself stops it following its parent's.
    if (!FControlState.Contains(TControlStateFlag::csReadingState)) FParentFont = false;
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::ConstraintsChanged(TObject*) {
    SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::ParentChanged(UINT notification) {
    if (!FParent) return;
    switch (notification) {
        case CM_PARENTCOLORCHANGED:
            if (FParentColor) {
                SetColor(FParent->Color());
                FParentColor = true;
            }
            break;
        case CM_PARENTFONTCHANGED:
            if (FParentFont) {
                FControlState.Include(TControlStateFlag::csReadingState);
                FFont->Assign(FParent->Font());
                FControlState.Exclude(TControlStateFlag::csReadingState);
            }
            break;
        case CM_PARENTSHOWHINTCHANGED:
            if (FParentShowHint) {
                FShowHint = FParent->ShowHint();
                Perform(CM_SHOWHINTCHANGED);
            }
            break;
        default:
            break;
    }
    Perform(notification);
}

void TControl::SetText(const QString& value) {
    if (value == GetText()) return;
    SetTextValue(value);
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetHint(const QString& value) {
    FHint = value;
}

void TControl::SetShowHint(bool value) {
    FParentShowHint = false;
    if (value == FShowHint) return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    if (value == FParentShowHint) return;
    FParentShowHint = value;
    if (value) ParentChanged(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor value) {
    if (value == FCursor) return;
    FCursor = value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode value) {
    FParentBiDiMode = false;
    FBiDiMode = value;
}

void TControl::SetParentBiDiMode(bool value) {
    FParentBiDiMode = value;
    if (value && FParent) FBiDiMode = FParent->BiDiMode();
}

void TControl::SetAlign(TAlign value) {
    if (value == FAlign) return;
    const TAlign old = FAlign;
    FAlign = value;
    // Anchors follow the alignment unless they were set to something of their own.
    if (FAnchors == AnchorsForAlign(old)) FAnchors = AnchorsForAlign(value);
    if (FParent) FParent->Realign();
}

void TControl::SetAnchors(TAnchors value) {
    if (value == FAnchors) return;
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
    if (!FParent) return;
    const TRect client = FParent->ClientRect();
    FAnchorRules = {client.Right - (FLeft + FWidth), client.Bottom - (FTop + FHeight)};
}

void TControl::BringToFront() {
    if (FParent) FParent->ChangeZOrder(this, true);
}

void TControl::SendToBack() {
    if (FParent) FParent->ChangeZOrder(this, false);
}

TWinControl* TControl::HostWindow() const {
    return FParent;
}

void TControl::PaintInParent(QPainter&) {}

void TControl::Invalidate() {
    if (FParent && FVisible) FParent->InvalidateRect(BoundsRect());
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& message) {
    if (IsMouseMessage(message.Msg)) HandleMouse(message);
}

void TControl::HandleMouse(TMessage& message) {
    const TShiftState shift = ShiftStateFromKeys(message.WParam);
    const TPoint p = PointFromLParam(message.LParam);
    auto press = [&](TMouseButton button, bool doubleClick) {
        TShiftState s = shift;
        if (doubleClick) s.Include(TShiftStateFlag::ssDouble);
        if (button == TMouseButton::mbLeft) {
            if (FControlStyle.Contains(TControlStyleFlag::csCaptureMouse))
                TApplication::Instance().SetCaptureControl(this);
            FControlState.Include(TControlStateFlag::csLButtonDown);
            if (doubleClick) {
                DblClick();
            } else if (FControlStyle.Contains(TControlStyleFlag::csClickEvents)) {
                FControlState.Include(TControlStateFlag::csClicked);
            }
        }
        MouseDown(button, s, p.X, p.Y);
    };
    auto release = [&](TMouseButton button) {
        if (button == TMouseButton::mbLeft) {
            const bool clicked = FControlState.Contains(TControlStateFlag::csClicked);
            FControlState.Exclude(TControlStateFlag::csLButtonDown);
            FControlState.Exclude(TControlStateFlag::csClicked);
            if (TApplication::Instance().CaptureControl() == this)
                TApplication::Instance().SetCaptureControl(nullptr);
            if (clicked && ClientRect().Contains(p)) Click();
        }
        MouseUp(button, shift, p.X, p.Y);
    };
    const bool doubles = FControlStyle.Contains(TControlStyleFlag::csDoubleClicks);
    switch (message.Msg) {
        case WM_LBUTTONDOWN:
            press(TMouseButton::mbLeft, false);
            break;
        case WM_LBUTTONDBLCLK:
            press(TMouseButton::mbLeft, doubles);
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            press(TMouseButton::mbRight, false);
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            press(TMouseButton::mbMiddle, false);
            break;
        case WM_LBUTTONUP:
            release(TMouseButton::mbLeft);
            break;
        case WM_RBUTTONUP:
            release(TMouseButton::mbRight);
            break;
        case WM_MBUTTONUP:
            release(TMouseButton::mbMiddle);
            break;
        case WM_MOUSEMOVE:
            MouseMove(shift, p.X, p.Y);
            break;
        default:
            break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
    OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
    OnClick(this);
}

void TControl::DblClick() {
    OnDblClick(this);
}

void TControl::Resize() {
    OnResize(this);
}

void TControl::SetName(const QString& value) {
    const auto* ownerControl = dynamic_cast<const TControl*>(Owner());
    const bool followName = FControlStyle.Contains(TControlStyleFlag::csSetCaption) && !Loading() &&
                            Name() == Text() && !(ownerControl && ownerControl->Loading());
    TComponent::SetName(value);
    if (followName) SetText(value);
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent) {
        if (FParentColor) ParentChanged(CM_PARENTCOLORCHANGED);
        if (FParentFont) ParentChanged(CM_PARENTFONTCHANGED);
        if (FParentShowHint) ParentChanged(CM_PARENTSHOWHINTCHANGED);
    }
    Invalidate();
}

TShiftState ShiftStateFromKeys(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT) s.Include(TShiftStateFlag::ssShift);
    if (keys & MK_CONTROL) s.Include(TShiftStateFlag::ssCtrl);
    if (keys & MK_LBUTTON) s.Include(TShiftStateFlag::ssLeft);
    if (keys & MK_RBUTTON) s.Include(TShiftStateFlag::ssRight);
    if (keys & MK_MBUTTON) s.Include(TShiftStateFlag::ssMiddle);
    return s;
}

TShiftState CurrentShiftState() {
    TShiftState s;
    const Qt::KeyboardModifiers mods = QApplication::queryKeyboardModifiers();
    if (mods & Qt::ShiftModifier) s.Include(TShiftStateFlag::ssShift);
    if (mods & Qt::ControlModifier) s.Include(TShiftStateFlag::ssCtrl);
    if (mods & Qt::AltModifier) s.Include(TShiftStateFlag::ssAlt);
    const Qt::MouseButtons buttons = QApplication::mouseButtons();
    if (buttons & Qt::LeftButton) s.Include(TShiftStateFlag::ssLeft);
    if (buttons & Qt::RightButton) s.Include(TShiftStateFlag::ssRight);
    if (buttons & Qt::MiddleButton) s.Include(TShiftStateFlag::ssMiddle);
    return s;
}

}  // namespace mox
