#include "toolkit/controls/wincontrol.h"

#include <QCoreApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "toolkit/controls/application.h"
#include "toolkit/controls/screen.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/core/vectors.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/brush.h"

namespace mox {

namespace {

// The window of a windowed control that paints itself through the toolkit. Input and paint
// events reach the control through the application's event filter, not through these methods.
class TWindowWidget : public QWidget {
public:
    explicit TWindowWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
    }
};

template <class T>
void MoveInList(std::vector<T*>& list, T* item, bool toEnd) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it == list.end()) return;
    list.erase(it);
    if (toEnd)
        list.push_back(item);
    else
        list.insert(list.begin(), item);
}

}  // namespace

const TClassInfo& TWinControl::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TWinControl>("TWinControl", TControl::StaticClass()).Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner), FBrush(std::make_unique<TBrush>()) {
    FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
    Destroying();
    // Leave the parent while this is still a windowed control, so the parent can let go of
    // the window too.
    if (Parent()) Parent()->RemoveControl(this);
    // A parent destroys its children, whoever owns them; each leaves its owner on the way.
    while (!FWinControls.empty() || !FControls.empty()) {
        TControl* child =
            !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
        RemoveControl(child);
        delete child;
    }
    DestroyHandle();
}

int TWinControl::ControlCount() const {
    return static_cast<int>(FControls.size() + FWinControls.size());
}

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    const auto i = static_cast<std::size_t>(index);
    return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

