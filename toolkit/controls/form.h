#pragma once
// TCustomForm: a top-level window. Left and Top are the window's position on the screen; the
// client area is what the form's children live in.

#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/controls/scrollbar.h"
#include "toolkit/controls/wincontrol.h"

namespace mox {

MOX_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
MOX_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
using TBorderIcons = TSet<TBorderIcon>;
MOX_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
MOX_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
         poDesktopCenter, poMainFormCenter, poOwnerFormCenter)
MOX_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
MOX_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
MOX_ENUM(TDefaultMonitor, dmDesktop, dmPrimary, dmMainForm, dmActiveForm)
MOX_ENUM(TPrintScale, poNone, poProportional, poPrintToFit)

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TWinControl {
    MOX_CLASS
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);

    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }

    void SetVisible(bool value) override;
    bool Showing() const override;
    // Shows the window and brings it to the front.
    void Show();
    void Hide() { SetVisible(false); }
    // Asks OnCloseQuery, then OnClose, then hides the form (the main form ends the program).
    void Close();
    // What a close request from the window system runs; false when the form stays open.
    bool CloseQueryAndClose();
    // True when this form is the active window.
    bool Active() const;
    // Lets the window manager move the window with the mouse, as a press on its caption would
    // (what WM_SYSCOMMAND with SC_DRAGMOVE asks for). False when it cannot: the form has no
    // window yet, or the platform does not move windows for programs.
    bool StartSystemMove();

    // The focused control inside the form; none means the form itself has the focus.
    TWinControl* ActiveControl() const { return FActiveControl.get(); }
    void SetActiveControl(TWinControl* control);
    // Called by the message filter when a control of the form gained the focus.
    void FocusChanged(TWinControl* control);

    void WndProc(TMessage& message) override;
    // "PixelsPerInch" and "TextHeight" follow the published properties in a stored form.
    void DefineProperties(TFiler& filer) override;

    // Settings a form stores; most have no effect on a desktop where forms do not scroll, dock
    // or print, but they survive a save and a load unchanged.
    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
    TIcon* Icon() const { return FIcon.get(); }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool v);
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int v);
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool v);
    void Loaded() override;
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v) { FAutoSize = v; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v) { FBorderWidth = v; }
    bool TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(bool v) { FTransparentColor = v; }
    TColor TransparentColorValue() const { return FTransparentColorValue; }
    void SetTransparentColorValue(TColor v) { FTransparentColorValue = v; }
    bool UseDockManager() const { return FUseDockManager; }
    void SetUseDockManager(bool v) { FUseDockManager = v; }
    TDefaultMonitor DefaultMonitor() const { return FDefaultMonitor; }
    void SetDefaultMonitor(TDefaultMonitor v) { FDefaultMonitor = v; }
    bool DockSite() const { return FDockSite; }
    void SetDockSite(bool v) { FDockSite = v; }
    QString HelpFile() const { return FHelpFile; }
    void SetHelpFile(const QString& v) { FHelpFile = v; }
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool v) { FKeyPreview = v; }
    bool OldCreateOrder() const { return FOldCreateOrder; }
    void SetOldCreateOrder(bool v) { FOldCreateOrder = v; }
    TPrintScale PrintScale() const { return FPrintScale; }
    void SetPrintScale(TPrintScale v) { FPrintScale = v; }
    bool Scaled() const { return FScaled; }
    void SetScaled(bool v) { FScaled = v; }
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int v) { FPixelsPerInch = v; }
    TComponent* Action() const { return FAction.get(); }
    void SetAction(TComponent* v) { FAction = v; }
    TComponent* Menu() const { return FMenu.get(); }
    void SetMenu(TComponent* v) { FMenu = v; }
    TComponent* ObjectMenuItem() const { return FObjectMenuItem.get(); }
    void SetObjectMenuItem(TComponent* v) { FObjectMenuItem = v; }
    TComponent* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TComponent* v) { FPopupMenu = v; }
    TComponent* WindowMenu() const { return FWindowMenu.get(); }
    void SetWindowMenu(TComponent* v) { FWindowMenu = v; }
    // The size is stored as Width/Height when the form can scroll, else as the client size.
    bool IsFormSizeStored() const;
    bool IsClientSizeStored() const { return !IsFormSizeStored(); }
    bool IsAutoScrollStored() const;
    bool IsIconStored() const { return !FIcon->Empty(); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnPaint;

protected:
    // Descendants call this at the end of their constructor, once their controls exist.
    void DoCreate();
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    void BoundsChanged(const TRect& old) override;
    void PaintWindow(QPainter& painter, const TRect& dirty) override;
    virtual void Paint();
    virtual void Activate();
    virtual void Deactivate();

private:
    void ApplyWindowFlags();
    void ApplySizeLimits();
    void ApplyWindowGeometry();
    void ApplyCaption();

    TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons FBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize,
                              TBorderIcon::biMaximize};
    TFormStyle FFormStyle = TFormStyle::fsNormal;
    TPosition FPosition = TPosition::poDesigned;
    TWindowState FWindowState = TWindowState::wsNormal;
    TRef<TWinControl> FActiveControl;
    std::unique_ptr<TCanvas> FCanvas;
    bool FApplyingGeometry = false;
    std::unique_ptr<TControlScrollBar> FHorzScrollBar;
    std::unique_ptr<TControlScrollBar> FVertScrollBar;
    std::unique_ptr<TIcon> FIcon;
    bool FAlphaBlend = false;
    int FAlphaBlendValue = 255;
    bool FAutoScroll = true;
    bool FAutoScrollRead = false;  // while loading: the stream held AutoScroll
    bool FAutoSize = false;
    int FBorderWidth = 0;
    bool FTransparentColor = false;
    TColor FTransparentColorValue = 0;
    bool FUseDockManager = false;
    TDefaultMonitor FDefaultMonitor = TDefaultMonitor::dmActiveForm;
    bool FDockSite = false;
    QString FHelpFile;
    bool FKeyPreview = false;
    bool FOldCreateOrder = false;
    TPrintScale FPrintScale = TPrintScale::poProportional;
    bool FScaled = true;
    int FPixelsPerInch = ScreenPixelsPerInch;
    TRef<TComponent> FAction;
    TRef<TComponent> FMenu;
    TRef<TComponent> FObjectMenuItem;
    TRef<TComponent> FPopupMenu;
    TRef<TComponent> FWindowMenu;
};

class TForm : public TCustomForm {
    MOX_CLASS
public:
    using TCustomForm::TCustomForm;
};

// The form a control is on (none when it is on no form).
TCustomForm* GetParentForm(const TControl* control);

}  // namespace mox
