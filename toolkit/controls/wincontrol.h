#pragma once
// TWinControl: a control with a window of its own (a Qt widget, created when first needed).
// It keeps its children in two z-ordered lists, non-windowed first, paints the non-windowed
// ones under its windowed children and routes mouse messages to the child under the point.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "toolkit/controls/control.h"
#include "toolkit/core/stdenums.h"

class QImage;
class QPainter;

namespace mox {

class TBrush;

using TKeyEvent = TEvent<TObject*, WPARAM&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, QChar&>;

class TWinControl : public TControl {
    MOX_CLASS
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Children: Controls(i) lists the non-windowed children, then the windowed ones, each in
    // z-order from back to front.
    int ControlCount() const;
    TControl* Controls(int index) const;
    const std::vector<TControl*>& GraphicChildren() const { return FControls; }
    const std::vector<TWinControl*>& WindowedChildren() const { return FWinControls; }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;  // a descendant, or this control
    // The topmost visible child at `p` (client coordinates): non-windowed children unless
    // allowWinControls; disabled children only when allowDisabled.
    TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;

    // The window. Handle() creates it (and its parent's) when needed.
    HWND Handle();
    HWND WindowHandle() const { return FWidget.data(); }
    bool HandleAllocated() const { return !FWidget.isNull(); }
    static TWinControl* FindControl(HWND window);
    // The control whose window is `window` or, climbing the widget tree within its top-level
    // window, the nearest one.
    static TWinControl* FindNearestControl(HWND window);

    // Focus.
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    int TabOrder() const;
    void SetTabOrder(int value);
    // Shows `cursor` over the window for now without changing Cursor, for a control whose
    // pointer shape depends on the part under it.
    void ShowCursorShape(TCursor cursor);
    virtual bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    // The beveled frame the standard windowed controls publish.
    TBevelEdges BevelEdges() const { return FBevelEdges; }
    void SetBevelEdges(TBevelEdges value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value);
    TBevelKind BevelKind() const { return FBevelKind; }
    void SetBevelKind(TBevelKind value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value);
    bool ParentCtl3D() const { return FParentCtl3D; }
    bool IsCtl3DStored() const { return !ParentCtl3D(); }
    void SetParentCtl3D(bool value);

    void SetParent(TWinControl* parent) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    bool Showing() const override;
    TPoint ClientOrigin() const override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    // Invalidates part of the client area.
    void InvalidateRect(const TRect& rect);
    void WndProc(TMessage& message) override;

    // What the window's background is painted with: its colour follows Color; a pattern bitmap,
    // while one is set, is tiled from the client origin instead (a form designer's grid).
    TBrush* Brush() const { return FBrush.get(); }

    // Sends `message` to every child control.
    void Broadcast(TMessage& message);
    // Lays out aligned children and applies anchors after a size change.
    void Realign();

    // The Qt side calls these; everything else goes through messages.
    void PaintHandler(QPainter& painter, const TRect& dirty);
    // Paints into `image` what this window shows under its non-windowed child `child` within
    // `rect` (child coordinates, kept at the same place in the image): the window's surface and
    // the children below `child`. A see-through control takes its background from here.
    void PaintBehind(const TControl& child, QImage& image, const TRect& rect);
    void WidgetResized(int width, int height);
    void WidgetMoved(int left, int top);
    void WidgetDestroyed();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    // A bevel setting changed: by default the control is painted again.
    virtual void BevelChanged() { Invalidate(); }
    friend class TControl;
    friend class TApplication;

    // Creates the Qt widget; the default is a plain canvas widget painted by PaintWindow.
    virtual QWidget* CreateWidget(QWidget* parentWidget);
    // Called once the widget exists: copy the control's state onto it.
    virtual void InitWidget(QWidget* widget);
    // True for controls built on a Qt standard widget that paints and handles input itself.
    virtual bool NativeWidget() const { return false; }
    // Paints the window's own surface (children are painted after it).
    virtual void PaintWindow(QPainter& painter, const TRect& dirty);
    void PaintControls(QPainter& painter, const TRect& dirty);

    virtual void KeyDown(WPARAM& key, TShiftState shift);
    virtual void KeyUp(WPARAM& key, TShiftState shift);
    virtual void KeyPress(QChar& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void AlignControls(TRect& rect);
    // The widget is about to go: keep what only the widget knows (a native control's text).
    virtual void WidgetDestroying(QWidget* widget);
    void Loaded() override;
    void ParentChanged(UINT notification) override;
    void BoundsChanged(const TRect& old) override;
    TWinControl* HostWindow() const override { return const_cast<TWinControl*>(this); }

private:
    void ChangeZOrder(TControl* control, bool toFront);
    void CreateHandle();
    void DestroyHandle();
    void ApplyGeometry();
    void UpdateTabOrder();
    void LinkLastInTabOrder();
    void NumberTabList() const;
    void ApplyFocusPolicy();

    QPointer<QWidget> FWidget;
    std::unique_ptr<TBrush> FBrush;
    std::vector<TControl*> FControls;        // non-windowed children, back to front
    std::vector<TWinControl*> FWinControls;  // windowed children, back to front
    std::vector<TWinControl*> FTabList;      // windowed children in tab order
    mutable bool FTabIndicesStale = false;   // FTabIndex of the children needs renumbering
    int FTabIndex = -1;                      // place in the parent's FTabList
    bool FTabStop = false;
    TBevelEdges FBevelEdges = AllBevelEdges;
    TBevelCut FBevelInner = TBevelCut::bvRaised;
    TBevelKind FBevelKind = TBevelKind::bkNone;
    TBevelCut FBevelOuter = TBevelCut::bvLowered;

    bool FCtl3D = true;
    bool FParentCtl3D = true;
};

}  // namespace mox
