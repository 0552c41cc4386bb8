#include "toolkit/controls/application.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

#include "toolkit/controls/form.h"
#include "toolkit/controls/screen.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/graphics/colors.h"

namespace mox {

namespace {

// A posted message travels through Qt's queue as this event, so it keeps its place among the
// program's other events.
const QEvent::Type kPostedMessageType = static_cast<QEvent::Type>(QEvent::registerEventType());

class TPostedMessage : public QEvent {
public:
    explicit TPostedMessage(const TMsg& msg) : QEvent(kPostedMessageType), Msg(msg) {}
    TMsg Msg;
};

WPARAM MouseKeys(const QMouseEvent* e) {
    WPARAM keys = 0;
    if (e->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton) keys |= MK_RBUTTON;
    if (e->buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

// The message number of a mouse event; 0 for buttons the message model has no number for.
UINT MouseMessageNumber(const QMouseEvent* e) {
    if (e->type() == QEvent::MouseMove) return WM_MOUSEMOVE;
    int offset = 0;  // down
    if (e->type() == QEvent::MouseButtonRelease) offset = 1;
    if (e->type() == QEvent::MouseButtonDblClick) offset = 2;
    switch (e->button()) {
        case Qt::LeftButton:
            return WM_LBUTTONDOWN + offset;
        case Qt::RightButton:
            return WM_RBUTTONDOWN + offset;
        case Qt::MiddleButton:
            return WM_MBUTTONDOWN + offset;
        default:
            return 0;
    }
}

// Mouse input that must keep its order behind a press being judged.
bool HoldsBack(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

std::uint32_t Now() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

}  // namespace

class TApplication::EventFilter : public QObject {
public:
    explicit EventFilter(TApplication& app) : QObject(qApp), FApp(app) {}
    bool eventFilter(QObject* receiver, QEvent* event) override {
        return FApp.Filter(receiver, event);
    }

private:
    TApplication& FApp;
};

TApplication& TApplication::Instance() {
    static TApplication app;
    if (!app.FFilter && QCoreApplication::instance()) {
        app.FFilter = new EventFilter(app);
        qApp->installEventFilter(app.FFilter);
    }
    return app;
}

TApplication::TApplication() = default;

TApplication::~TApplication() = default;

QString TApplication::ExeDir() const {
    return QCoreApplication::applicationDirPath();
}

void TApplication::SetTitle(const QString& value) {
    FTitle = value;
    // The name, not the display name: Qt appends a display name to every window title.
    QCoreApplication::setApplicationName(value);
}

void TApplication::FormCreated(TCustomForm* form) {
    if (!FMainForm) FMainForm = form;
}

void TApplication::FormDestroyed(TCustomForm* form) {
    if (FMainForm == form) FMainForm = nullptr;
}

int TApplication::AddMessageHook(TMessageHook hook) {
    FHooks.emplace_back(FNextHookId, std::move(hook));
    return FNextHookId++;
}

void TApplication::RemoveMessageHook(int id) {
    std::erase_if(FHooks, [id](const auto& h) { return h.first == id; });
}

void TApplication::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TApplication& app = Instance();
    const TMsg msg{window, message, wParam, lParam, Now(), app.FCursorPos};
    QObject* receiver = window ? static_cast<QObject*>(window) : QCoreApplication::instance();
    QCoreApplication::postEvent(receiver, new TPostedMessage(msg));
}

LRESULT TApplication::SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TWinControl* control = Instance().WindowControl(window);
    return control ? control->Perform(message, wParam, lParam) : 0;
}

void TApplication::Run() {
    if (FMainForm) FMainForm->Show();
    FTerminated = false;
    QApplication::exec();
}

void TApplication::Terminate() {
    FTerminated = true;
    QCoreApplication::quit();
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(nullptr, e);
        return;
    }
    const auto* ours = dynamic_cast<const Exception*>(&e);
    const QString text = ours ? ours->Message() : QString::fromUtf8(e.what());
    MessageBox(text, FTitle, MB_OK | MB_ICONERROR);
}

HWND TApplication::GetCapture() const {
    return QWidget::mouseGrabber();
}

HWND TApplication::SetCapture(HWND window) {
    HWND previous = GetCapture();
    if (window && window != previous) window->grabMouse();
    return previous;
}

void TApplication::ReleaseCapture() {
    FCaptureControl = nullptr;
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

TControl* TApplication::MouseControl() const {
    return FMouseControl.get();
}

TControl* TApplication::CaptureControl() const {
    return FCaptureControl.get();
}

void TApplication::SetCaptureControl(TControl* control) {
    if (!control) {
        ReleaseCapture();
        return;
    }
    TWinControl* host = control->HostWindow();
    if (!host) return;
    FCaptureControl = control;
    SetCapture(host->Handle());
}

TPoint TApplication::Confined(TPoint p) const {
    if (!FConfined) return p;
    p.X = std::clamp(p.X, FConfineRect.Left, std::max(FConfineRect.Left, FConfineRect.Right - 1));
    p.Y = std::clamp(p.Y, FConfineRect.Top, std::max(FConfineRect.Top, FConfineRect.Bottom - 1));
    return p;
}

TPoint TApplication::CursorPos() const {
    return FCursorPos;
}

void TApplication::SetCursorPos(TPoint p) {
    FCursorPos = Confined(p);
    QCursor::setPos(FCursorPos.ToQPoint());
}

void TApplication::ConfineCursor(const TRect& screenRect) {
    FConfined = true;
    FConfineRect = screenRect;
    FCursorPos = Confined(FCursorPos);
}

void TApplication::FreeCursor() {
    FConfined = false;
}

void TApplication::RegisterWindow(QWidget* widget, TWinControl* control) {
    FWindows.insert(widget, control);
}

void TApplication::UnregisterWindow(QWidget* widget) {
    FWindows.remove(widget);
}

void TApplication::ControlRemoved(TControl* control) {
    if (FCaptureControl.get() == control) ReleaseCapture();
    if (FMouseControl.get() == control) FMouseControl = nullptr;
}

void TApplication::ControlDestroyed(TControl* control) {
    ControlRemoved(control);
}

bool TApplication::PreDispatch(TMsg& msg) {
    // Hooks may add or remove hooks while they run: call them from a copy.
    const auto hooks = FHooks;
    for (const auto& [id, hook] : hooks) {
        hook(msg);
        if (msg.message == WM_NULL) return false;
    }
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    return !handled && msg.message != WM_NULL;
}

void TApplication::Dispatch(TWinControl* control, TMsg& msg) {
    TMessage m{msg.message, msg.wParam, msg.lParam, 0};
    control->WndProc(m);
}

bool TApplication::Filter(QObject* receiver, QEvent* event) {
    // Exceptions must not travel through Qt's event loop: report them here, as the classic
    // loop does for an exception raised by a message handler.
    try {
        if (FJudgingPress && receiver->isWindowType() && HoldsBack(event->type())) {
            // Handlers of the press may run the queue (activation redraws the designer's
            // handles): a release met there would overtake its press and be lost.
            FHeldInput.emplace_back(static_cast<QWindow*>(receiver), event->clone());
            return true;
        }
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (receiver->isWindowType())
                    return FilterWindowPress(static_cast<QWindow*>(receiver), event);
                [[fallthrough]];
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
                return receiver->isWidgetType() &&
                       FilterMouse(static_cast<QWidget*>(receiver), event);
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return receiver->isWidgetType() &&
                       FilterKey(static_cast<QWidget*>(receiver), event);
            case QEvent::Paint:
                return receiver->isWidgetType() &&
                       FilterPaint(static_cast<QWidget*>(receiver), event);
            case QEvent::Resize:
                if (TWinControl* c = WindowControl(qobject_cast<QWidget*>(receiver))) {
                    const QSize size = static_cast<QResizeEvent*>(event)->size();
                    c->WidgetResized(size.width(), size.height());
                    TMsg msg{c->WindowHandle(),
                             WM_SIZE,
                             0,
                             MakeLParam(size.width(), size.height()),
                             Now(),
                             FCursorPos};
                    PreDispatch(msg);
                }
                return false;
            case QEvent::Move:
                if (auto* w = qobject_cast<QWidget*>(receiver); w && w->isWindow())
                    if (TWinControl* c = WindowControl(w)) c->WidgetMoved(w->x(), w->y());
                return false;
            case QEvent::Leave:
                if (TWinControl* c = WindowControl(qobject_cast<QWidget*>(receiver)))
                    LeaveWindow(c);
                return false;
            case QEvent::WindowActivate:
            case QEvent::WindowDeactivate:
                if (auto* w = qobject_cast<QWidget*>(receiver); w && w->isWindow())
                    FilterActivation(w, event->type() == QEvent::WindowActivate);
                return false;
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                if (TWinControl* c = WindowControl(qobject_cast<QWidget*>(receiver))) {
                    if (event->type() == QEvent::FocusIn) {
                        if (TCustomForm* form = GetParentForm(c)) form->FocusChanged(c);
                        c->DoEnter();
                    } else {
                        c->DoExit();
                    }
                }
                return false;
            case QEvent::Close:
                if (auto* form = dynamic_cast<TCustomForm*>(
                        WindowControl(qobject_cast<QWidget*>(receiver)))) {
                    if (!form->CloseQueryAndClose()) {
                        event->ignore();
                        return true;
                    }
                }
                return false;
            case QEvent::ToolTip:
                return receiver->isWidgetType() &&
                       FilterToolTip(static_cast<QWidget*>(receiver), event);
            case QEvent::ContextMenu:
                return receiver->isWidgetType() &&
                       FilterContextMenu(static_cast<QWidget*>(receiver), event);
            case QEvent::ApplicationPaletteChange:
                if (receiver == QCoreApplication::instance()) {
                    NotifySystemColorsChanged();
                    for (TCustomForm* form : TScreen::Instance().Forms()) {
                        TMessage m{CM_SYSCOLORCHANGE, 0, 0, 0};
                        form->WndProc(m);
                        form->Broadcast(m);
                        form->Invalidate();
                    }
                }
                return false;
            default:
                if (event->type() == kPostedMessageType) return FilterPosted(receiver, event);
                return false;
        }
    } catch (const std::exception& e) {
        HandleException(e);
        return true;
    }
}

bool TApplication::MouseMessage(QWidget* widget, const QMouseEvent* e, TMsg& msg,
                                TWinControl*& window) {
    const UINT number = MouseMessageNumber(e);
    if (number == 0) return false;
    FCursorPos = Confined(TPoint::FromQPoint(e->globalPosition().toPoint()));
    window = TWinControl::FindNearestControl(widget);
    if (!window) return false;
    QWidget* host = window->WindowHandle();
    const QPoint local = host->mapFromGlobal(FCursorPos.ToQPoint());
    msg = TMsg{host, number, MouseKeys(e), MakeLParam(local.x(), local.y()), Now(), FCursorPos};
    return true;
}

// Presses are judged when their window receives them, before Qt acts on them (Qt moves the
// focus to the pressed widget first), so a swallowed press leaves no trace at all. Mouse input
// that arrives while a press is judged waits until the press has been delivered.
bool TApplication::FilterWindowPress(QWindow* window, QEvent* event) {
    if (FJudgingPress) return JudgeWindowPress(window, event);
    FJudgingPress = true;
    const auto release = qScopeGuard([this] {
        FJudgingPress = false;
        for (auto& [target, held] : FHeldInput)
            if (target) QCoreApplication::postEvent(target, held.release());
        FHeldInput.clear();
    });
    return JudgeWindowPress(window, event);
}

bool TApplication::JudgeWindowPress(QWindow* window, QEvent* event) {
    auto* e = static_cast<QMouseEvent*>(event);
    QWidget* top = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowHandle() == window) top = w;
    if (!top) return false;
    QWidget* target = QWidget::mouseGrabber();
    if (!target || target->window() != top) {
        target = top->childAt(e->position().toPoint());
        if (!target) target = top;
    }
    TMsg msg;
    TWinControl* control = nullptr;
    if (!MouseMessage(target, e, msg, control)) return false;

