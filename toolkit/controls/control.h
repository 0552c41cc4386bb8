#pragma once
// TControl: a rectangle on a parent window with the common control state (bounds, visibility,
// colour, font, text, hint, cursor, alignment) and the mouse handling every control shares.
// Windowed controls (TWinControl) own a Qt widget; non-windowed ones (TGraphicControl) are painted
// by their parent and receive their mouse messages through it.

#include <QString>
#include <memory>

#include "toolkit/controls/controlenums.h"
#include "toolkit/controls/cursors.h"
#include "toolkit/controls/messages.h"
#include "toolkit/controls/sizeconstraints.h"
#include "toolkit/core/component.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"
#include "toolkit/graphics/font.h"

namespace mox {

class TWinControl;

}  // namespace mox

class QPainter;

namespace mox {

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;

class TControl : public TComponent {
    MOX_CLASS
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Parent and position.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    // The one place bounds change; descendants override it to impose the size they need.
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    // Screen position of the client area's origin.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    // A point of this control's client area in the client coordinates of `ancestor` (the parent
    // when none is given).
    TPoint ClientToParent(TPoint p, const TWinControl* ancestor = nullptr) const;

    // Visibility and state.
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window showing.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool value);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // Caption and Text are the same string.
    QString Text() const { return GetText(); }
    void SetText(const QString& value);
    QString Caption() const { return Text(); }
    void SetCaption(const QString& value) { SetText(value); }

    QString Hint() const { return FHint; }
    void SetHint(const QString& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind value) { FDragKind = value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }

    THelpType HelpType() const { return FHelpType; }
    void SetHelpType(THelpType value) { FHelpType = value; }
    QString HelpKeyword() const { return FHelpKeyword; }
    void SetHelpKeyword(const QString& value) { FHelpKeyword = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);

    // When the properties that can follow the parent are stored: only while they do not, and
    // anchors only when they differ from what the alignment implies.
    bool IsColorStored() const { return !ParentColor(); }
    bool IsFontStored() const { return !ParentFont(); }
    bool IsShowHintStored() const { return !ParentShowHint(); }
    bool IsBiDiModeStored() const { return !ParentBiDiMode(); }
    bool IsAnchorsStored() const { return Anchors() != AnchorsForAlign(Align()); }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(const TSizeConstraints* value) { FConstraints->Assign(value); }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }

    // Z-order among the siblings of the same kind (windowed or not).
    void BringToFront();
    void SendToBack();

    // Painting.
    virtual void Invalidate();
    virtual void Update();  // paint what is invalid now
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // Messages: sends `msg` straight to this control's handler and returns its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);

    // Whether `p` (client coordinates of the parent) hits this control; for graphic children.
    virtual bool HitTest(TPoint p) const { return BoundsRect().Contains(p); }

    // Component naming: a control whose text is its name follows a rename when its style asks.
    void SetName(const QString& value) override;
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;

protected:
    friend class TWinControl;
    friend class TApplication;

    virtual QString GetText() const { return FText; }
    virtual void SetTextValue(const QString& value) { FText = value; }

    // Mouse handling shared by all controls; coordinates are client coordinates.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void Click();
    virtual void DblClick();
    virtual void Resize();
    // The parent's colour/font/hint/bidi changed; controls that follow it take it over.
    virtual void ParentChanged(UINT notification);
    // Called after bounds changed, before the change is shown.
    virtual void BoundsChanged(const TRect& old);
    // Copy bounds without side effects (used when the platform resized a window).
    void StoreBounds(int left, int top, int width, int height);
    // Remember where the anchored sides were, after the parent laid it out.
    void UpdateAnchorRules();
    virtual void VisibleChanging() {}
    // Non-windowed controls paint here, on their parent's surface translated to their origin.
    virtual void PaintInParent(QPainter& painter);

    // The window this control paints on and receives mouse messages through.
    virtual TWinControl* HostWindow() const;

private:
    void HandleMouse(TMessage& message);
    void FontChanged(TObject*);
    void ConstraintsChanged(TObject*);

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    QString FText;
    QString FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TCursor FCursor = crDefault;
    TCursor FDragCursor = crDrag;
    TDragKind FDragKind = TDragKind::dkDrag;
    TDragMode FDragMode = TDragMode::dmManual;
    THelpType FHelpType = THelpType::htContext;
    QString FHelpKeyword;
    int FHelpContext = 0;
    TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
    bool FParentBiDiMode = true;
    TAlign FAlign = TAlign::alNone;
    TAnchors FAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};
    TPoint FAnchorRules;  // right/bottom distance to the parent's client edge
    std::unique_ptr<TSizeConstraints> FConstraints;
    TControlStyle FControlStyle{TControlStyleFlag::csCaptureMouse, TControlStyleFlag::csClickEvents,
                                TControlStyleFlag::csSetCaption, TControlStyleFlag::csDoubleClicks};
    TControlState FControlState;
};

TShiftState ShiftStateFromKeys(WPARAM keys);
// The live state of the modifier keys and mouse buttons.
TShiftState CurrentShiftState();

}  // namespace mox
