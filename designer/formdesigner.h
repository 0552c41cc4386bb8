#pragma once
// The run-time form designer: a non-visual component placed on a form that turns the form into
// a design surface. While active it sees every queued mouse message of the application before
// dispatch, selects, moves and resizes the form's controls itself, and swallows the messages it
// used; everything else passes on untouched.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "designer/designerenums.h"
#include "designer/dragfeedback.h"
#include "designer/grabhandles.h"
#include "designer/keyboardsteps.h"
#include "designer/selectionmarks.h"
#include "designer/statuslists.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/component.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/stdctrls/menus.h"

namespace mox {

class TBitmap;
class TBrush;
class TCanvas;
class TCustomForm;
class THintWindow;
class TfrmAlignmentPalette;

MOX_EXCEPTION(EFormDesigner, Exception);

// The deferred copy of a mouse message: posted back to the same window, handled on arrival.
constexpr UINT kDeferredMouseOffset = 0x0400;
// Posted to the form after it painted, so the selection marks come back on top.
constexpr UINT WM_REDRAWMARKS = 0x07E8;
// Posted to the form when the selected control's bounds moved away from its grab handles.
constexpr UINT WM_FOLLOWCONTROL = 0x07E9;

enum class TDragState { None, Dragging, RubberBand };

class TCustomFormDesigner : public TComponent {
    MOX_CLASS
public:
    explicit TCustomFormDesigner(TComponent* owner);
    ~TCustomFormDesigner() override;

    // Settings; see the setters for their side effects.
    bool ClearBeforeLoad() const { return FClearBeforeLoad; }
    void SetClearBeforeLoad(bool value) { FClearBeforeLoad = value; }
    TMessageProcessor MessageProcessor() const { return FMessageProcessor; }
    void SetMessageProcessor(TMessageProcessor value);
    TStrings* LockedControls() const;
    void SetLockedControls(const TStrings* value);
    bool LockedInverse() const { return FLocked.Inverse(); }
    void SetLockedInverse(bool value);
    TChildrenMode LockChildren() const { return FLocked.Children(); }
    void SetLockChildren(TChildrenMode value);
    TStrings* ProtectedControls() const;
    void SetProtectedControls(const TStrings* value);
    bool ProtectedInverse() const { return FProtected.Inverse(); }
    void SetProtectedInverse(bool value);
    TChildrenMode ProtectChildren() const { return FProtected.Children(); }
    void SetProtectChildren(TChildrenMode value);
    TProtectMode ProtectMode() const { return FProtectMode; }
    void SetProtectMode(TProtectMode value);
    TStrings* TransparentControls() const;
    void SetTransparentControls(const TStrings* value);
    bool TransparentInverse() const { return FTransparent.Inverse(); }
    void SetTransparentInverse(bool value);
    TChildrenMode TransparentChildren() const { return FTransparent.Children(); }
    void SetTransparentChildren(TChildrenMode value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value) { FPopupMenu = value; }
    int GridStep() const { return FGridStep; }
    void SetGridStep(int value);  // clamped to 2..128
    bool SnapToGrid() const { return FSnapToGrid; }
    void SetSnapToGrid(bool value) { FSnapToGrid = value; }
    bool DisplayGrid() const { return FDisplayGrid; }
    void SetDisplayGrid(bool value);
    TColor DesignerColor() const { return FDesignerColor; }
    void SetDesignerColor(TColor value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value);
    bool ShowMoveSizeHint() const { return FShowMoveSizeHint; }
    void SetShowMoveSizeHint(bool value);
    int GrabSize() const { return FGrabSize; }
    void SetGrabSize(int value);  // clamped to 3..32
    TAlignmentPaletteOptions AlignmentPalette() const { return FAlignmentPalette; }
    // Stores the options and applies stay-on-top, hints and flat buttons to the palette.
    void SetAlignmentPalette(TAlignmentPaletteOptions value);
    TColor NormalGrabBorder() const { return FNormalGrabBorder; }
    void SetNormalGrabBorder(TColor value);
    TColor NormalGrabFill() const { return FNormalGrabFill; }
    void SetNormalGrabFill(TColor value);
    TColor LockedGrabBorder() const { return FLockedGrabBorder; }
    void SetLockedGrabBorder(TColor value);
    TColor LockedGrabFill() const { return FLockedGrabFill; }
    void SetLockedGrabFill(TColor value);