    // A click on an inactive window activates it before anyone sees the click.
    if (top != QApplication::activeWindow() && top->isVisible()) {
        QApplication::setActiveWindow(top);
        if (!WindowControl(msg.hwnd)) return true;  // gone while activating
    }
    if (!PreDispatch(msg)) return true;
    FPreDispatchedPress = e->timestamp();
    return false;
}

bool TApplication::FilterMouse(QWidget* widget, QEvent* event) {
    auto* e = static_cast<QMouseEvent*>(event);
    TMsg msg;
    TWinControl* window = nullptr;
    if (!MouseMessage(widget, e, msg, window)) return false;
    const bool isPress =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (isPress && FPreDispatchedPress == e->timestamp()) {
        FPreDispatchedPress = 0;
    } else if (!PreDispatch(msg)) {
        return true;
    }
    QWidget* host = msg.hwnd;
    if (widget != host) return false;  // a Qt widget inside a standard control handles it

    QPointer<QWidget> alive(host);
    if (msg.message == WM_MOUSEMOVE) TrackMouseControl(window, PointFromLParam(msg.lParam));
    if (alive && WindowControl(host) == window) Dispatch(window, msg);
    return !(alive && WindowControl(host) && window->NativeWidget());
}

bool TApplication::FilterKey(QWidget* widget, QEvent* event) {
    auto* e = static_cast<QKeyEvent*>(event);
    TWinControl* window = TWinControl::FindNearestControl(widget);
    if (!window) return false;
    const WPARAM key = VirtualKeyFromQt(e->key());
    const bool press = event->type() == QEvent::KeyPress;
    QWidget* host = window->WindowHandle();
    if (key != 0) {
        LPARAM flags = 1;  // repeat count
        if (e->isAutoRepeat()) flags |= LPARAM{1} << 30;
        if (!press) flags |= static_cast<LPARAM>(0xC0000000u);
        TMsg msg{host, press ? WM_KEYDOWN : WM_KEYUP, key, flags, Now(), FCursorPos};
        if (!PreDispatch(msg)) return true;
        if (widget != host) return false;
        TMessage m{msg.message, msg.wParam, msg.lParam, 0};
        window->WndProc(m);
        if (m.WParam == 0) return true;  // a handler took the key
    } else if (widget != host) {
        return false;
    }
    if (press && !e->text().isEmpty() && e->text()[0].isPrint()) {
        TMessage m{WM_CHAR, e->text()[0].unicode(), 0, 0};
        window->WndProc(m);
        if (m.WParam == 0) return true;
    }
    // Native controls type the key; Tab moves the focus; nothing else may travel on to the
    // parent window, which would see the key a second time.
    return !(window->NativeWidget() || key == VK_TAB);
}

