#pragma once
// TApplication: the program's message loop as the upper layers see it. Every queued input
// message of the program (mouse and keyboard for every toolkit window, including the Qt widgets
// inside standard controls) and every posted message becomes a TMsg and passes through the
// pre-dispatch handlers before it is dispatched; a handler swallows a message by setting its
// number to WM_NULL. Built on one application-wide Qt event filter.

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/controls/messages.h"
#include "toolkit/core/component.h"
#include "toolkit/core/types.h"

class QObject;
class QEvent;
class QWidget;
class QWindow;
class QMouseEvent;

namespace mox {

class TControl;
class TCustomForm;
class TWinControl;

// Application.OnMessage: set Handled to keep the message from being dispatched.
using TMessageEvent = TEvent<TMsg&, bool&>;
using TMessageHook = std::function<void(TMsg&)>;
using TExceptionEvent = TEvent<TObject*, const std::exception&>;

class TApplication {
public:
    // The one application object; it needs a QApplication to exist.
    static TApplication& Instance();
    ~TApplication();

    QString Title() const { return FTitle; }
    // The folder the program was started from.
    QString ExeDir() const;
    void SetTitle(const QString& value);
    TCustomForm* MainForm() const { return FMainForm; }
    // The first form registered becomes the main form; closing it ends the program.
    void FormCreated(TCustomForm* form);
    void FormDestroyed(TCustomForm* form);

    // The pre-dispatch handlers. OnMessage is the one replaceable handler (a designer saves the
    // current one, installs its own and calls the saved one from it); hooks are a list called in
    // order before it, the way thread message hooks are.
    TMessageEvent OnMessage;
    int AddMessageHook(TMessageHook hook);
    void RemoveMessageHook(int id);

    // Messages addressed to a window (none: to the application), queued in posting order.
    static void PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Delivered at once to the window's control, without the pre-dispatch handlers.
    static LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Runs the message loop until the main form closes or Terminate is called.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles every message that is waiting, then returns.
    void ProcessMessages();

    // Reports an exception: OnException when assigned, else a message box with its text.
    TExceptionEvent OnException;
    void HandleException(const std::exception& e);

    // Mouse capture: the captured window receives every mouse message. CaptureControl is the
    // control (windowed or not) that holds it.
    HWND GetCapture() const;
    HWND SetCapture(HWND window);
    void ReleaseCapture();
    TControl* CaptureControl() const;
    void SetCaptureControl(TControl* control);

    // The cursor position in screen coordinates (the last one the program saw), kept inside the
    // confinement rectangle while one is set. Qt cannot hold the pointer itself, so the program
    // sees it clamped to the rectangle.
    TPoint CursorPos() const;
    void SetCursorPos(TPoint p);
    void ConfineCursor(const TRect& screenRect);
    void FreeCursor();
    bool CursorConfined() const { return FConfined; }

    // The control the mouse is over (mouse enter/leave notifications follow it).
    TControl* MouseControl() const;

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }

    // Bookkeeping the control classes call.
    void RegisterWindow(QWidget* widget, TWinControl* control);
    void UnregisterWindow(QWidget* widget);
    TWinControl* WindowControl(QWidget* widget) const { return FWindows.value(widget); }
    void ControlRemoved(TControl* control);
    void ControlDestroyed(TControl* control);

private:
    class EventFilter;
    friend class EventFilter;
    TApplication();

    bool Filter(QObject* receiver, QEvent* event);
    bool FilterMouse(QWidget* widget, QEvent* event);
    bool FilterWindowPress(QWindow* window, QEvent* event);
    bool JudgeWindowPress(QWindow* window, QEvent* event);
    // Builds the message for a mouse event that `widget` is to receive; false when no toolkit
    // window is concerned.
    bool MouseMessage(QWidget* widget, const QMouseEvent* event, TMsg& msg, TWinControl*& window);
    bool FilterKey(QWidget* widget, QEvent* event);
    bool FilterPaint(QWidget* widget, QEvent* event);
    bool FilterPosted(QObject* receiver, QEvent* event);
    void FilterActivation(QWidget* widget, bool active);
    bool FilterToolTip(QWidget* widget, QEvent* event);
    bool FilterContextMenu(QWidget* widget, QEvent* event);
    // Runs the pre-dispatch handlers; false when the message was swallowed.
    bool PreDispatch(TMsg& msg);
    void Dispatch(TWinControl* control, TMsg& msg);
    void TrackMouseControl(TWinControl* window, TPoint clientPoint);
    void LeaveWindow(TWinControl* window);
    TPoint Confined(TPoint p) const;

    QPointer<QObject> FFilter;  // a child of the QApplication
    QHash<QWidget*, TWinControl*> FWindows;
    std::vector<std::pair<int, TMessageHook>> FHooks;
    int FNextHookId = 1;
    QString FTitle;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FShowHint = true;
    TRef<TControl> FCaptureControl;
    TRef<TControl> FMouseControl;
    TPoint FCursorPos;
    // A press already passed the handlers when its window received it (see FilterWindowPress).
    std::uint64_t FPreDispatchedPress = 0;
    // While a press is judged, later mouse input for any window waits here, in order.
    bool FJudgingPress = false;
    std::vector<std::pair<QPointer<QWindow>, std::unique_ptr<QEvent>>> FHeldInput;
    bool FConfined = false;
    TRect FConfineRect;
};

// The virtual key code of a Qt key (0 when it has none).
WPARAM VirtualKeyFromQt(int qtKey);

}  // namespace mox