    TControlNotifyEvent OnMoveSizeControl;
    // Stored for the shell; the designer itself never raises the load/save and reader events.
    TLoadSaveEvent OnLoadControl;
    TLoadSaveEvent OnSaveControl;
    TControlNotifyEvent OnSelectControl;
    TControlNotifyEvent OnAddControl;
    TControlNotifyEvent OnDeleteControl;
    TControlNotifyEvent OnControlDblClick;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    // Every intercepted message while suspended or while the form is not active.
    TDesignerMessageEvent OnMessage;
    TMoveLimitEvent OnMoveLimit;
    TSizeLimitEvent OnSizeLimit;
    TReaderErrorEvent OnReadError;

    // Switching on and off. Activation raises EFormDesigner unless the owner is a form.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    // The designed form: the owner, when it is a form.
    TCustomForm* Form() const;

    // The selection: entry 0 is the current control.
    TControl* Control() const { return FSelection.empty() ? nullptr : FSelection.front(); }
    // Makes the selection exactly `value` (none clears it).
    void SetControl(TControl* value);
    int ControlCount() const { return static_cast<int>(FSelection.size()); }
    TControl* Controls(int index) const;
    int IndexOf(const TControl* control) const;
    // Adds a direct child of the form to the selection and makes it current.
    void AddControl(TControl* control);
    void DeleteControl(TControl* control);
    // Adds every visible, selectable control the form owns.
    void SelectAll();

    // The windowed control owned by the form (and placed on a parent) whose window is `window`.
    TWinControl* FindWinControl(HWND window) const;

    // Rounds a control's Left and Top to the nearest grid lines.
    void AlignToGrid(TControl* control);
    // Aligns or spaces the unlocked selected controls along each direction.
    void AlignSelection(TAlignMode horizontal, TAlignMode vertical);
    // The control Tab selects after (or, backwards, before) the current one, in the order the
    // form owns them; none when no other control can be selected.
    TControl* FindNextControl(bool forward) const;
    // The floating alignment palette, made hidden with the designer and owned by it.
    TfrmAlignmentPalette* AlignmentPaletteWindow() const { return FPalette; }

    // Writes the form with everything it owns, except this designer (see rackio.h for formats).
    void SaveToFile(const QString& fileName, int format);

    bool IsLocked(const TControl* control) const;
    bool IsProtected(const TControl* control) const;
    bool IsTransparent(const TControl* control) const;

    // While suspended every intercepted message goes to OnMessage; suspensions nest.
    void Suspend();
    void Resume();
    bool Suspended() const { return FSuspendCount > 0; }

    // Rebuilds the grid tile and the grab images and puts handles and marks back in place.
    virtual void Update();
    // Looks at one queued message before it is dispatched; swallowing sets its number to 0.
    virtual void ProcessMessage(TMsg& msg);
    // Paints one grab image over `rect`.
    virtual void DrawGrab(TCanvas* canvas, const TRect& rect, bool locked);

    // Ends a drag or rubber band without applying it.
    void CancelDrag();
    TDragState DragState() const { return FDragState; }

    // What the grab handles and the shell read.
    TGrabHandles* GrabHandles() const { return FGrabHandles.get(); }
    const TBitmap& GrabImage(bool locked) const;
    const TBitmap& GridTile() const { return *FGridTile; }
    THintWindow* HintWindow() const { return FHintWindow; }
    const TDragFeedback& DragFeedback() const { return FFeedback; }
    bool HasSelectionMarks(const TControl* control) const { return FMarks.Marked(control); }

    // Rebuilds the grab images and re-places the handles.
    void UpdateGrabs();
    // Rebuilds the grid tile and shows it as the form's background.
    void UpdateGrid();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Activation (formdesigner.cpp).
    void Activate();
    void Deactivate();
    void StatusChanged(TStatusList& list);
    void WatchedListChanged(TObject*);
    void BuildGridTile();

    // Message processors (designerprocessors.cpp).
    void InstallProcessor();
    void RemoveProcessor();

    // Selection (designerselection.cpp).
    void PaintMarks(TControl* control);
    void PaintAllMarks();
    void EraseMarks(TControl* control);
    // Drops selected controls with another parent than the current one, and locked ones; true
    // when the last one dropped was locked.
    bool PruneSelection();
    void ControlDestroyed(TControl* control);
    void ClearFocus();

    // Interception (designerinterception.cpp).
    bool FormIsActive() const;
    HWND FormWindow() const;
    HWND TopWindowOf(HWND window) const;
    TControl* ControlAtMouse(HWND window, LPARAM point) const;
    // What a double-click or right-click is about: a grab handle stands for its control.
    TControl* ControlForClick(HWND window, LPARAM point) const;
    void DeferMouse(TMsg& msg);
    // What the designer does with its form's messages in every state: paints, deactivation.
    void WatchForm(const TMsg& msg);
    void HandleDeferred(TMsg& msg);
    bool HandlesLagBehind() const;
    // Lets go of the mouse, except that the window holding a swallowed press keeps it until
    // the button comes up.
    void ReleaseMouse();