bool TApplication::FilterPaint(QWidget* widget, QEvent* event) {
    TWinControl* window = WindowControl(widget);
    if (!window || window->NativeWidget()) return false;
    TMsg msg{widget, WM_PAINT, 0, 0, Now(), FCursorPos};
    if (!PreDispatch(msg)) return true;
    QPainter painter(widget);
    window->PaintHandler(painter, TRect::FromQRect(static_cast<QPaintEvent*>(event)->rect()));
    return true;
}

bool TApplication::FilterPosted(QObject*, QEvent* event) {
    TMsg msg = static_cast<TPostedMessage*>(event)->Msg;
    if (!PreDispatch(msg)) return true;
    if (TWinControl* control = WindowControl(msg.hwnd)) Dispatch(control, msg);
    return true;
}

void TApplication::FilterActivation(QWidget* widget, bool active) {
    TWinControl* form = WindowControl(widget);
    if (!form) return;
    TMsg msg{widget, active ? CM_ACTIVATE : CM_DEACTIVATE, 0, 0, Now(), FCursorPos};
    if (PreDispatch(msg)) Dispatch(form, msg);
}

bool TApplication::FilterToolTip(QWidget* widget, QEvent* event) {
    TWinControl* window = WindowControl(widget);
    if (!window) return false;
    if (!FShowHint) return true;
    auto* e = static_cast<QHelpEvent*>(event);
    const TControl* c = window->ControlAtPos(TPoint::FromQPoint(e->pos()), false);
    if (!c) c = window;
    if (c->ShowHint() && !c->Hint().isEmpty())
        QToolTip::showText(e->globalPos(), c->Hint(), widget);
    else
        QToolTip::hideText();
    return true;
}