void TWinControl::InsertControl(TControl* control) {
    control->FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        FWinControls.push_back(win);
        FTabList.push_back(win);
        win->FTabIndex = static_cast<int>(FTabList.size()) - 1;
        // A control being read gets its window when loading ends, made once with every property
        // read instead of re-applied for each one.
        if (HandleAllocated() && !win->Loading()) {
            win->CreateHandle();
            LinkLastInTabOrder();
        }
    } else {
        FControls.push_back(control);
        InvalidateRect(control->BoundsRect());
    }
    control->ParentChanged(CM_PARENTCOLORCHANGED);
    control->ParentChanged(CM_PARENTFONTCHANGED);
    control->ParentChanged(CM_PARENTSHOWHINTCHANGED);
    if (control->FParentBiDiMode) control->FBiDiMode = BiDiMode();
    control->UpdateAnchorRules();
    if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    if (control->FParent != this) return;
    TApplication::Instance().ControlRemoved(control);
    // Looked up in both lists: a control removes itself from its destructor, when its dynamic
    // type no longer tells which kind it was.
    // Searched from the back: a parent going away removes its children last first.
    auto win = std::find(FWinControls.rbegin(), FWinControls.rend(), control);
    if (win != FWinControls.rend()) {
        TWinControl* child = *win;
        FWinControls.erase(std::next(win).base());
        if (FTabList.empty() || FTabList.back() != child) FTabIndicesStale = true;
        EraseLast(FTabList, child);
        child->DestroyHandle();
    } else {
        EraseLast(FControls, control);
        InvalidateRect(control->BoundsRect());
    }
    control->FParent = nullptr;
    if (control->Align() != TAlign::alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
    auto hits = [&](const TControl* c) {
        return c->Visible() && (c->Enabled() || allowDisabled) && c->HitTest(p);
    };
    if (allowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hits(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hits(*it)) return *it;
    return nullptr;
}

void TWinControl::ChangeZOrder(TControl* control, bool toFront) {
    if (auto* win = dynamic_cast<TWinControl*>(control)) {
        MoveInList(FWinControls, win, toFront);
        if (QWidget* w = win->WindowHandle()) toFront ? w->raise() : w->lower();
    } else {
        MoveInList(FControls, control, toFront);
        InvalidateRect(control->BoundsRect());
    }
}

HWND TWinControl::Handle() {
    if (!HandleAllocated()) CreateHandle();
    return FWidget.data();
}

TWinControl* TWinControl::FindControl(HWND window) {
    return TApplication::Instance().WindowControl(window);
}

TWinControl* TWinControl::FindNearestControl(HWND window) {
    for (QWidget* w = window; w; w = w->parentWidget()) {
        if (TWinControl* c = FindControl(w)) return c;
        // A window of its own (a dialog, say) is not part of the control it was opened from,
        // though Qt makes it that control's child; a drop-down's pop-up list is.
        if (w->isWindow() && w->windowType() != Qt::Popup) return nullptr;
    }
    return nullptr;
}

QWidget* TWinControl::CreateWidget(QWidget* parentWidget) {
    return new TWindowWidget(parentWidget);
}

void TWinControl::CreateHandle() {
    if (HandleAllocated()) return;
    QWidget* parentWidget = Parent() ? Parent()->Handle() : nullptr;
    if (Parent() && HandleAllocated()) return;  // creating the parent created this one too
    QWidget* widget = CreateWidget(parentWidget);
    FWidget = widget;
    TApplication::Instance().RegisterWindow(widget, this);
    InitWidget(widget);
    // Shown once set up: a child that is visible already asks its parent for a new layout and
    // a repaint with every setting.
    if (Parent()) widget->setVisible(Visible());
    for (TWinControl* child : FWinControls)
        child->CreateHandle();
    UpdateTabOrder();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (!HandleAllocated()) return;
    // Children read with this control waited for their windows (see InsertControl); a reader
    // ends the loading of a parent before its children's.
    bool created = false;
    for (TWinControl* child : FWinControls)
        if (!child->HandleAllocated()) {
            child->CreateHandle();
            created = true;
        }
    if (created) UpdateTabOrder();
}

void TWinControl::InitWidget(QWidget* widget) {
    widget->setMouseTracking(true);
    ApplyGeometry();
    widget->setEnabled(Enabled());
    if (Cursor() != crDefault) widget->setCursor(TScreen::Instance().CursorShape(Cursor()));
    ApplyFocusPolicy();
}

void TWinControl::WidgetDestroying(QWidget*) {}

void TWinControl::DestroyHandle() {
    if (!HandleAllocated()) return;
    for (TWinControl* child : FWinControls)
        child->DestroyHandle();
    QWidget* widget = FWidget.data();
    WidgetDestroying(widget);
    TApplication::Instance().UnregisterWindow(widget);
    FWidget = nullptr;
    delete widget;
}

void TWinControl::WidgetDestroyed() {
    FWidget = nullptr;
}

void TWinControl::ApplyGeometry() {
    if (!HandleAllocated() || !Parent()) return;
    FWidget->setGeometry(Left(), Top(), std::max(Width(), 0), std::max(Height(), 0));
}

void TWinControl::BoundsChanged(const TRect& old) {
    ApplyGeometry();
    TControl::BoundsChanged(old);
    if (old.Width() != Width() || old.Height() != Height()) Realign();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (parent && ContainsControl(parent))
        throw EInvalidOperation(QStringLiteral("Cannot make a control a child of its own child"));
    TControl::SetParent(parent);
}

void TWinControl::SetVisible(bool value) {
    if (value == Visible()) return;
    TControl::SetVisible(value);
    if (HandleAllocated() && Parent()) FWidget->setVisible(value);
}

void TWinControl::SetEnabled(bool value) {
    if (value == Enabled()) return;
    if (HandleAllocated()) FWidget->setEnabled(value);
    TControl::SetEnabled(value);
}

bool TWinControl::Showing() const {
    return HandleAllocated() && FWidget->isVisible();
}

TPoint TWinControl::ClientOrigin() const {
    if (!HandleAllocated()) return TControl::ClientOrigin();
    return TPoint::FromQPoint(FWidget->mapToGlobal(QPoint(0, 0)));
}

void TWinControl::Invalidate() {
    if (HandleAllocated()) FWidget->update();
}

void TWinControl::InvalidateRect(const TRect& rect) {
    if (HandleAllocated() && !rect.IsEmpty()) FWidget->update(rect.ToQRect());
}

void TWinControl::Update() {
    if (!HandleAllocated()) return;
    // Painting is batched per top-level window; flushing its request paints what is invalid now.
    QCoreApplication::sendPostedEvents(FWidget->window(), QEvent::UpdateRequest);
}

void TWinControl::Repaint() {
    if (HandleAllocated()) FWidget->repaint();
}

void TWinControl::SetTabStop(bool value) {
    if (value == FTabStop) return;
    FTabStop = value;
    // The order stays: Tab passes over windows that take no focus by Tab.
    ApplyFocusPolicy();
}

void TWinControl::ApplyFocusPolicy() {
    if (!HandleAllocated()) return;
    if (FTabStop)
        FWidget->setFocusPolicy(Qt::StrongFocus);
    else
        FWidget->setFocusPolicy(NativeWidget() ? Qt::ClickFocus : Qt::NoFocus);
}

int TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    Parent()->NumberTabList();
    return FTabIndex;
}