    // Keyboard rules (designerkeyboard.cpp).
    void KeyDown(TMsg& msg);
    void KeyUp(TMsg& msg);
    void KeyboardStep(WPARAM arrow, TKeyboardMode mode);
    bool IsTabStop(const TControl* control) const;
    // The nearest ancestor below the form that may be selected, or none.
    TControl* SelectableAncestor(const TControl* control) const;

    // The limits every move and resize keeps to, by mouse or keyboard: the rectangle a moved
    // control stays in (its parent's client area unless OnMoveLimit says otherwise) and `rect`
    // held to the sizes OnSizeLimit allows for `current`.
    TRect MoveLimit(TControl* control);
    TRect SizeLimited(TControl* current, const TRect& rect);

    // Mouse rules (designermouse.cpp).
    void MousePress(TMsg& msg);
    void MouseMove(TMsg& msg);
    void MouseRelease(TMsg& msg);
    void DoubleClick(TMsg& msg);
    void RightButtonDown(TMsg& msg);
    void RightButtonUp(TMsg& msg);
    // Shift+click: adds the control to the selection or takes it out.
    void ToggleSelected(TControl* control);
    void StartRubberBand(TMsg& msg);
    void StartDrag(TMsg& msg);
    void DragTo();
    void BandTo();
    void FinishDrag(TMsg& msg);
    void FinishRubberBand(TMsg& msg);
    void CursorFeedback(const TMsg& msg);
    void DrawDragFrames();
    void DrawRubberBand();
    void ShowMoveSizeHintText(const QString& text, bool sizing);
    void HideHint();
    void SetCursorOverride(TCursor cursor);

    // Settings.
    bool FClearBeforeLoad = false;
    TMessageProcessor FMessageProcessor = TMessageProcessor::mpEvent;
    TStatusList FLocked;
    TStatusList FProtected;
    TStatusList FTransparent;
    TProtectMode FProtectMode = TProtectMode::pmUnselect;
    TRef<TPopupMenu> FPopupMenu;
    int FGridStep = 8;
    bool FSnapToGrid = false;
    bool FDisplayGrid = false;
    TColor FDesignerColor = clNone;
    TColor FGridColor = clNone;
    bool FShowMoveSizeHint = true;
    int FGrabSize = 5;
    TAlignmentPaletteOptions FAlignmentPalette{TAlignmentPaletteOption::apStayOnTop,
                                               TAlignmentPaletteOption::apShowHints};
    TColor FNormalGrabBorder = clBlack;
    TColor FNormalGrabFill = clBlack;
    TColor FLockedGrabBorder = clBlack;
    TColor FLockedGrabFill = clGray;

    // Run-time state.
    bool FActive = false;
    std::vector<TControl*> FSelection;  // each one tells Notification when it goes
    TRef<TGrabHandles> FGrabHandles;
    THintWindow* FHintWindow = nullptr;        // owned as a component
    TfrmAlignmentPalette* FPalette = nullptr;  // owned as a component
    std::unique_ptr<TBitmap> FGridTile;
    std::unique_ptr<TBrush> FSavedBrush;
    std::unique_ptr<TBitmap> FNormalGrab;
    std::unique_ptr<TBitmap> FLockedGrab;
    TDragFeedback FFeedback;
    TSelectionMarks FMarks;

    TDragState FDragState = TDragState::None;
    TGrabPosition FGrabPosition = TGrabPosition::gpNone;
    TPoint FDragStart;   // screen
    TRect FDragRect;     // the current control's proposed bounds
    TPoint FBandAnchor;  // screen
    TPoint FBandCorner;  // screen
    int FBandMoves = 0;
    TRef<TWinControl> FBandContainer;
    TRef<TControl> FRightClickTarget;
    LPARAM FLastPressPoint = 0;  // packed client point of the last left press
    LPARAM FPreviousPressPoint = 0;
    bool FHoldingPress = false;              // a swallowed left press is down
    bool FPressUnderWay = false;             // a deferred press is being handled
    std::optional<TMsg> FOvertakingRelease;  // its release, met while it was
    bool FFollowPosted = false;              // WM_FOLLOWCONTROL is on its way
    QPointer<QWidget> FHoldingWindow;        // the window that holds the mouse for it

    std::int32_t FSuspendCount = 0;
    TMessageEvent FSavedOnMessage;
};

class TFormDesigner : public TCustomFormDesigner {
    MOX_CLASS
public:
    using TCustomFormDesigner::TCustomFormDesigner;
};

// Every active designer, in activation order.
const std::vector<TCustomFormDesigner*>& ActiveDesigners();

}  // namespace mox