// A standard control's own menu is asked for as a message, so that a hook (the designer) can
// keep it from opening; lParam is the point in the control's client coordinates.
bool TApplication::FilterContextMenu(QWidget* widget, QEvent* event) {
    TWinControl* window = TWinControl::FindNearestControl(widget);
    if (!window) return false;
    QWidget* host = window->WindowHandle();
    const QPoint local = host->mapFromGlobal(static_cast<QContextMenuEvent*>(event)->globalPos());
    TMsg msg{host, WM_CONTEXTMENU, 0, MakeLParam(local.x(), local.y()), Now(), FCursorPos};
    return !PreDispatch(msg);
}

void TApplication::TrackMouseControl(TWinControl* window, TPoint clientPoint) {
    TControl* over = window->ControlAtPos(clientPoint, false);
    if (!over) over = window;
    if (over == FMouseControl.get()) return;
    if (TControl* old = FMouseControl.get()) old->Perform(CM_MOUSELEAVE);
    FMouseControl = over;
    over->Perform(CM_MOUSEENTER);
    // Non-windowed controls show their cursor through their parent's window.
    if (QWidget* host = window->WindowHandle()) {
        const TCursor cursor = over->Cursor() != crDefault ? over->Cursor() : window->Cursor();
        host->setCursor(TScreen::Instance().CursorShape(cursor));
    }
}

void TApplication::LeaveWindow(TWinControl* window) {
    TControl* current = FMouseControl.get();
    if (!current || (current != window && current->Parent() != window)) return;
    FMouseControl = nullptr;
    current->Perform(CM_MOUSELEAVE);
}

WPARAM VirtualKeyFromQt(int qtKey) {
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<WPARAM>(qtKey);  // same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + static_cast<WPARAM>(qtKey - Qt::Key_F1);
    switch (qtKey) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        default:
            return 0;
    }
}

}  // namespace mox