// Each child keeps its place in the tab list, so that reading it (saving a rack asks every
// control) costs nothing; only a change in the middle of the list renumbers it, once, when the
// next control asks.
void TWinControl::NumberTabList() const {
    if (!FTabIndicesStale) return;
    for (std::size_t i = 0; i < FTabList.size(); ++i)
        FTabList[i]->FTabIndex = static_cast<int>(i);
    FTabIndicesStale = false;
}

void TWinControl::SetTabOrder(int value) {
    if (!Parent()) return;
    auto& list = Parent()->FTabList;
    const int last = static_cast<int>(list.size()) - 1;
    // A loaded control is told the place it already has: nothing to relink.
    if (TabOrder() == std::clamp(value, 0, std::max(last, 0))) return;
    std::erase(list, this);
    const auto pos = static_cast<std::size_t>(std::clamp(value, 0, static_cast<int>(list.size())));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(pos), this);
    Parent()->FTabIndicesStale = true;
    Parent()->UpdateTabOrder();
}

// A control added at the end of the tab order only needs linking behind the one before it:
// relinking the whole chain on every insert made loading quadratic in the number of controls.
void TWinControl::LinkLastInTabOrder() {
    if (FTabList.empty() || !FTabList.back()->HandleAllocated()) return;
    QWidget* last = FTabList.back()->FWidget.data();
    for (auto it = FTabList.rbegin() + 1; it != FTabList.rend(); ++it)
        if ((*it)->HandleAllocated()) {
            QWidget::setTabOrder((*it)->FWidget.data(), last);
            return;
        }
}

void TWinControl::UpdateTabOrder() {
    QWidget* previous = nullptr;
    for (TWinControl* c : FTabList) {
        if (!c->HandleAllocated()) continue;
        if (previous) QWidget::setTabOrder(previous, c->FWidget.data());
        previous = c->FWidget.data();
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    Handle()->setFocus(Qt::OtherFocusReason);
}

void TWinControl::SetBevelEdges(TBevelEdges value) {
    if (value == FBevelEdges) return;
    FBevelEdges = value;
    BevelChanged();
}

void TWinControl::SetBevelInner(TBevelCut value) {
    if (value == FBevelInner) return;
    FBevelInner = value;
    BevelChanged();
}

void TWinControl::SetBevelKind(TBevelKind value) {
    if (value == FBevelKind) return;
    FBevelKind = value;
    BevelChanged();
}

void TWinControl::SetBevelOuter(TBevelCut value) {
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    BevelChanged();
}

void TWinControl::ShowCursorShape(TCursor cursor) {
    if (HandleAllocated()) WindowHandle()->setCursor(TScreen::Instance().CursorShape(cursor));
}

bool TWinControl::Focused() const {
    return HandleAllocated() && FWidget->hasFocus();
}

void TWinControl::SetCtl3D(bool value) {
    FParentCtl3D = false;
    if (value == FCtl3D) return;
    FCtl3D = value;
    Invalidate();
}

void TWinControl::SetParentCtl3D(bool value) {
    if (value == FParentCtl3D) return;
    FParentCtl3D = value;
    if (value && Parent()) {
        FCtl3D = Parent()->Ctl3D();
        Invalidate();
    }
}

void TWinControl::ParentChanged(UINT notification) {
    TControl::ParentChanged(notification);
    // What a child follows of its parent travels on down the tree.
    if (notification == CM_PARENTCOLORCHANGED || notification == CM_PARENTFONTCHANGED ||
        notification == CM_PARENTSHOWHINTCHANGED) {
        TMessage m{notification, 0, 0, 0};
        Broadcast(m);
    }
}

void TWinControl::Broadcast(TMessage& message) {
    const std::vector<TControl*> children = [this] {
        std::vector<TControl*> all(FControls.begin(), FControls.end());
        all.insert(all.end(), FWinControls.begin(), FWinControls.end());
        return all;
    }();
    for (TControl* c : children) {
        if (message.Msg == CM_PARENTCOLORCHANGED || message.Msg == CM_PARENTFONTCHANGED ||
            message.Msg == CM_PARENTSHOWHINTCHANGED)
            c->ParentChanged(message.Msg);
        else
            c->WndProc(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_COLORCHANGED:
            FBrush->SetColor(Color());
            [[fallthrough]];
        case CM_FONTCHANGED:
        case CM_SHOWHINTCHANGED: {
            // Tell the children that follow this control.
            const UINT parentNote = message.Msg == CM_COLORCHANGED  ? CM_PARENTCOLORCHANGED
                                    : message.Msg == CM_FONTCHANGED ? CM_PARENTFONTCHANGED
                                                                    : CM_PARENTSHOWHINTCHANGED;
            TMessage m{parentNote, 0, 0, 0};
            Broadcast(m);
            break;
        }
        case WM_KEYDOWN:
            KeyDown(message.WParam, CurrentShiftState());
            return;
        case WM_KEYUP:
            KeyUp(message.WParam, CurrentShiftState());
            return;
        case WM_CHAR: {
            QChar ch(static_cast<char16_t>(message.WParam));
            KeyPress(ch);
            message.WParam = ch.unicode();
            return;
        }
        default:
            break;
    }
    if (message.Msg >= WM_MOUSEMOVE && message.Msg <= WM_MBUTTONDBLCLK) {
        // Mouse messages of this window go to the captured or topmost enabled non-windowed
        // child under the point, in that child's coordinates.
        const TPoint p = PointFromLParam(message.LParam);
        TControl* target = TApplication::Instance().CaptureControl();
        if (!target || target->Parent() != this) target = ControlAtPos(p, false);
        if (target && target != this) {
            TMessage child = message;
            child.LParam = MakeLParam(p.X - target->Left(), p.Y - target->Top());
            target->WndProc(child);
            message.Result = child.Result;
            return;
        }
    }
    TControl::WndProc(message);
}

void TWinControl::KeyDown(WPARAM& key, TShiftState shift) {
    OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(WPARAM& key, TShiftState shift) {
    OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(QChar& key) {
    OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
    OnEnter(this);
}

void TWinControl::DoExit() {
    OnExit(this);
}

void TWinControl::PaintHandler(QPainter& painter, const TRect& dirty) {
    PaintWindow(painter, dirty);
    PaintControls(painter, dirty);
}

void TWinControl::PaintBehind(const TControl& child, QImage& image, const TRect& rect) {
    const auto below = std::find(FControls.begin(), FControls.end(), &child);
    const TRect dirty =
        Bounds(rect.Left + child.Left(), rect.Top + child.Top(), rect.Width(), rect.Height());
    if (below == FControls.end() || dirty.IsEmpty()) return;
    QPainter painter(&image);
    painter.translate(-child.Left(), -child.Top());
    painter.setClipRect(dirty.ToQRect());
    PaintWindow(painter, dirty);
    // The children in front of `child` are not behind it, so the list stops at it.
    const std::vector<TControl*> under(FControls.begin(), below);
    for (TControl* c : under) {
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
        const QRect bounds = c->BoundsRect().ToQRect() & dirty.ToQRect();
        if (bounds.isEmpty()) continue;
        painter.save();
        painter.setClipRect(bounds);
        painter.translate(c->Left(), c->Top());
        c->PaintInParent(painter);
        painter.restore();
    }
}

void TWinControl::PaintWindow(QPainter& painter, const TRect& dirty) {
    const TBitmap* pattern = FBrush->Bitmap();
    if (pattern && !pattern->Empty()) {
        // The painter's brush origin is the client origin, so the tiles line up with it.
        painter.fillRect(dirty.ToQRect(), QBrush(pattern->Image()));
        return;
    }
    painter.fillRect(dirty.ToQRect(), ToQColor(FBrush->Color()));
}

void TWinControl::PaintControls(QPainter& painter, const TRect& dirty) {
    for (std::size_t i = 0; i < FControls.size(); ++i) {
        TControl* c = FControls[i];
        if (!c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
        const QRect bounds = c->BoundsRect().ToQRect();
        if (!bounds.intersects(dirty.ToQRect())) continue;
        painter.save();
        painter.setClipRect(bounds.intersected(dirty.ToQRect()));
        painter.translate(c->Left(), c->Top());
        c->PaintInParent(painter);
        painter.restore();
    }
}

void TWinControl::WidgetResized(int width, int height) {
    if (width == ClientWidth() && height == ClientHeight()) return;
    const TRect old = BoundsRect();
    StoreBounds(Left(), Top(), Width() - ClientWidth() + width, Height() - ClientHeight() + height);
    TControl::BoundsChanged(old);
    Realign();
}

void TWinControl::WidgetMoved(int left, int top) {
    // Only a window on screen is moved by the user. A hidden one reports where Qt guesses its
    // frame to be, which need not be where the program put it.
    if (!WindowHandle() || !WindowHandle()->isVisible()) return;
    if (left == Left() && top == Top()) return;
    StoreBounds(left, top, Width(), Height());
    Perform(WM_WINDOWPOSCHANGED);
}

void TWinControl::Realign() {
    if (Loading()) return;
    TRect rect = ClientRect();
    AlignControls(rect);
}

void TWinControl::AlignControls(TRect& rect) {
    // Aligned children take slices of the client area in the classic order; the rest follow
    // their right and bottom anchors.
    const std::vector<TControl*> children = [this] {
        std::vector<TControl*> all(FControls.begin(), FControls.end());
        all.insert(all.end(), FWinControls.begin(), FWinControls.end());
        return all;
    }();
    for (TAlign align :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (TControl* c : children) {
            if (c->Align() != align || !c->Visible()) continue;
            switch (align) {
                case TAlign::alTop:
                    c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                    rect.Top += c->Height();
                    break;
                case TAlign::alBottom:
                    c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                    rect.Bottom -= c->Height();
                    break;
                case TAlign::alLeft:
                    c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                    rect.Left += c->Width();
                    break;
                case TAlign::alRight:
                    c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                    rect.Right -= c->Width();
                    break;
                default:
                    c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                    break;
            }
        }
    }
    const TRect client = ClientRect();
    for (TControl* c : children) {
        if (c->Align() != TAlign::alNone) continue;
        const TAnchors a = c->Anchors();
        int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
        const TPoint rules = c->FAnchorRules;
        if (a.Contains(TAnchorKind::akRight)) {
            if (a.Contains(TAnchorKind::akLeft))
                width = client.Right - rules.X - left;
            else
                left = client.Right - rules.X - width;
        }
        if (a.Contains(TAnchorKind::akBottom)) {
            if (a.Contains(TAnchorKind::akTop))
                height = client.Bottom - rules.Y - top;
            else
                top = client.Bottom - rules.Y - height;
        }
        c->SetBounds(left, top, width, height);
    }
}

}  // namespace mox
